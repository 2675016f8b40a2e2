// Construction of the graph tab: the control column, the plot frame and its scroll bars.
#include "form/window/form1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTabWidget>
#include <QVBoxLayout>

#include "form/graph/graph_frame.h"
#include "form/window/widget_setup.h"

namespace {

const QColor LabelGreen(85, 255, 127);
const QColor Black(0, 0, 0);

// The four range labels: fixed 100 x 17 or what the widest range needs, green on black.
void setupRangeLabel(QLabel* label) {
    widget_setup::setFixedSizeFor(label, QSize(100, 17), QStringLiteral("y:-8.88E-888"));
    widget_setup::setWindowColours(label, LabelGreen, Black);
}

// The read-out captions "xM=" and "yM=", as wide as their text; the read-out takes the rest.
void setupCaptionLabel(QLabel* label) {
    label->setMinimumSize(12, 0);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    widget_setup::setBold(label);
}

// Pans the plot; it takes the keyboard focus, so that arrow keys pan too.
QScrollBar* newOffsetScrollBar(Qt::Orientation orientation, int limit, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setRange(-limit, limit);
    bar->setSingleStep(100);
    bar->setPageStep(100);
    bar->setValue(0);
    return bar;
}

} // namespace

void Form1::createGraphTab() {
    Graph_TabPage = new QWidget(TabWidget);
    Graph_TabPage->setObjectName("Graph_TabPage");
    Graph_TabPageLayout = widget_setup::newGridLayout(Graph_TabPage, "Graph_TabPageLayout");

    Steuern_groupBox = new QGroupBox(Graph_TabPage);
    Steuern_groupBox->setObjectName("Steuern_groupBox");
    Steuern_groupBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    Steuern_groupBox->setMinimumSize(120, 0);
    Steuern_groupBox->setMaximumSize(120, 32767);
    Steuern_groupBox->setAlignment(Qt::AlignHCenter);
    auto* controlBoxLayout = new QVBoxLayout(Steuern_groupBox);
    controlBoxLayout->setContentsMargins(11, 11, 11, 11);
    controlBoxLayout->setSpacing(6);
    Steuern_groupBoxLayout = new QVBoxLayout();
    Steuern_groupBoxLayout->setAlignment(Qt::AlignTop);
    controlBoxLayout->addLayout(Steuern_groupBoxLayout);

    Ymax_textLabel = new QLabel(Steuern_groupBox);
    Ymax_textLabel->setObjectName("Ymax_textLabel");
    setupRangeLabel(Ymax_textLabel);
    Steuern_groupBoxLayout->addWidget(Ymax_textLabel);

    layout16 = widget_setup::newRow("layout16");
    Steuern_groupBoxLayout->addLayout(layout16);
    textLabel1_2 = new QLabel(Steuern_groupBox);
    textLabel1_2->setObjectName("textLabel1_2");
    setupCaptionLabel(textLabel1_2);
    layout16->addWidget(textLabel1_2);
    x_textLabel = new QLabel(Steuern_groupBox);
    x_textLabel->setObjectName("x_textLabel");
    widget_setup::setWindowColours(x_textLabel, LabelGreen, Black);
    layout16->addWidget(x_textLabel);

    layout5 = widget_setup::newRow("layout5");
    Steuern_groupBoxLayout->addLayout(layout5);
    textLabel3_2 = new QLabel(Steuern_groupBox);
    textLabel3_2->setObjectName("textLabel3_2");
    setupCaptionLabel(textLabel3_2);
    layout5->addWidget(textLabel3_2);
    y_textLabel = new QLabel(Steuern_groupBox);
    y_textLabel->setObjectName("y_textLabel");
    widget_setup::setWindowColours(y_textLabel, LabelGreen, Black);
    layout5->addWidget(y_textLabel);

    const auto addButton = [this](const char* name) {
        auto* button = new QPushButton(Steuern_groupBox);
        button->setObjectName(name);
        Steuern_groupBoxLayout->addWidget(button);
        return button;
    };
    Zeichnen_pushButton = addButton("Zeichnen_pushButton");
    Normal_pushButton = addButton("Normal_pushButton");
    Loesungsintervall_pushButton = addButton("Loesungsintervall_pushButton");
    Vergroessern_pushButton = addButton("Vergroessern_pushButton");
    Verkleinern_pushButton = addButton("Verkleinern_pushButton");
    yGroesser_pushButton = addButton("yGroesser_pushButton");
    yKleiner_pushButton = addButton("yKleiner_pushButton");
    yL_yR_pushButton13 = addButton("yL_yR_pushButton13");
    yL_yR_pushButton13->setCheckable(true);

    Steuern_spacer = new QSpacerItem(20, 16, QSizePolicy::Minimum, QSizePolicy::Expanding);
    Steuern_groupBoxLayout->addItem(Steuern_spacer);

    Ymin_textLabel = new QLabel(Steuern_groupBox);
    Ymin_textLabel->setObjectName("Ymin_textLabel");
    setupRangeLabel(Ymin_textLabel);
    Steuern_groupBoxLayout->addWidget(Ymin_textLabel);
    Graph_TabPageLayout->addWidget(Steuern_groupBox, 0, 0);

    grafik = new GraphFrame(Graph_TabPage);
    grafik->setObjectName("grafik");
    grafik->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    widget_setup::setWindowColours(grafik, QColor(255, 255, 255), Black);
    grafik->setFocusPolicy(Qt::NoFocus);
    grafik->setFrameShape(QFrame::StyledPanel);
    grafik->setFrameShadow(QFrame::Raised);
    connect(grafik, &GraphFrame::wheelTurned, this, &Form1::zoomAt);
    Graph_TabPageLayout->addWidget(grafik, 0, 1);

    yOffset_scrollBar = newOffsetScrollBar(Qt::Vertical, 10000, Graph_TabPage);
    yOffset_scrollBar->setObjectName("yOffset_scrollBar");
    Graph_TabPageLayout->addWidget(yOffset_scrollBar, 0, 2);

    layout23 = widget_setup::newRow("layout23");
    Graph_TabPageLayout->addLayout(layout23, 1, 1);
    Xmin_textLabel = new QLabel(Graph_TabPage);
    Xmin_textLabel->setObjectName("Xmin_textLabel");
    setupRangeLabel(Xmin_textLabel);
    layout23->addWidget(Xmin_textLabel);
    xOffset_scrollBar = newOffsetScrollBar(Qt::Horizontal, 200000, Graph_TabPage);
    xOffset_scrollBar->setObjectName("xOffset_scrollBar");
    layout23->addWidget(xOffset_scrollBar);
    Xmax_textLabel = new QLabel(Graph_TabPage);
    Xmax_textLabel->setObjectName("Xmax_textLabel");
    setupRangeLabel(Xmax_textLabel);
    layout23->addWidget(Xmax_textLabel);

    TabWidget->addTab(Graph_TabPage, QString());
}

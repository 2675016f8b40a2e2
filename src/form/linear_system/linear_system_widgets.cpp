// Construction of page 1: the coefficient table with its buttons, and the rich-text help.
#include "form/window/form1.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "form/linear_system/linear_system_table_labels.h"
#include "form/window/result_list.h"
#include "form/window/result_list_copy.h"
#include "form/window/widget_setup.h"

namespace {

// Tab moves from cell to cell of the table. From its last cell Tab goes on to the next
// control, and Shift+Tab from its first cell to the previous one, where the table itself
// would start over at its other end and keep the keyboard inside.
class TableEndsLeadOut : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* table = qobject_cast<QTableWidget*>(watched);
        if (table == nullptr || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            return false;
        }
        const bool backward = key->key() == Qt::Key_Backtab ||
                              (key->key() == Qt::Key_Tab && key->modifiers() & Qt::ShiftModifier);
        const bool forward = key->key() == Qt::Key_Tab && !backward;
        const int row = table->currentRow();
        const int column = table->currentColumn();
        if (forward && row == table->rowCount() - 1 && column == table->columnCount() - 1) {
            return leave(table, true);
        }
        if (backward && row == 0 && column == 0) {
            return leave(table, false);
        }
        return false;
    }

private:
    static bool leave(QWidget* table, bool forward) {
        QWidget* next = table;
        do {
            next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        } while (next != table && (table->isAncestorOf(next) || !next->isVisible() ||
                                   !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)));
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
};

// The height that shows every row of the table with its header, its frame and a
// horizontal scroll bar.
int wholeHeight(const QTableWidget* table) {
    return 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height() +
           table->verticalHeader()->length() + table->horizontalScrollBar()->sizeHint().height();
}

} // namespace

void Form1::createLinearSystemPage() {
    WStackPage_2 = new QWidget(widgetStack);
    WStackPage_2->setObjectName("WStackPage_2");
    WStackPageLayout_2 = widget_setup::newGridLayout(WStackPage_2, "WStackPageLayout_2");

    tabWidget3 = new QTabWidget(WStackPage_2);
    tabWidget3->setObjectName("tabWidget3");

    tab = new QWidget(tabWidget3);
    tab->setObjectName("tab");
    tabLayout = widget_setup::newColumn(tab, "tabLayout");

    GleichungenXYZ_table = new QTableWidget(tab);
    GleichungenXYZ_table->setObjectName("GleichungenXYZ_table");
    for (int column = 0; column < xyz_table_labels::Columns; ++column) {
        GleichungenXYZ_table->setColumnCount(column + 1);
        GleichungenXYZ_table->setHorizontalHeaderItem(
            column, new QTableWidgetItem(tr(xyz_table_labels::Horizontal[column])));
    }
    for (int row = 0; row < xyz_table_labels::Rows; ++row) {
        GleichungenXYZ_table->setRowCount(row + 1);
        GleichungenXYZ_table->setVerticalHeaderItem(
            row, new QTableWidgetItem(tr(xyz_table_labels::Vertical[row])));
    }
    widget_setup::setFontFamily(GleichungenXYZ_table, "Adobe Courier");
    GleichungenXYZ_table->setRowCount(xyz_table_labels::Rows);
    GleichungenXYZ_table->setColumnCount(xyz_table_labels::Columns);
    // The table grows with the window first, until all its rows show; the result list below
    // takes the rest.
    GleichungenXYZ_table->setMaximumHeight(wholeHeight(GleichungenXYZ_table));
    GleichungenXYZ_table->installEventFilter(new TableEndsLeadOut(GleichungenXYZ_table));
    tabLayout->addWidget(GleichungenXYZ_table, 1);

    layout21 = widget_setup::newRow("layout21");
    tabLayout->addLayout(layout21);
    AusgabeXYZ_listBox = new ResultList(tab);
    AusgabeXYZ_listBox->setObjectName("AusgabeXYZ_listBox");
    widget_setup::setBaseColours(AusgabeXYZ_listBox, QColor(0, 255, 0), QColor(0, 0, 0));
    widget_setup::setFont(AusgabeXYZ_listBox, "Adobe Courier", 15, false);
    result_list_copy::enable(AusgabeXYZ_listBox);
    layout21->addWidget(AusgabeXYZ_listBox);

    frame6 = new QFrame(tab);
    frame6->setObjectName("frame6");
    frame6->setFrameShape(QFrame::StyledPanel);
    frame6->setFrameShadow(QFrame::Raised);
    frame6Layout = widget_setup::newColumn(frame6, "frame6Layout");
    const auto addButton = [this](const char* name) {
        auto* button = new QPushButton(frame6);
        button->setObjectName(name);
        frame6Layout->addWidget(button);
        return button;
    };
    istGleichXYZ_pushButton = addButton("istGleichXYZ_pushButton");
    widget_setup::setFont(istGleichXYZ_pushButton, "Adobe Helvetica", 20, true);
    clearTableXYZ_pushButton = addButton("clearTableXYZ_pushButton");
    clearlListBoxXYZ_pushButton = addButton("clearlListBoxXYZ_pushButton");
    BeispieleXYZ_pushButton = addButton("BeispieleXYZ_pushButton");
    layout21->addWidget(frame6);
    tabWidget3->addTab(tab, QString());

    tab_2 = new QWidget(tabWidget3);
    tab_2->setObjectName("tab_2");
    tabLayout_2 = widget_setup::newGridLayout(tab_2, "tabLayout_2");
    textEdit1 = new QTextEdit(tab_2);
    textEdit1->setObjectName("textEdit1");
    // Tab leaves the help text for the next control instead of typing a tab into it.
    textEdit1->setTabChangesFocus(true);
    tabLayout_2->addWidget(textEdit1, 0, 0);
    tabWidget3->addTab(tab_2, QString());

    WStackPageLayout_2->addWidget(tabWidget3, 0, 0);
    widgetStack->addWidget(WStackPage_2);
}

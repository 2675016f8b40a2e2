// The widget tree of the main window as the page code relies on it: names and classes,
// ranges and initial values, colours and fonts as drawn, the menu and the slot table.
#include <QAction>
#include <QButtonGroup>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "form/graph/graph_frame.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// Makes every page and tab on the way from the window to the widget current.
void bringToFront(QWidget* widget) {
    for (QWidget* page = widget; page->parentWidget(); page = page->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget())) {
            stack->setCurrentWidget(page);
        }
    }
}

// Whether a pixel is the colour drawn over black with some coverage: the colour scaled.
bool isShadeOf(QColor pixel, QColor colour) {
    const int strongest = qMax(colour.red(), qMax(colour.green(), colour.blue()));
    const double coverage =
        qMax(pixel.red(), qMax(pixel.green(), pixel.blue())) / double(strongest);
    if (coverage < 0.6) {
        return false;
    }
    return qAbs(pixel.red() - coverage * colour.red()) < 16 &&
           qAbs(pixel.green() - coverage * colour.green()) < 16 &&
           qAbs(pixel.blue() - coverage * colour.blue()) < 16;
}

} // namespace

class WidgetTreeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    template <typename T> T* child(const QString& name) {
        const QList<T*> found = form->findChildren<T*>(name);
        if (found.size() != 1) {
            return nullptr;
        }
        return found.first();
    }

private slots:
    void init() { form = std::make_unique<Form1>(); }
    void cleanup() { form.reset(); }

    void objectClasses_data();
    void objectClasses();
    void membersAreTheNamedObjects();
    void pages();
    void spinBoxes_data();
    void spinBoxes();
    void scrollBars_data();
    void scrollBars();
    void stepButtons();
    void toggleButtonStartsOff();
    void coefficientTable();
    void coloursAreDrawn_data();
    void coloursAreDrawn();
    void fixedPitchFonts_data();
    void fixedPitchFonts();
    void graphFrameShowsItsImage();
    void menu();
    void windowSize();
    void windowName();
    void centralWidgetIsOpaque();
    void slotTable();
};

void WidgetTreeTest::objectClasses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    const char* const rows[][2] = {
        {"qt_central_widget", "QWidget"},
        {"Form1Layout", "QGridLayout"},
        {"widgetStack", "QStackedWidget"},
        {"WStackPage", "QWidget"},
        {"WStackPageLayout", "QGridLayout"},
        {"TabWidget", "QTabWidget"},
        {"Gleichung_TabPage", "QWidget"},
        {"Gleichung_TabPageLayout", "QGridLayout"},
        {"layout12", "QHBoxLayout"},
        {"GleichLinks_LineEdit", "QLineEdit"},
        {"IstGleich_pushButton", "QPushButton"},
        {"GleichRechts_LineEdit", "QLineEdit"},
        {"frame3", "QFrame"},
        {"frame3Layout", "QGridLayout"},
        {"layout29", "QHBoxLayout"},
        {"textLabel1", "QLabel"},
        {"Mitte_spinBox", "QSpinBox"},
        {"layout30", "QHBoxLayout"},
        {"textLabel2", "QLabel"},
        {"Delta_spinBox", "QSpinBox"},
        {"Schritte_groupBox", "QGroupBox"},
        {"Schritte_buttonGrup", "QButtonGroup"},
        {"hunderstel_radioButton", "QRadioButton"},
        {"tusendstel_radioButton", "QRadioButton"},
        {"layout27", "QHBoxLayout"},
        {"textLabel3", "QLabel"},
        {"vonX_lb", "QLabel"},
        {"layout28", "QHBoxLayout"},
        {"textLabel4", "QLabel"},
        {"bisX_lb", "QLabel"},
        {"clearEingabe_pushButton", "QPushButton"},
        {"clearAusgabe_pushButton", "QPushButton"},
        {"Beispiel_pushButton", "QPushButton"},
        {"Ergebnisse_ListBox", "ResultList"},
        {"Graph_TabPage", "QWidget"},
        {"Graph_TabPageLayout", "QGridLayout"},
        {"Steuern_groupBox", "QGroupBox"},
        {"Ymax_textLabel", "QLabel"},
        {"layout16", "QHBoxLayout"},
        {"textLabel1_2", "QLabel"},
        {"x_textLabel", "QLabel"},
        {"layout5", "QHBoxLayout"},
        {"textLabel3_2", "QLabel"},
        {"y_textLabel", "QLabel"},
        {"Zeichnen_pushButton", "QPushButton"},
        {"Normal_pushButton", "QPushButton"},
        {"Loesungsintervall_pushButton", "QPushButton"},
        {"Vergroessern_pushButton", "QPushButton"},
        {"Verkleinern_pushButton", "QPushButton"},
        {"yGroesser_pushButton", "QPushButton"},
        {"yKleiner_pushButton", "QPushButton"},
        {"yL_yR_pushButton13", "QPushButton"},
        {"Ymin_textLabel", "QLabel"},
        {"grafik", "GraphFrame"},
        {"yOffset_scrollBar", "QScrollBar"},
        {"layout23", "QHBoxLayout"},
        {"Xmin_textLabel", "QLabel"},
        {"xOffset_scrollBar", "QScrollBar"},
        {"Xmax_textLabel", "QLabel"},
        {"Hilfe_TabPage", "QWidget"},
        {"Hilfe_TabPageLayout", "QGridLayout"},
        {"HilfeListBox", "QListWidget"},
        {"WStackPage_2", "QWidget"},
        {"WStackPageLayout_2", "QGridLayout"},
        {"tabWidget3", "QTabWidget"},
        {"tab", "QWidget"},
        {"tabLayout", "QVBoxLayout"},
        {"GleichungenXYZ_table", "QTableWidget"},
        {"layout21", "QHBoxLayout"},
        {"AusgabeXYZ_listBox", "ResultList"},
        {"frame6", "QFrame"},
        {"frame6Layout", "QVBoxLayout"},
        {"istGleichXYZ_pushButton", "QPushButton"},
        {"clearTableXYZ_pushButton", "QPushButton"},
        {"clearlListBoxXYZ_pushButton", "QPushButton"},
        {"BeispieleXYZ_pushButton", "QPushButton"},
        {"tab_2", "QWidget"},
        {"tabLayout_2", "QGridLayout"},
        {"textEdit1", "QTextEdit"},
        {"MenuBarEditor", "QMenuBar"},
        {"menuGleichnungenX_Action", "QAction"},
        {"menuGleichungenXYZ_Action", "QAction"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
}

void WidgetTreeTest::objectClasses() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QObject* object = child<QObject>(name);
    QVERIFY2(object, "missing or not unique");
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
}

void WidgetTreeTest::membersAreTheNamedObjects() {
    QCOMPARE(child<QWidget>("GleichLinks_LineEdit"), form->GleichLinks_LineEdit);
    QCOMPARE(child<QWidget>("Ergebnisse_ListBox"), form->Ergebnisse_ListBox);
    QCOMPARE(child<QWidget>("grafik"), form->grafik);
    QCOMPARE(child<QWidget>("GleichungenXYZ_table"), form->GleichungenXYZ_table);
    QCOMPARE(child<QWidget>("vonX_lb"), form->vonX_lb);
    QCOMPARE(child<QObject>("Schritte_buttonGrup"), form->Schritte_buttonGrup);
    QCOMPARE(child<QObject>("menuGleichnungenX_Action"), form->menuGleichnungenX_Action);
    QCOMPARE(form->menuBar(), form->MenuBarEditor);
    QCOMPARE(form->centralWidget(), child<QWidget>("qt_central_widget"));
}

void WidgetTreeTest::pages() {
    QCOMPARE(form->widgetStack->count(), 2);
    QCOMPARE(form->widgetStack->widget(0), form->WStackPage);
    QCOMPARE(form->widgetStack->widget(1), form->WStackPage_2);
    QCOMPARE(form->TabWidget->count(), 3);
    QCOMPARE(form->TabWidget->widget(0), form->Gleichung_TabPage);
    QCOMPARE(form->TabWidget->widget(1), form->Graph_TabPage);
    QCOMPARE(form->TabWidget->widget(2), form->Hilfe_TabPage);
    QCOMPARE(form->tabWidget3->count(), 2);
    QCOMPARE(form->tabWidget3->widget(0), form->tab);
    QCOMPARE(form->tabWidget3->widget(1), form->tab_2);

    QCOMPARE(form->widgetStack->currentIndex(), 0);
    QCOMPARE(form->TabWidget->currentIndex(), 0);
    QCOMPARE(form->tabWidget3->currentIndex(), 0);
    QVERIFY(!form->textEdit1->isReadOnly());
}

void WidgetTreeTest::spinBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Mitte") << "Mitte_spinBox" << -1000000000 << 1000000000 << 0 << QSize(110, 25);
    QTest::newRow("Delta") << "Delta_spinBox" << 1 << 1000000 << 1000 << QSize(85, 25);
}

void WidgetTreeTest::spinBoxes() {
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QSize, size);
    auto* spinBox = child<QSpinBox>(name);
    QVERIFY(spinBox);
    QCOMPARE(spinBox->minimum(), minimum);
    QCOMPARE(spinBox->maximum(), maximum);
    QCOMPARE(spinBox->value(), value);
    QCOMPARE(spinBox->minimumSize(), size);
    QCOMPARE(spinBox->maximumSize(), size);
}

void WidgetTreeTest::scrollBars_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("limit");
    QTest::newRow("yOffset") << "yOffset_scrollBar" << Qt::Vertical << 10000;
    QTest::newRow("xOffset") << "xOffset_scrollBar" << Qt::Horizontal << 200000;
}

void WidgetTreeTest::scrollBars() {
    QFETCH(QString, name);
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, limit);
    auto* bar = child<QScrollBar>(name);
    QVERIFY(bar);
    QCOMPARE(bar->orientation(), orientation);
    QCOMPARE(bar->minimum(), -limit);
    QCOMPARE(bar->maximum(), limit);
    QCOMPARE(bar->singleStep(), 100);
    QCOMPARE(bar->pageStep(), 100);
    QCOMPARE(bar->value(), 0);
}

void WidgetTreeTest::stepButtons() {
    QButtonGroup* group = form->Schritte_buttonGrup;
    QCOMPARE(group->id(form->hunderstel_radioButton), 0);
    QCOMPARE(group->id(form->tusendstel_radioButton), 1);
    QVERIFY(group->exclusive());
    QCOMPARE(group->checkedId(), 0);
    QCOMPARE(form->hunderstel_radioButton->parentWidget(), form->Schritte_groupBox);
    QCOMPARE(form->tusendstel_radioButton->parentWidget(), form->Schritte_groupBox);
}

void WidgetTreeTest::toggleButtonStartsOff() {
    QVERIFY(form->yL_yR_pushButton13->isCheckable());
    QVERIFY(!form->yL_yR_pushButton13->isChecked());
    QVERIFY(!form->yGroesser_pushButton->isCheckable());
}

void WidgetTreeTest::coefficientTable() {
    QTableWidget* table = form->GleichungenXYZ_table;
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 11);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Wert="));
    for (int column = 1; column <= 10; ++column) {
        QCOMPARE(table->horizontalHeaderItem(column)->text(),
                 QStringLiteral("k%1*X%1").arg(column));
    }
    for (int row = 0; row < 10; ++row) {
        QCOMPARE(table->verticalHeaderItem(row)->text(), QStringLiteral("G%1").arg(row + 1));
    }
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 11; ++column) {
            QVERIFY(!table->item(row, column));
        }
    }
}

void WidgetTreeTest::coloursAreDrawn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("foreground");
    QTest::newRow("Ergebnisse_ListBox") << "Ergebnisse_ListBox" << QColor(85, 255, 0);
    QTest::newRow("AusgabeXYZ_listBox") << "AusgabeXYZ_listBox" << QColor(0, 255, 0);
    QTest::newRow("Ymax_textLabel") << "Ymax_textLabel" << QColor(85, 255, 127);
    QTest::newRow("y_textLabel") << "y_textLabel" << QColor(85, 255, 127);
}

void WidgetTreeTest::coloursAreDrawn() {
    QFETCH(QString, name);
    QFETCH(QColor, foreground);
    auto* widget = child<QWidget>(name);
    QVERIFY(widget);
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->addItem(QStringLiteral("X1 = 1111"));
        widget = list->viewport();
    } else {
        qobject_cast<QLabel*>(widget)->setText(QStringLiteral("HHHH"));
    }
    bringToFront(widget);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(widget->isVisible());
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            textPixels += isShadeOf(QColor(image.pixel(x, y)), foreground);
        }
    }
    QVERIFY(textPixels > 0);
    QCOMPARE(QColor(image.pixel(image.width() - 2, image.height() - 2)), QColor(0, 0, 0));
}

void WidgetTreeTest::fixedPitchFonts_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"HilfeListBox", "Ergebnisse_ListBox", "AusgabeXYZ_listBox",
                             "GleichLinks_LineEdit", "GleichungenXYZ_table"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void WidgetTreeTest::fixedPitchFonts() {
    QFETCH(QString, name);
    auto* widget = child<QWidget>(name);
    QVERIFY(widget);
    const QFontInfo info(widget->font());
    QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
}

void WidgetTreeTest::graphFrameShowsItsImage() {
    GraphFrame* frame = form->grafik;
    bringToFront(frame);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QImage& image = frame->image();
    image = QImage(40, 30, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    frame->update();
    const QImage shown = frame->grab().toImage();
    QCOMPARE(QColor(shown.pixel(20, 15)), QColor(255, 0, 0));
    // Outside the image the frame shows its own black background.
    QCOMPARE(QColor(shown.pixel(shown.width() - 10, shown.height() - 10)), QColor(0, 0, 0));
}

void WidgetTreeTest::menu() {
    const QList<QAction*> barItems = form->MenuBarEditor->actions();
    QCOMPARE(barItems.size(), 2);
    QVERIFY(barItems[0]->isSeparator());
    QMenu* popup = barItems[1]->menu();
    QVERIFY(popup);
    QCOMPARE(popup->parent(), form.get());

    const QList<QAction*> popupItems = popup->actions();
    // The page entries; after a separator the session entries; after another, those that take
    // the plot and the results out of the program.
    QCOMPARE(popupItems.size(), 11);
    QVERIFY(popupItems[0]->isSeparator());
    QVERIFY(popupItems[1]->isSeparator());
    QCOMPARE(popupItems[2], form->menuGleichnungenX_Action);
    QCOMPARE(popupItems[3], form->menuGleichungenXYZ_Action);
    QVERIFY(popupItems[4]->isSeparator());
    QCOMPARE(popupItems[5]->objectName(), QStringLiteral("sitzungSpeichern_Action"));
    QCOMPARE(popupItems[6]->objectName(), QStringLiteral("sitzungOeffnen_Action"));
    QVERIFY(popupItems[7]->isSeparator());
    QCOMPARE(popupItems[8]->objectName(), QStringLiteral("grafikSpeichern_Action"));
    QCOMPARE(popupItems[9]->objectName(), QStringLiteral("drucken_Action"));
    QCOMPARE(popupItems[10]->objectName(), QStringLiteral("ergebnisseSpeichern_Action"));
    for (QAction* action : {form->menuGleichnungenX_Action, form->menuGleichungenXYZ_Action}) {
        QCOMPARE(action->parent(), form.get());
        QVERIFY(action->icon().isNull());
        QVERIFY(action->shortcut().isEmpty());
    }
}

void WidgetTreeTest::windowSize() {
    QCOMPARE(form->minimumSize(), QSize(324, 544));
    QVERIFY(form->width() >= 990);
    QVERIFY(form->height() >= 544);
    QCOMPARE(form->size(), QSize(990, 544).expandedTo(form->minimumSizeHint()));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(form->width() >= 990);
    QVERIFY(form->height() >= 544);
    QVERIFY(!form->hasMouseTracking());
}

void WidgetTreeTest::windowName() {
    QCOMPARE(form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(QString::fromLatin1(form->metaObject()->className()), QStringLiteral("Form1"));
    Form1 named(nullptr, "Rechner");
    QCOMPARE(named.objectName(), QStringLiteral("Rechner"));
    QVERIFY(named.isWindow());
}

void WidgetTreeTest::centralWidgetIsOpaque() {
    QVERIFY(form->centralWidget()->autoFillBackground());
    QCOMPARE(form->centralWidget()->layout(), child<QLayout>("Form1Layout"));
}

void WidgetTreeTest::slotTable() {
    const QStringList expected = {
        "DeltaSlot(int)",
        "MitteSlot(int)",
        "BeispielSlot()",
        "istGleichSlot()",
        "ZeichnenSlot()",
        "clearEingabeSlot()",
        "clearAusgabeSlot()",
        "resizeEvent(QResizeEvent*)",
        "paintEvent(QPaintEvent*)",
        "mouseMoveEvent(QMouseEvent*)",
        "mousePressEvent(QMouseEvent*)",
        "VergroessernSlot()",
        "VerkleinernSlot()",
        "NormalSlot()",
        "TabWidgetSlot(QWidget*)",
        "BeispielGleichungen()",
        "timerEvent(QTimerEvent*)",
        "moveEvent(QMoveEvent*)",
        "yL_yRSlot(bool)",
        "xOffset_scrollBarSlot(int)",
        "yOffset_scrollBarSlot(int)",
        "yKleiner_pressedSlot()",
        "yKleiner_releasedSlot()",
        "yGroesser_pressedSlot()",
        "yGroesser_releasedSlot()",
        "menuGleichungenX_Slot()",
        "menuGleichungenXYZ_Slot()",
        "istGleichXYZ_Slot()",
        "clearTabeleXYZ_Slot()",
        "clearListBoxXYZ_Slot()",
        "BeispieleXYZ_Slot()",
        "X_Regula_Falsi(long double,long double,bool&)",
        "SchrittweiteSlot(int)",
        "LoesungsintervallSlot()",
        "languageChange()",
    };
    const QMetaObject* meta = form->metaObject();
    QStringList signatures;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), signatures.size() == expected.size() - 1 ? QMetaMethod::Protected
                                                                           : QMetaMethod::Public);
        signatures << QString::fromLatin1(method.methodSignature());
    }
    QCOMPARE(signatures, expected);

    const QMetaMethod regulaFalsi = meta->method(meta->indexOfSlot(
        QMetaObject::normalizedSignature("X_Regula_Falsi(long double,long double,bool&)")));
    QCOMPARE(regulaFalsi.parameterNames(), (QList<QByteArray>{"XL", "XR", "Fehler"}));
    QCOMPARE(QByteArray(regulaFalsi.typeName()), QByteArray("long double"));
}

QUINT_QTEST_MAIN(WidgetTreeTest)
#include "widget_tree_test.moc"

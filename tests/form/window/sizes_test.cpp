// Nothing is cut off: at the window's minimum size and at its start size, every label and
// button shown is at least as wide as its text needs; below that size the pages scroll.
#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

class SizesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

private slots:
    void init() {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        normalTimer = -1;
        KleinerGroesserTimer = -1;
    }

    void textsFit_data();
    void textsFit();
};

void SizesTest::textsFit_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("tab");
    for (const QSize size : {QSize(324, 544), QSize(990, 544)}) {
        const QByteArray name = QByteArray::number(size.width());
        QTest::newRow(name + " equation") << size << 0 << 0;
        QTest::newRow(name + " graph") << size << 0 << 1;
        QTest::newRow(name + " linear systems") << size << 1 << 0;
    }
}

void SizesTest::textsFit() {
    QFETCH(QSize, size);
    QFETCH(int, page);
    QFETCH(int, tab);
    form->resize(size);
    form->widgetStack->setCurrentIndex(page);
    (page == 0 ? form->TabWidget : form->tabWidget3)->setCurrentIndex(tab);
    // The widest texts the interval labels show.
    form->Mitte_spinBox->setValue(-1000000000);
    form->Delta_spinBox->setValue(1000000);
    QTest::qWait(20);
    QCOMPARE(form->size(), size);
    int checked = 0;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            text = button->text();
        }
        if (text.isEmpty()) {
            continue;
        }
        ++checked;
        const int needed = widget->fontMetrics().horizontalAdvance(text);
        QVERIFY2(widget->width() >= needed, qPrintable(QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                                                           .arg(widget->objectName(), text)
                                                           .arg(widget->width())
                                                           .arg(needed)));
    }
    QVERIFY(checked >= 4);
}

QUINT_QTEST_MAIN(SizesTest)
#include "sizes_test.moc"

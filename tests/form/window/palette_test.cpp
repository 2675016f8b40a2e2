// Under a dark palette every fixed background keeps a text colour that can be read on it.
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// Relative luminance and contrast ratio as the web content guidelines define them.
double luminance(QColor colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 55));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return dark;
}

} // namespace

class PaletteTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
    QPalette before;

private slots:
    void init() {
        before = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
        form = std::make_unique<Form1>();
    }
    void cleanup() {
        form.reset();
        QApplication::setPalette(before);
        normalTimer = -1;
        KleinerGroesserTimer = -1;
    }

    void fixedBackgroundsKeepTheirText();
    void intervalLabelsShowDarkDigitsOnWhite();
};

// Every widget that fills a background of its own has a text colour of the contrast the web
// content guidelines ask of text (4.5 : 1), whatever the palette around it.
void PaletteTest::fixedBackgroundsKeepTheirText() {
    const QColor dark = darkPalette().color(QPalette::Window);
    int fixed = 0;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        const QPalette& palette = widget->palette();
        if (widget->autoFillBackground() && palette.color(QPalette::Window) != dark) {
            ++fixed;
            QVERIFY2(contrast(palette.color(QPalette::WindowText),
                              palette.color(QPalette::Window)) >= 4.5,
                     qPrintable(widget->objectName()));
        }
        if (qobject_cast<QAbstractItemView*>(widget) &&
            palette.color(QPalette::Base) != darkPalette().color(QPalette::Base)) {
            ++fixed;
            QVERIFY2(contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)) >= 4.5,
                     qPrintable(widget->objectName()));
        }
    }
    // Two interval labels, four range labels, two read-outs, the plot frame, two result lists.
    QCOMPARE(fixed, 11);
}

void PaletteTest::intervalLabelsShowDarkDigitsOnWhite() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    for (QLabel* label : {form->vonX_lb, form->bisX_lb}) {
        const QImage image = label->grab().toImage();
        int darkPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                darkPixels += luminance(QColor(image.pixel(x, y))) < 0.2;
            }
        }
        QVERIFY2(darkPixels > 20, qPrintable(label->objectName()));
        QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(Qt::white));
    }
}

QUINT_QTEST_MAIN(PaletteTest)
#include "palette_test.moc"

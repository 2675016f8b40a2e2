#include "form/graph/fitted_button_text.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QPushButton>
#include <QStyle>

namespace {
// Below this the text would no longer be read; it is cut instead.
constexpr qreal SmallestPoints = 6;
constexpr qreal PointStep = 0.5;
} // namespace

void setFittedText(QPushButton* button, const QString& text, int width) {
    button->setText(text);
    button->setShortcut(QKeySequence());
    const QStyle* style = button->style();
    const int room = width - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) -
                     2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    QFont font = button->parentWidget() ? button->parentWidget()->font() : button->font();
    while (QFontMetrics(font).horizontalAdvance(text) > room &&
           font.pointSizeF() - PointStep >= SmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - PointStep);
    }
    button->setFont(font);
}

#include "form/window/whole_number_spin_box.h"

#include <QCoreApplication>
#include <QLocale>
#include <QToolTip>

namespace {

bool holdsSeparator(const QString& input, const QLocale& locale) {
    for (const QString& separator : {QStringLiteral("."), QStringLiteral(","),
                                     locale.decimalPoint(), locale.groupSeparator()}) {
        if (!separator.isEmpty() && input.contains(separator)) {
            return true;
        }
    }
    return false;
}

} // namespace

QValidator::State WholeNumberSpinBox::validate(QString& input, int& pos) const {
    if (holdsSeparator(input, locale())) {
        QToolTip::showText(mapToGlobal(QPoint(0, height())),
                           QCoreApplication::translate("Form1", "Nur ganze Zahlen"), nullptr,
                           QRect(), HintMs);
        return QValidator::Invalid;
    }
    return QSpinBox::validate(input, pos);
}

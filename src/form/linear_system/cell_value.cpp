#include "form/linear_system/cell_value.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <string_view>

#include "interpreter/formelinterpreter.h"
#include "interpreter/unrecognised_text.h"

namespace {

bool readsX(const Formelinterpreter& formula) {
    for (int i = 1; i <= formula.AnzahlToken; ++i) {
        if (formula.codeAt(i) == Formelinterpreter::VarX) {
            return true;
        }
    }
    return false;
}

std::optional<long double> formulaValue(const QByteArray& text) {
    // A longer text would be cut, and a NUL would end it early: either would be read as
    // another formula.
    if (text.isEmpty() || text.size() > Formelinterpreter::MaxTextLength || text.contains('\0')) {
        return std::nullopt;
    }
    Formelinterpreter formula{};
    formula.setFormel(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    formula.Formel_compillieren();
    if (firstDeparture(formula).kind != Departure::None || readsX(formula)) {
        return std::nullopt;
    }
    formula.X = 0;
    const long double value = formula.Formel_Berechnen();
    const int error = errno;
    if (error != 0 || formula.Fehlercode != 0 || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<long double> cellValue(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool number = false;
    const double value = text.toDouble(&number);
    if (number && std::isfinite(value)) {
        return value;
    }
    // The formula language drops blanks, which would join 2 3 into 23.
    static const QRegularExpression splitNumber(QStringLiteral("[0-9.]\\s+[0-9.]"));
    if (text.contains(splitNumber)) {
        return std::nullopt;
    }
    return formulaValue(text.toUtf8());
}

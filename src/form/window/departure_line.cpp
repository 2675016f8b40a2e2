#include "form/window/departure_line.h"

#include <QCoreApplication>

#include "interpreter/unrecognised_text.h"

namespace {

const char* kindText(Departure kind) {
    switch (kind) {
    case Departure::None:
        break;
    case Departure::UnknownWord:
        return QT_TRANSLATE_NOOP("Form1", "Unbekanntes Wort");
    case Departure::UnknownCharacter:
        return QT_TRANSLATE_NOOP("Form1", "Unbekanntes Zeichen");
    case Departure::WordWithoutValue:
        return QT_TRANSLATE_NOOP("Form1", "Unbekannte Variable");
    case Departure::ImplicitMultiplication:
        return QT_TRANSLATE_NOOP("Form1", "Fehlendes Malzeichen");
    case Departure::ExponentNotation:
        return QT_TRANSLATE_NOOP("Form1", "Unbekannte Exponentenschreibweise");
    case Departure::DoubledOperator:
        return QT_TRANSLATE_NOOP("Form1", "Doppeltes Rechenzeichen");
    case Departure::MissingOperand:
        return QT_TRANSLATE_NOOP("Form1", "Fehlender Operand");
    case Departure::UnclosedParenthesis:
        return QT_TRANSLATE_NOOP("Form1", "Nicht geschlossene Klammer");
    case Departure::UnopenedParenthesis:
        return QT_TRANSLATE_NOOP("Form1", "Nicht geöffnete Klammer");
    case Departure::MissingArgument:
        return QT_TRANSLATE_NOOP("Form1", "Fehlendes Argument");
    case Departure::EmptyParentheses:
        return QT_TRANSLATE_NOOP("Form1", "Leere Klammer");
    case Departure::InvalidNumber:
        return QT_TRANSLATE_NOOP("Form1", "Ungültige Zahl");
    }
    return nullptr;
}

} // namespace

QString departureLine(const Formelinterpreter& side, bool leftSide) {
    const FirstDeparture found = firstDeparture(side);
    const char* kind = kindText(found.kind);
    if (!kind) {
        return QString();
    }
    const char* format = leftSide ? QT_TRANSLATE_NOOP("Form1", "%1 auf der linken Seite: %2")
                                  : QT_TRANSLATE_NOOP("Form1", "%1 auf der rechten Seite: %2");
    return QCoreApplication::translate("Form1", format)
        .arg(QCoreApplication::translate("Form1", kind),
             QString::fromUtf8(found.text.data(), static_cast<qsizetype>(found.text.size())));
}

QString departureLine(const Formelinterpreter& left, const Formelinterpreter& right) {
    const QString line = departureLine(left, true);
    return line.isEmpty() ? departureLine(right, false) : line;
}

#include "form/window/empty_side_line.h"

#include <QCoreApplication>

QString emptySideLine(const Formelinterpreter& side, bool leftSide) {
    // Compiling removes the blanks from Formel.
    if (side.Formel[0] != '\0') {
        return QString();
    }
    return leftSide ? QCoreApplication::translate("Form1", "Die linke Seite ist leer")
                    : QCoreApplication::translate("Form1", "Die rechte Seite ist leer");
}

QString emptySideLine(const Formelinterpreter& left, const Formelinterpreter& right) {
    const QString line = emptySideLine(left, true);
    return line.isEmpty() ? emptySideLine(right, false) : line;
}

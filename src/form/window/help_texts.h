#pragma once

#include <QtGlobal>

// The help texts of the window, translated in context Form1.
namespace help_texts {

// The help list of the formula language: the operator or function, a run of dots, and
// from the 15th character on what it does.
inline constexpr const char* Operators[] = {
    QT_TRANSLATE_NOOP("Form1", "+ ........... Plus"),
    QT_TRANSLATE_NOOP("Form1", "- ........... Minus"),
    QT_TRANSLATE_NOOP("Form1", "* ........... Multiplikationszeichen"),
    QT_TRANSLATE_NOOP("Form1", "/ ........... Divisionszeichen"),
    QT_TRANSLATE_NOOP("Form1", ": ........... Divisionszeichen"),
    QT_TRANSLATE_NOOP("Form1", "^ ........... Hochzeichen"),
    QT_TRANSLATE_NOOP("Form1", "sqrt(x) ..... Quadratwurzel"),
    QT_TRANSLATE_NOOP("Form1", "sin(x) ...... Sinus (RAD)"),
    QT_TRANSLATE_NOOP("Form1", "cos(x) ...... Cosinus (RAD)"),
    QT_TRANSLATE_NOOP("Form1", "tan(x) ...... Tangens (RAD)"),
    QT_TRANSLATE_NOOP("Form1", "asin(x) ..... Arcsinus (RAD)"),
    QT_TRANSLATE_NOOP("Form1", "acos(x) ..... Arccosinus (RAD)"),
    QT_TRANSLATE_NOOP("Form1", "atan(x) ..... Arctangens (RAD)"),
    QT_TRANSLATE_NOOP("Form1", "sinD(x) ..... Sinus (DEG)"),
    QT_TRANSLATE_NOOP("Form1", "cosD(x) ..... Cosinus (DEG)"),
    QT_TRANSLATE_NOOP("Form1", "tanD(x) ..... Tangens (DEG)"),
    QT_TRANSLATE_NOOP("Form1", "asinD(x) .... Arcsinus (DEG)"),
    QT_TRANSLATE_NOOP("Form1", "acosD(x) .... Arccosinus (DEG)"),
    QT_TRANSLATE_NOOP("Form1", "atanD(x) .... Arctangens (DEG)"),
    QT_TRANSLATE_NOOP("Form1", "log(x) ...... Logarithmus zur Basis 10"),
    QT_TRANSLATE_NOOP("Form1", "ln(x) ....... Logarithmus zur Basis  e=2.718281828"),
    QT_TRANSLATE_NOOP("Form1", "expz(x) ..... Expotentialfunktion 10^x=1000  expz(x)=1000"),
    QT_TRANSLATE_NOOP("Form1", "expn(x) ..... Expotentialfunktion 2.718281828^x=1  expn(x)=1"),
    QT_TRANSLATE_NOOP("Form1", "sinh(x) ..... Hyperbelsinus"),
    QT_TRANSLATE_NOOP("Form1", "cosh(x) ..... Hyperbelcosinus"),
    QT_TRANSLATE_NOOP("Form1", "tanh(x) ..... Hyperbeltangens"),
    QT_TRANSLATE_NOOP("Form1", "( ........... Klammer auf"),
    QT_TRANSLATE_NOOP("Form1", ") ........... Klammer  zu"),
    QT_TRANSLATE_NOOP("Form1", "e ........... e=2.718281828 Konstante"),
    QT_TRANSLATE_NOOP("Form1", "pi .......... pi=3.141592654 Konstante"),
};

// The rich-text help of the linear-system page: how an equation becomes a table row.
inline constexpr const char* LinearSystemHelp = QT_TRANSLATE_NOOP(
    "Form1", "<html><head><meta name=\"qrichtext\" content=\"1\" /></head>"
             "<body style=\"font-size:12pt;font-family:Sans\">\n"
             "<p style=\"margin-top:16px\"><span style=\"font-family:Adobe "
             "Times;font-size:20pt;font-weight:600\">"
             "100=2*X1+3*X2+5*X3<br />"
             " Sie dürfen in die Tabelle nur die Koeffitienten die vor X stehen eingeben.<br />"
             "Also k1=2, k2=3 und k3=5<br />"
             "zum Beispiel:<br /><br />"
             "Gleichung      |              Tabelle<br />"
             "----------------------------------------------<br />"
             "2*x - 3*y=1    &gt;&gt;--&gt;    | 1 |   2 | -3|<br />"
             "3*x + y  =18   &gt;&gt;--&gt;    |18|  3 |  1|<br />"
             "</span></p>\n"
             "</body></html>\n");

} // namespace help_texts

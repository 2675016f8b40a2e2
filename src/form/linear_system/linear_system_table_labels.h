#pragma once

#include <QtGlobal>

// Header labels of the coefficient table: column 0 is the right-hand side, columns 1 to
// 10 the coefficients of X1 to X10; row r is equation r + 1. Translated in context Form1.
namespace xyz_table_labels {

inline constexpr int Rows = 10;
inline constexpr int Columns = 11;

inline constexpr const char* Horizontal[Columns] = {
    QT_TRANSLATE_NOOP("Form1", "Wert="),  QT_TRANSLATE_NOOP("Form1", "k1*X1"),
    QT_TRANSLATE_NOOP("Form1", "k2*X2"),  QT_TRANSLATE_NOOP("Form1", "k3*X3"),
    QT_TRANSLATE_NOOP("Form1", "k4*X4"),  QT_TRANSLATE_NOOP("Form1", "k5*X5"),
    QT_TRANSLATE_NOOP("Form1", "k6*X6"),  QT_TRANSLATE_NOOP("Form1", "k7*X7"),
    QT_TRANSLATE_NOOP("Form1", "k8*X8"),  QT_TRANSLATE_NOOP("Form1", "k9*X9"),
    QT_TRANSLATE_NOOP("Form1", "k10*X10")};

inline constexpr const char* Vertical[Rows] = {
    QT_TRANSLATE_NOOP("Form1", "G1"), QT_TRANSLATE_NOOP("Form1", "G2"),
    QT_TRANSLATE_NOOP("Form1", "G3"), QT_TRANSLATE_NOOP("Form1", "G4"),
    QT_TRANSLATE_NOOP("Form1", "G5"), QT_TRANSLATE_NOOP("Form1", "G6"),
    QT_TRANSLATE_NOOP("Form1", "G7"), QT_TRANSLATE_NOOP("Form1", "G8"),
    QT_TRANSLATE_NOOP("Form1", "G9"), QT_TRANSLATE_NOOP("Form1", "G10")};

} // namespace xyz_table_labels

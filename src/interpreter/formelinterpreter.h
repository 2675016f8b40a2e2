#pragma once

#include "interpreter/departure.h"
#include "interpreter/function_list.h"

#include <cstdint>
#include <string_view>

// The status of an evaluation that ran to the end but skipped a division by zero.
inline constexpr int SkippedDivisionStatus = 255;

// One formula in x: its text, the compiled byte program with its literal values, the
// current x and the status of the last evaluation. A plain record in static storage:
// write Formel (or use setFormel), call Formel_compillieren(); then for each x write X,
// call Formel_Berechnen() and read errno right after it (0: the value is valid).
struct Formelinterpreter {
    // Longest formula text; Formel holds it plus the terminating NUL.
    static constexpr int MaxTextLength = 255;
    // A text of one-character tokens needs codes up to index MaxTextLength + 1.
    static constexpr int ProgramSize = MaxTextLength + 2;
    // Every push is caused by a consumed code, so the stack never outgrows the program.
    static constexpr int StackSize = ProgramSize + 1;

    // Codes of the compiled program; operators and parentheses are their own characters.
    enum Code : unsigned char {
        End = 0,          // end of program; every index beyond it reads as End too
        OpenParen = '(',  // group start, or the argument of a function
        CloseParen = ')', // group end: pops the level stack
        Mul = '*',
        Plus = '+',
        Minus = '-',
        Div = '/',
        DivColon = ':', // a second division sign
        Pow = '^',      // power, grouping to the left
        ConstE = 101,   // the constant e
        VarX = 120,     // the variable x
        WordY = 121,    // the word "y": no value
                        // The function codes, 128 to 152, from the table of functions.
#define QUINT_FUNCTION_CODE(name, code, ...) name = code,
        QUINT_FUNCTIONS(QUINT_FUNCTION_CODE)
#undef QUINT_FUNCTION_CODE
            ConstPi = 153, // the constant pi
        Number = 154,      // a literal; its value is in Zahlenwerte at the same index
        Unknown = 155,     // an unrecognised word or character: no value
    };

    // Level stack entries.
    static constexpr int LevelTerm = 2;  // right operand of + or - followed by * / :
    static constexpr int LevelPower = 3; // an operand followed by ^
    static constexpr int LevelGroup = 4; // opened by (

    int32_t Zeichenposition;
    char Zeichen;
    unsigned char Programm[ProgramSize];
    long double Zahlenwerte[ProgramSize];
    char Zahlenpuffer[MaxTextLength + 1];
    int32_t AnzahlToken;
    int32_t AnzahlFehler;
    int16_t ProgrammZeiger;
    int32_t StapelTiefe;
    int32_t Stapel[StackSize];
    char Formel[MaxTextLength + 1];
    long double X;
    int32_t Fehlercode;
    // Where the first unrecognised word or character of the last compile lies in Formel:
    // [firstUnknownBegin, firstUnknownEnd), empty when AnzahlFehler is 0.
    int32_t firstUnknownBegin;
    int32_t firstUnknownEnd;
    // The first place where the last compile's reading departs from ordinary notation: its
    // kind, and where it lies in Formel: [firstDepartureBegin, firstDepartureEnd).
    Departure firstDepartureKind;
    int32_t firstDepartureBegin;
    int32_t firstDepartureEnd;

    // Copies text into Formel, keeping at most MaxTextLength characters.
    void setFormel(std::string_view text);

    void Formel_compillieren();
    void FormelZerlegen();
    void Zahlen_ermittel();
    void IncChar();

    long double Formel_Berechnen();
    long double Rechnen(long double Wert);

    // One routine per function code (SINUS ... EXP_N): each evaluates the parenthesised
    // argument after its code and applies its function.
#define QUINT_FUNCTION_ROUTINE(name, code, word, routine, ...) long double routine();
    QUINT_FUNCTIONS(QUINT_FUNCTION_ROUTINE)
#undef QUINT_FUNCTION_ROUTINE

    // The code at index i; End beyond the program or outside the array.
    unsigned char codeAt(int i) const {
        return (i >= 1 && i <= AnzahlToken && i < ProgramSize) ? Programm[i]
                                                               : static_cast<unsigned char>(End);
    }

private:
    void appendCode(unsigned char code);
    // Index in Formel of the character in Zeichen, or of the end once it is reached.
    int32_t currentIndex() const { return Zeichen != '\0' ? Zeichenposition - 1 : Zeichenposition; }
    void countUnknown(int32_t begin);
    // The parenthesised argument after a function code, evaluated; read by the routines.
    long double functionArgument();
};

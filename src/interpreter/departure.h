#pragma once

// How the compiler's reading of a formula text departs from ordinary notation, at the first
// place where it does.
enum class Departure : unsigned char {
    None = 0,               // the text is read as typed
    UnknownWord,            // a run of letters that is no word of the language
    UnknownCharacter,       // a character outside the language
    WordWithoutValue,       // the word y, which the evaluator skips
    ImplicitMultiplication, // an operand directly followed by another: 2x, )(, 2sin
    ExponentNotation,       // a number, e and digits: 1e5 is read as 1, e and 5
    DoubledOperator,        // two operators that do not read as one with a sign: x--2, 2*-3
    MissingOperand,         // an operator with nothing to act on: 3*, x+, (*2)
    UnclosedParenthesis,    // a "(" that the text never closes
    UnopenedParenthesis,    // a ")" that closes nothing
    MissingArgument,        // a function without its parenthesised argument: sin(), sin2
    EmptyParentheses,       // "()" with no function before it
    InvalidNumber,          // two decimal separators, or a separator without a digit
};

#pragma once

// The functions of the formula language, one row per function code; everything else that
// knows the functions (the codes, the compiler's words, the evaluator's routines and call,
// the enclosures and the slopes) is derived from these rows and the descriptions of
// function_table.h. Columns:
//   name      the code's name in Formelinterpreter::Code
//   code      its number in the compiled program
//   word      the word of the formula language
//   routine   the evaluator's routine that evaluates it
//   argument  what is done to the argument first, in extended precision: Plain, Degrees
//             (times DegToRad) or Reciprocal (1 / v, without a test for 0)
//   library   the double function of the maths library it calls (a Library)
//   result    what is done to the library's result, in extended precision: Plain, Degrees
//             (times RadToDeg) or Reciprocal
//   slope     its derivative, in terms of its argument v and its value w (a Slope)
//
// name   code  word     routine         argument    library         result      slope
#define QUINT_FUNCTIONS(F)                                                                         \
    F(Sin, 128, "sin", SINUS, Plain, sine, Plain, CosineOfArgument)                                \
    F(Cos, 129, "cos", COSINUS, Plain, cosine, Plain, MinusSineOfArgument)                         \
    F(Tan, 130, "tan", TANGENS, Plain, tangent, Plain, OnePlusSquareOfValue)                       \
    F(Cot, 131, "cot", COTANGENS, Plain, tangent, Reciprocal, MinusOnePlusSquareOfValue)           \
    F(ASin, 132, "asin", ASINUS, Plain, arcSine, Plain, ArcSine)                                   \
    F(ACos, 133, "acos", ACOSINUS, Plain, arcCosine, Plain, MinusArcSine)                          \
    F(ATan, 134, "atan", ATANGENS, Plain, arcTangent, Plain, ArcTangent)                           \
    F(ACot, 135, "acot", ACOTANGENS, Reciprocal, arcTangent, Plain, MinusArcTangent)               \
    F(SinD, 136, "sind", SINUS_DEG, Degrees, sine, Plain, CosineOfArgument)                        \
    F(CosD, 137, "cosd", COSINUS_DEG, Degrees, cosine, Plain, MinusSineOfArgument)                 \
    F(TanD, 138, "tand", TANGENS_DEG, Degrees, tangent, Plain, OnePlusSquareOfValue)               \
    F(CotD, 139, "cotd", COTANGENS_DEG, Degrees, tangent, Reciprocal, MinusOnePlusSquareOfValue)   \
    F(ASinD, 140, "asind", ASINUS_DEG, Plain, arcSine, Degrees, ArcSine)                           \
    F(ACosD, 141, "acosd", ACOSINUS_DEG, Plain, arcCosine, Degrees, MinusArcSine)                  \
    F(ATanD, 142, "atand", ATANGENS_DEG, Plain, arcTangent, Degrees, ArcTangent)                   \
    F(ACotD, 143, "acotd", ACOTANGENS_DEG, Reciprocal, arcTangent, Degrees, MinusArcTangent)       \
    F(SinH, 144, "sinh", SINUSH, Plain, hyperbolicSine, Plain, HyperbolicCosineOfArgument)         \
    F(CosH, 145, "cosh", COSINUSH, Plain, hyperbolicCosine, Plain, HyperbolicSineOfArgument)       \
    F(TanH, 146, "tanh", TANGENSH, Plain, hyperbolicTangent, Plain, OneMinusSquareOfValue)         \
    F(Sqrt, 148, "sqrt", QWURZEL, Plain, squareRoot, Plain, HalfOverValue)                         \
    F(Log, 149, "log", LOG, Plain, decimalLogarithm, Plain, OverArgumentTimesLn10)                 \
    F(Ln, 150, "ln", LN, Plain, naturalLogarithm, Plain, OverArgument)                             \
    F(ExpZ, 151, "expz", EXP_Z, Plain, powerOfTen, Plain, ValueTimesLn10)                          \
    F(ExpN, 152, "expn", EXP_N, Plain, exponential, Plain, Value)

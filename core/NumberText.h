#pragma once
#include <QString>
#include <optional>

namespace core {

// The value of a text's leading decimal number: leading blanks skipped, an
// optional sign, digits with one "." and an exponent; 0 when there is none.
double LeadingNumber(const QString& text);

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// The value rounded halves to even, when it fits a signed 16-bit integer.
std::optional<qint16> ToInt16(double x);

// Leading number of a text rounded to a 16-bit integer; 0 when it does not fit.
qint16 LeadingInt16(const QString& text);

// Shortest general text of a double: at most 15 significant digits, no
// trailing zeros, "." as separator (1, 2.5, 0.1 + 0.2 -> 0.3).
QString FormatNumber(double x);

// A number as a print statement writes it: a blank or "-", the digits, a blank (" 0 ").
QString PrintNumber(double x);

} // namespace core

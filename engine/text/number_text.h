// Number texts of the value rules: fixed decimals, the shortest general
// form, rounding to whole numbers, and the "Unknown (n)" of a value no
// vocabulary names. The decimal separator is always ".".
//
// A division by zero, an infinite or NaN value, or a value too large for a
// whole number throws FloatError; callers that guard a value per entry turn
// it into an empty text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvane {

class FloatError : public std::runtime_error {
 public:
  FloatError() : std::runtime_error("floating-point error") {}
};

// numerator / denominator; a zero denominator throws FloatError.
double Quotient(double numerator, double denominator);

// "%.Nf": `decimals` digits after the point.
std::string FormatFixed(double v, int decimals);

// Up to 15 significant digits without trailing zeros ("%.15g").
std::string FormatGeneral(double v);

// The fewest digits that read back as the same single-precision value:
// 0.1f is "0.1", not 0.100000001490116 (fixed or exponent form, whichever
// is shorter).
std::string FormatShortest(float v);

// The nearest whole number, halves to even (throws outside int64).
int64_t RoundNearest(double v);

// The whole part (toward zero; throws outside int64).
int64_t Truncate(double v);

// "Unknown (%d)": the text of a value no vocabulary names.
std::string UnknownText(int64_t value);

}  // namespace kelvane

#pragma once
// All number text of the system: the engine's fixed-point and exponent forms, the pattern forms,
// the shortest decimal text, and reading numbers from text. Locale-independent (to_chars/from_chars).
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Fixed-point: rounded to `decimals`, right-justified in `width` (" 0.12345" for 8, 5).
// A text longer than `width` is returned whole rather than cut.
std::string FormatFixed(double value, int width, int decimals);

// Exponent form "0.dddd" "E+xx", the digits scaled into [0.1, 1), right-justified in `width`:
// FormatExponent(12345.6, 11, 4) == " 0.1235E+05", FormatExponent(12345.6, 11, 5) == "0.12346E+05".
std::string FormatExponent(double value, int width, int digits);

// Pattern forms: "0000.0", "0.00000", "000.0", "00.0", "0.000", "0.0000" (minimum integer digits
// padded with zeros, fixed decimals), "0.0000E+00" (one integer digit, at least two exponent digits),
// and "###0", "##0.0", "##0.000" (no padding). Rounds to the decimals shown; never prints "-0".
std::string FormatPattern(double value, std::string_view pattern);

// Shortest decimal text that reads back as the same double, at most 15 significant digits,
// no exponent for ordinary values, no trailing zeros: 16.0 -> "16", 0.35 -> "0.35".
std::string FormatShortest(double value);

// Leading number of a box's text: blanks are ignored, the full stop is the decimal point,
// reading stops at the first character that cannot continue a number; no number reads as 0.
double ReadLeadingNumber(std::string_view text);

// Parses a whole field (blanks around it ignored); nullopt when it is not exactly one number.
std::optional<double> ParseNumber(std::string_view field);
std::optional<float> ParseNumberFloat(std::string_view field);

}  // namespace orvane

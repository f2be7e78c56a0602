#include "number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orvane {
namespace {

std::string PadLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// Correctly rounded fixed-point digits of `value` with `decimals` decimals; never "-0.0".
std::string FixedDigits(double value, int decimals) {
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string text(buf, ec == std::errc() ? end : buf);
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

// Mantissa digits (d of them, no point) and decimal exponent so that value = 0.ddd x 10^exp.
void ScaledDigits(double value, int digits, bool& negative, std::string& mantissa, int& exponent) {
  negative = std::signbit(value) && value != 0;
  if (value == 0) {
    mantissa.assign(digits, '0');
    exponent = 0;
    return;
  }
  char buf[64];
  auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, digits - 1);
  std::string text(buf, end);  // "d.ddde+xx"
  const size_t e = text.find('e');
  mantissa = text.substr(0, 1) + (digits > 1 ? text.substr(2, e - 2) : "");
  exponent = std::atoi(text.c_str() + e + 1) + 1;
}

std::string ExponentText(int exponent, int minDigits) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return std::string(exponent < 0 ? "E-" : "E+") + digits;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the longest prefix of `s` that is a number: [+-]digits[.digits][(E|D)[+-]digits].
size_t NumberPrefix(std::string_view s) {
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

// Decimal order of a number text [+-]digits[.digits][E[+-]digits]: positive when its magnitude is at
// least 1, zero or negative when it is below 1 (the sign of the order is all that is used).
long long DecimalOrder(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  long long order = 0;
  bool nonZero = false, afterPoint = false;
  for (; i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.'); ++i) {
    if (s[i] == '.') {
      afterPoint = true;
    } else if (!nonZero) {
      if (s[i] != '0') {
        nonZero = true;
        if (!afterPoint) order = 1;
      } else if (afterPoint) {
        --order;
      }
    } else if (!afterPoint) {
      ++order;
    }
  }
  if (!nonZero) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    long long exponent = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i)
      exponent = std::min(exponent * 10 + (s[i] - '0'), 1LL << 40);
    order += negative ? -exponent : exponent;
  }
  return order;
}

// Converts a number prefix (as accepted by NumberPrefix) with from_chars. A value too small for Real
// reads as 0 of its sign; one too large for Real has no value (nullopt).
template <typename Real>
std::optional<Real> ConvertNumberChecked(std::string_view s) {
  std::string text(s);
  for (char& c : text)
    if (c == 'D' || c == 'd') c = 'E';
  const char* first = text.c_str();
  if (*first == '+') ++first;
  const char* const last = text.c_str() + text.size();
  Real value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) {
    if (DecimalOrder(std::string_view(first, last - first)) > 0) return std::nullopt;  // too large
    return *first == '-' ? -Real(0) : Real(0);                                         // too small
  }
  if (ec != std::errc()) return std::nullopt;
  return value;
}

template <typename Real>
Real ConvertNumber(std::string_view s) {
  return ConvertNumberChecked<Real>(s).value_or(Real(0));
}

template <typename Real>
std::optional<Real> ParseWhole(std::string_view field) {
  while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
  while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
  const size_t length = NumberPrefix(field);
  if (length == 0 || length != field.size()) return std::nullopt;
  return ConvertNumberChecked<Real>(field);
}

}  // namespace

std::string FormatFixed(double value, int width, int decimals) {
  return PadLeft(FixedDigits(value, decimals), width);
}

std::string FormatExponent(double value, int width, int digits) {
  bool negative;
  std::string mantissa;
  int exponent;
  ScaledDigits(value, digits, negative, mantissa, exponent);
  return PadLeft((negative ? "-0." : "0.") + mantissa + ExponentText(exponent, 2), width);
}

std::string FormatPattern(double value, std::string_view pattern) {
  const size_t e = pattern.find('E');
  if (e != std::string_view::npos) {  // "0.0000E+00": one integer digit
    const size_t point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(e - point - 1);
    bool negative;
    std::string mantissa;
    int exponent;
    ScaledDigits(value, decimals + 1, negative, mantissa, exponent);
    if (value != 0) --exponent;
    std::string text = negative ? "-" : "";
    text += mantissa.substr(0, 1);
    if (decimals > 0) text.append(".").append(mantissa, 1);
    return text + ExponentText(exponent, static_cast<int>(pattern.size() - e - 2));
  }
  const size_t point = pattern.find('.');
  const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
  const std::string_view integerPart =
      pattern.substr(0, point == std::string_view::npos ? pattern.size() : point);
  int minIntegerDigits = 0;
  for (char c : integerPart) minIntegerDigits += c == '0';
  std::string text = FixedDigits(value, decimals);
  const bool negative = text[0] == '-';
  std::string digits = negative ? text.substr(1) : text;
  const size_t dot = digits.find('.');
  const int integerDigits = static_cast<int>(dot == std::string::npos ? digits.size() : dot);
  if (integerDigits < minIntegerDigits) digits.insert(0, minIntegerDigits - integerDigits, '0');
  return negative ? "-" + digits : digits;
}

std::string FormatShortest(double value) {
  char buf[64];
  for (int precision = 1; precision <= 15; ++precision) {
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    std::string text(buf, end);
    if (ConvertNumber<double>(text) == value || precision == 15) {
      if (text.find('e') == std::string::npos) return text == "-0" ? "0" : text;
      auto [fend, fec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
      std::string fixed(buf, fend);  // ordinary values print without exponent
      if (fixed.size() <= 20) return fixed;
      for (char& c : text)
        if (c == 'e') c = 'E';
      return text;
    }
  }
  return "0";
}

double ReadLeadingNumber(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (!IsBlank(c) && c != '\r' && c != '\n') compact += c;
  const size_t length = NumberPrefix(compact);
  if (length == 0) return 0.0;
  return ConvertNumber<double>(std::string_view(compact).substr(0, length));
}

std::optional<double> ParseNumber(std::string_view field) { return ParseWhole<double>(field); }
std::optional<float> ParseNumberFloat(std::string_view field) { return ParseWhole<float>(field); }

}  // namespace orvane

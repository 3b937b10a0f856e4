// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversions.h"

#include "errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fast_float/fast_float.h>
#include <fmt/format.h>
#include <limits>
#include <system_error>

namespace molen {
namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Significant digits of a finite value, rounded to 15 and without trailing zeros; `point` is
// how many of them stand before the decimal point (it may be negative or exceed their count).
struct SignificantDigits {
    bool negative = false;
    std::string digits;
    int point = 0;
};

SignificantDigits significantDigits(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("Overflow");
    char buffer[32];
    const auto end = fmt::format_to_n(buffer, sizeof buffer, "{:.14e}", value).out;
    std::string_view s(buffer, static_cast<std::size_t>(end - buffer));
    SignificantDigits result;
    result.negative = s.front() == '-';
    s.remove_prefix(result.negative ? 1 : 0);
    const auto e = s.find('e');
    result.digits = std::string(1, s[0]).append(s.substr(2, e - 2));
    const std::size_t exponentStart = e + (s[e + 1] == '+' ? 2 : 1);
    std::from_chars(s.data() + exponentStart, s.data() + s.size(), result.point);
    result.point += 1;
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    if (result.digits.empty())
        result.negative = false;
    return result;
}

// The largest value whose 15-digit form still reads back as a double; the largest double
// itself rounds up beyond the range.
const SignificantDigits LargestWritable{false, "179769313486231", 309};

void incrementDecimal(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// round(|value| * 10^decimals) as decimal digits, halves away from zero.
std::string scaledInteger(const SignificantDigits& d, int decimals) {
    const int keep = d.point + decimals;
    const int count = static_cast<int>(d.digits.size());
    if (keep < 0 || count == 0)
        return "0";
    std::string scaled = d.digits.substr(0, static_cast<std::size_t>(std::min(keep, count)));
    scaled.append(static_cast<std::size_t>(std::max(0, keep - count)), '0');
    if (keep < count && d.digits[static_cast<std::size_t>(keep)] >= '5')
        incrementDecimal(scaled);
    return scaled.empty() ? "0" : scaled;
}

std::string fixedDecimal(double value, int wholeDigits, int decimals, bool withPoint) {
    const SignificantDigits d = significantDigits(value);
    std::string scaled = scaledInteger(d, decimals);
    const std::size_t width = static_cast<std::size_t>(wholeDigits + decimals);
    if (scaled.size() < width)
        scaled.insert(0, width - scaled.size(), '0');
    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    std::string result = d.negative && !isZero ? "-" : "";
    const std::size_t whole = scaled.size() - static_cast<std::size_t>(decimals);
    result.append(scaled, 0, whole);
    if (withPoint)
        result.append(".").append(scaled, whole);
    return result;
}

double roundHalfToEven(double value) {
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

} // namespace

double TextToNumber(std::string_view text) {
    std::string_view s = trimBlanks(text);
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    // Only digits and a point may start the number: no second sign, no "inf" or "nan".
    if (s.empty() || !(isDigit(s.front()) || s.front() == '.'))
        throw ConversionError("Type mismatch");
    double value = 0;
    const auto [end, error] = fast_float::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc{} || end != s.data() + s.size())
        throw ConversionError("Type mismatch");
    // Beyond a double reads as infinity; too small for one reads as zero.
    if (std::isinf(value))
        throw ArithmeticError("Overflow");
    return negative ? -value : value;
}

std::string NumberToText(double value) {
    const SignificantDigits d = significantDigits(value);
    if (d.point > LargestWritable.point ||
        (d.point == LargestWritable.point && d.digits > LargestWritable.digits))
        throw ArithmeticError("Overflow");
    if (d.digits.empty())
        return "0";
    const int count = static_cast<int>(d.digits.size());
    std::string text = d.negative ? "-" : "";
    if (d.point <= 0)
        text.append("0.").append(static_cast<std::size_t>(-d.point), '0').append(d.digits);
    else if (d.point >= count)
        text.append(d.digits).append(static_cast<std::size_t>(d.point - count), '0');
    else
        text.append(d.digits, 0, static_cast<std::size_t>(d.point))
            .append(".")
            .append(d.digits, static_cast<std::size_t>(d.point));
    return text;
}

std::string IntegerToText(std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::int32_t TextToInteger(std::string_view text) {
    const double rounded = roundHalfToEven(TextToNumber(text));
    using Limits = std::numeric_limits<std::int32_t>;
    if (rounded < Limits::min() || rounded > Limits::max())
        throw OverflowError("Overflow");
    return static_cast<std::int32_t>(rounded);
}

std::string FormatPattern(double value, std::string_view pattern) {
    const auto begin = pattern.find_first_of("0.");
    if (begin == std::string_view::npos)
        return std::string(pattern);
    const auto end = std::min(pattern.find_first_not_of("0.", begin), pattern.size());
    const std::string_view number = pattern.substr(begin, end - begin);
    const auto point = number.find('.');
    const auto wholeDigits =
        std::count(number.begin(), number.begin() + std::min(point, number.size()), '0');
    const auto decimals =
        std::count(number.begin() + std::min(point, number.size()), number.end(), '0');
    return std::string(pattern.substr(0, begin))
        .append(fixedDecimal(value, static_cast<int>(wholeDigits), static_cast<int>(decimals),
                             point != std::string_view::npos))
        .append(pattern.substr(end));
}

} // namespace molen

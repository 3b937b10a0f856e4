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
#include <span>
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

// The significant digits of a number; `point` is how many of them stand before the decimal
// point (it may be negative or exceed their count).
struct Digits {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// A finite value's significant digits rounded to 15, without trailing zeros. {fmt} rounds
// exactly, and writes the same on every platform and standard library.
Digits significantDigits(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("Overflow");
    const std::string s = fmt::format("{:.14e}", value); // "-d.dddddddddddddde-xx"
    Digits d;
    d.negative = s.front() == '-';
    const std::size_t first = d.negative ? 1 : 0;
    const std::size_t e = s.find('e');
    d.digits = s.substr(first, 1) + s.substr(first + 2, e - first - 2);
    const std::size_t exponent = e + (s[e + 1] == '+' ? 2 : 1);
    std::from_chars(s.data() + exponent, s.data() + s.size(), d.point);
    d.point += 1;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    d.negative = d.negative && !d.digits.empty();
    return d;
}

// The largest value whose 15-digit form still reads back as a double; the largest double
// itself rounds up beyond the range.
constexpr std::string_view LargestWritable = "179769313486231";
constexpr int LargestWritablePoint = 309;

// The digits in plain decimal: "-0.000ddd", "ddd000" or "dd.ddd".
std::string plainDecimal(const Digits& d) {
    if (d.digits.empty())
        return "0";
    const auto count = static_cast<int>(d.digits.size());
    std::string out = d.negative ? "-" : "";
    if (d.point <= 0)
        return out.append("0.").append(static_cast<std::size_t>(-d.point), '0').append(d.digits);
    if (d.point >= count)
        return out.append(d.digits).append(static_cast<std::size_t>(d.point - count), '0');
    const auto point = static_cast<std::size_t>(d.point);
    return out.append(d.digits, 0, point).append(".").append(d.digits, point);
}

// Adds one to the decimal digits in `digits`, carrying; true if it carried out of them all.
bool incrementDecimal(std::span<char> digits) {
    // By iterators: Clang 14 cannot compile libstdc++ 12's views::reverse.
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) { // NOLINT
        if (*digit != '9') {
            ++*digit;
            return false;
        }
        *digit = '0';
    }
    return true;
}

// round(|value| * 10^decimals) as decimal digits, halves away from zero, with leading zeros to
// make at least `width` digits.
std::string scaledInteger(const Digits& d, int decimals, std::size_t width) {
    const int keep = d.point + decimals;
    const auto count = static_cast<int>(d.digits.size());
    const auto kept = static_cast<std::size_t>(std::clamp(keep, 0, count));
    std::string scaled(std::max(width, static_cast<std::size_t>(std::max(keep, 1))), '0');
    const std::size_t first = scaled.size() - static_cast<std::size_t>(std::max(keep, 0));
    std::copy_n(d.digits.begin(), kept, scaled.begin() + static_cast<std::ptrdiff_t>(first));
    const bool roundsUp = keep >= 0 && keep < count && d.digits[kept] >= '5';
    if (roundsUp && incrementDecimal(std::span(scaled).subspan(first, kept))) {
        if (first > 0)
            scaled[first - 1] = '1';
        else
            scaled.insert(scaled.begin(), '1');
    }
    return scaled;
}

void appendFixedDecimal(std::string& out, double value, int wholeDigits, int decimals,
                        bool withPoint) {
    const Digits d = significantDigits(value);
    const std::string scaled = scaledInteger(
        d, decimals, static_cast<std::size_t>(wholeDigits) + static_cast<std::size_t>(decimals));
    if (d.negative && scaled.find_first_not_of('0') != std::string::npos)
        out.push_back('-');
    const std::size_t whole = scaled.size() - static_cast<std::size_t>(decimals);
    out.append(scaled, 0, whole);
    if (withPoint)
        out.append(".").append(scaled, whole);
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
    // fast_float reads a value beyond a double as infinity, one too small for it as zero, and
    // reports neither as an error.
    if (std::isinf(value))
        throw ArithmeticError("Overflow");
    return negative ? -value : value;
}

std::string NumberToText(double value) {
    const Digits d = significantDigits(value);
    if (d.point > LargestWritablePoint ||
        (d.point == LargestWritablePoint && d.digits > LargestWritable))
        throw ArithmeticError("Overflow");
    return plainDecimal(d);
}

std::string IntegerToText(std::int64_t value) { return std::to_string(value); }

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
    std::string text(pattern.substr(0, begin));
    appendFixedDecimal(text, value, static_cast<int>(wholeDigits), static_cast<int>(decimals),
                       point != std::string_view::npos);
    return text.append(pattern.substr(end));
}

} // namespace molen

// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversions.h"

#include "errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fast_float/fast_float.h>
#include <fmt/format.h>
#include <limits>
#include <optional>
#include <span>
#include <system_error>

// Where the standard library writes doubles itself ({fmt} stands in where it does not: libc++
// before 14, Emscripten's), and does so several times faster than {fmt} at a fixed precision.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define HAS_DOUBLE_TO_CHARS 1
#else
#define HAS_DOUBLE_TO_CHARS 0
#endif

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

// The value in scientific notation with 15 significant digits, as "-d.ddddddddddddddde-xx".
std::string_view scientific15(double value, std::span<char, 32> buffer) {
#if HAS_DOUBLE_TO_CHARS
    auto* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 14)
                          .ptr;
#else
    auto* const end = fmt::format_to_n(buffer.data(), buffer.size(), "{:.14e}", value).out;
#endif
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

// The digits of a number in scientific notation, "-d.ddde-xx" or "de+xx", held without the
// heap; `point` is how many of them stand before the decimal point.
struct RawDigits {
    bool negative = false;
    std::array<char, 17> digits{};
    std::size_t count = 0;
    int point = 0;
};

RawDigits fromScientific(std::string_view s) {
    RawDigits raw;
    raw.negative = s.front() == '-';
    s.remove_prefix(raw.negative ? 1 : 0);
    const auto e = s.find('e');
    for (const char c : s.substr(0, e)) {
        if (c != '.' && raw.count < raw.digits.size())
            raw.digits[raw.count++] = c;
    }
    const std::size_t exponentStart = e + (s[e + 1] == '+' ? 2 : 1);
    std::from_chars(s.data() + exponentStart, s.data() + s.size(), raw.point);
    raw.point += 1;
    return raw;
}

#if HAS_DOUBLE_TO_CHARS
// Rounds 16 or 17 digits to 15, halves up.
void roundTo15(RawDigits& raw) {
    const bool up = raw.digits[15] >= '5';
    raw.count = 15;
    if (!up)
        return;
    std::size_t i = raw.count;
    while (i > 0 && raw.digits[i - 1] == '9')
        raw.digits[--i] = '0';
    if (i > 0) {
        ++raw.digits[i - 1];
    } else { // 999... carried into a new leading digit
        raw.digits[0] = '1';
        ++raw.point;
    }
}

// The value's digits rounded to 15 by way of its shortest form, several times cheaper than
// formatting at a fixed precision; nullopt where that way may round a tie wrongly. A shortest
// form of 15 digits or fewer is the 15-digit rounding itself. Of 16 or 17 digits it rounds to the
// same 15 as the exact value, since any other number with as few digits lying between the two
// would have been the shortest form: except when it ends in a 5 at the 16th digit, a tie that
// only the exact value decides.
std::optional<RawDigits> roundedShortest(double value) {
    std::array<char, 32> buffer;
    auto* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific)
                          .ptr;
    RawDigits raw = fromScientific({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
    if (raw.count == 16 && raw.digits[15] == '5')
        return std::nullopt;
    if (raw.count > 15)
        roundTo15(raw);
    return raw;
}
#endif

SignificantDigits significantDigits(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("Overflow");
    std::optional<RawDigits> rounded;
#if HAS_DOUBLE_TO_CHARS
    rounded = roundedShortest(value);
#endif
    if (!rounded) {
        std::array<char, 32> buffer;
        rounded = fromScientific(scientific15(value, buffer));
    }
    std::size_t count = rounded->count;
    while (count > 0 && rounded->digits[count - 1] == '0')
        --count;
    return {rounded->negative && count > 0, std::string(rounded->digits.data(), count),
            rounded->point};
}

void incrementDecimal(std::string& digits) {
    // By iterators: Clang 14 cannot compile libstdc++ 12's views::reverse.
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) { // NOLINT
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The largest value whose 15-digit form still reads back as a double; the largest double
// itself rounds up beyond the range.
const SignificantDigits LargestWritable{false, "179769313486231", 309};

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
    const auto width = static_cast<std::size_t>(wholeDigits) + static_cast<std::size_t>(decimals);
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
    // fast_float reads a value beyond a double as infinity, one too small for it as zero, and
    // reports neither as an error.
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
    text.reserve(static_cast<std::size_t>(count + std::abs(d.point)) + 3);
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
    std::array<char, 24> buffer;
    auto* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), end};
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

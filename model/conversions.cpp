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

// The significant digits of a number, held without the heap; `point` is how many of them stand
// before the decimal point (it may be negative or exceed their count).
struct Digits {
    bool negative = false;
    std::array<char, 17> digits{};
    std::size_t count = 0;
    int point = 0;

    std::string_view view() const { return {digits.data(), count}; }
};

// The digits of a number in scientific notation, "-d.ddde-xx" or "de+xx".
Digits fromScientific(std::string_view s) {
    Digits raw;
    raw.negative = s.front() == '-';
    s.remove_prefix(raw.negative ? 1 : 0);
    const auto e = s.find('e');
    raw.digits[0] = s.front();
    raw.count = 1;
    if (e > 1) { // "d.ddd"
        const std::size_t fraction = std::min(e - 2, raw.digits.size() - 1);
        std::copy_n(s.data() + 2, fraction, raw.digits.data() + 1);
        raw.count += fraction;
    }
    const std::size_t exponent = e + (s[e + 1] == '+' ? 2 : 1);
    std::from_chars(s.data() + exponent, s.data() + s.size(), raw.point);
    raw.point += 1;
    return raw;
}

#if HAS_DOUBLE_TO_CHARS
// Rounds 16 or 17 digits to 15, halves up.
void roundTo15(Digits& raw) {
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
// formatting at a fixed precision; false where that way may round a tie wrongly. A shortest
// form of 15 digits or fewer is the 15-digit rounding itself. Of 16 or 17 digits it rounds to the
// same 15 as the exact value, since any other number with as few digits lying between the two
// would have been the shortest form: except when it ends in a 5 at the 16th digit, a tie that
// only the exact value decides.
bool roundShortest(double value, Digits& rounded) {
    std::array<char, 32> buffer;
    auto* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific)
                          .ptr;
    rounded = fromScientific({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
    if (rounded.count == 16 && rounded.digits[15] == '5')
        return false;
    if (rounded.count > 15)
        roundTo15(rounded);
    return true;
}
#endif

// The digits of a value that is a whole number of thousandths below 10^12 (a slider's
// hundredths, a whole angle), read off that whole number: several times cheaper than any
// formatting of a double. False for any other value, and for some such values. The value is
// the double nearest to n / 1000, whose 15 digits or fewer are then its 15-digit rounding.
bool fromWholeThousandths(double value, Digits& d) {
    const double thousandths = value * 1000;
    if (!(std::abs(thousandths) < 1e15) || thousandths != std::trunc(thousandths) ||
        thousandths / 1000 != value)
        return false;
    const auto whole = static_cast<std::int64_t>(std::abs(thousandths));
    auto* const end = std::to_chars(d.digits.data(), d.digits.data() + d.digits.size(), whole).ptr;
    d.count = static_cast<std::size_t>(end - d.digits.data());
    d.point = static_cast<int>(d.count) - 3;
    d.negative = value < 0;
    return true;
}

// A finite value's digits rounded to 15, by the cheapest way that is exact for it.
Digits roundedDigits(double value) {
    Digits d;
    if (fromWholeThousandths(value, d))
        return d;
#if HAS_DOUBLE_TO_CHARS
    if (roundShortest(value, d))
        return d;
#endif
    std::array<char, 32> buffer;
    d = fromScientific(scientific15(value, buffer));
    return d; // one object returned on every path, so that it is built in place
}

// A finite value's significant digits rounded to 15, without trailing zeros.
Digits significantDigits(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("Overflow");
    Digits d = roundedDigits(value);
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    d.negative = d.negative && d.count > 0;
    return d;
}

// The largest value whose 15-digit form still reads back as a double; the largest double
// itself rounds up beyond the range.
constexpr std::string_view LargestWritable = "179769313486231";
constexpr int LargestWritablePoint = 309;

// Writes the digits in plain decimal, "-0.000ddd", "ddd000" or "dd.ddd", and returns the end.
char* writePlainDecimal(const Digits& d, char* out) {
    if (d.count == 0) {
        *out++ = '0';
        return out;
    }
    if (d.negative)
        *out++ = '-';
    const auto count = static_cast<int>(d.count);
    const char* const digits = d.digits.data();
    if (d.point <= 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -d.point, '0');
        return std::copy_n(digits, count, out);
    }
    if (d.point >= count) {
        out = std::copy_n(digits, count, out);
        return std::fill_n(out, d.point - count, '0');
    }
    out = std::copy_n(digits, d.point, out);
    *out++ = '.';
    return std::copy_n(digits + d.point, count - d.point, out);
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
    const auto count = static_cast<int>(d.count);
    const auto kept = static_cast<std::size_t>(std::clamp(keep, 0, count));
    std::string scaled(std::max(width, static_cast<std::size_t>(std::max(keep, 1))), '0');
    const std::size_t first = scaled.size() - static_cast<std::size_t>(std::max(keep, 0));
    std::copy_n(d.digits.data(), kept, scaled.begin() + static_cast<std::ptrdiff_t>(first));
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

NumberText::NumberText(double value) {
    const Digits d = significantDigits(value);
    if (d.point > LargestWritablePoint ||
        (d.point == LargestWritablePoint && d.view() > LargestWritable))
        throw ArithmeticError("Overflow");
    size_ = static_cast<std::size_t>(writePlainDecimal(d, chars_.data()) - chars_.data());
}

std::string NumberToText(double value) { return std::string(NumberText(value).view()); }

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
    std::string text(pattern.substr(0, begin));
    appendFixedDecimal(text, value, static_cast<int>(wholeDigits), static_cast<int>(decimals),
                       point != std::string_view::npos);
    return text.append(pattern.substr(end));
}

} // namespace molen

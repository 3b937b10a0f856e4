// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// FormatPattern on any double and pattern: the pattern's text around its number copied as it
// stands, the number with the pattern's digits before and after the point, within half a last
// place (or the 15-digit rounding, for large values) of the value; otherwise an arithmetic error.
#include "fuzz_support.h"
#include "model/conversions.h"
#include "model/errors.h"

#include <algorithm>
#include <cmath>
#include <string>

using namespace molen;
using namespace molen::fuzzing;

namespace {

struct NumberRun {
    std::size_t begin, end, point; // point is npos when the run has none
};

void checkNumber(std::string_view number, const NumberRun& run, double value,
                 std::string_view pattern) {
    const std::size_t point = number.find('.');
    require((point != std::string_view::npos) == (run.point != std::string_view::npos),
            "a point exactly when the pattern has one", number);
    const std::size_t decimals = point == std::string_view::npos ? 0 : number.size() - point - 1;
    const auto patternZeros = [&](std::size_t from, std::size_t to) {
        return static_cast<std::size_t>(std::count(pattern.begin() + static_cast<long>(from),
                                                   pattern.begin() + static_cast<long>(to), '0'));
    };
    const std::size_t wanted =
        run.point == std::string_view::npos ? 0 : patternZeros(run.point, run.end);
    require(decimals == wanted, "as many decimals as the pattern's zeros after its point", number);
    if (number.find_first_of("0123456789") == std::string_view::npos)
        return; // a pattern of a bare "." with nothing to show before it
    double shown;
    try {
        shown = TextToNumber(number);
    } catch (const ArithmeticError&) { // the largest doubles round up beyond the range
        require(std::abs(value) > 1.797693134862e308, "shown beyond a double", number);
        return;
    }
    const double scale = std::pow(10.0, -static_cast<double>(decimals));
    const double magnitude =
        value == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::abs(value))));
    // Rounding to 15 digits first, then to the decimals, may add the two roundings' errors.
    const double allowed = (scale / 2 + magnitude * 1e-14) * (1 + 1e-9) + 1e-300;
    require(std::abs(shown - value) <= allowed, "the value rounded to the pattern", number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double value = leadingDouble(data, size);
    const std::string_view pattern =
        size > sizeof(double) ? asText(data + sizeof(double), size - sizeof(double)) : "";
    std::string result;
    try {
        result = FormatPattern(value, pattern);
    } catch (const ArithmeticError&) {
        require(!std::isfinite(value), "only a value that is not finite fails", pattern);
        return 0;
    }
    const std::size_t begin = pattern.find_first_of("0.");
    if (begin == std::string_view::npos) {
        require(result == pattern, "a pattern without a number is copied", result);
        return 0;
    }
    const std::size_t end = std::min(pattern.find_first_not_of("0.", begin), pattern.size());
    const std::size_t point = pattern.substr(begin, end - begin).find('.');
    const NumberRun run{begin, end, point == std::string_view::npos ? point : begin + point};
    const std::string_view prefix = pattern.substr(0, begin), suffix = pattern.substr(end);
    const std::string_view shown(result);
    require(shown.size() >= prefix.size() + suffix.size() && shown.starts_with(prefix) &&
                shown.ends_with(suffix),
            "text around the number copied", result);
    checkNumber(shown.substr(prefix.size(), shown.size() - prefix.size() - suffix.size()), run,
                value, pattern);
    return 0;
}

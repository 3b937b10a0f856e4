// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/arithmetic.h"
#include "model/conversions.h"
#include "model/errors.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace molen {
namespace {

struct NumberCase {
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c) { return out << c.text; }

class NumberToTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberToTextTest, WritesFifteenSignificantDigitsInPlainDecimal) {
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberToTextTest,
                         testing::Values(NumberCase{600, "600"}, NumberCase{4.5, "4.5"},
                                         NumberCase{1.4, "1.4"},
                                         NumberCase{6000.0 / 70, "85.7142857142857"},
                                         NumberCase{6000.0 / 140, "42.8571428571429"},
                                         NumberCase{1 + 10, "11"}, NumberCase{1 - 4.5 * 10, "-44"},
                                         NumberCase{0.1 + 0.2, "0.3"}, NumberCase{0.5, "0.5"},
                                         NumberCase{-0.0, "0"}, NumberCase{0, "0"},
                                         NumberCase{1.5e-7, "0.00000015"},
                                         NumberCase{123456789012345678.0, "123456789012346000"},
                                         NumberCase{1e20, "100000000000000000000"},
                                         NumberCase{-999999999999999.9, "-1000000000000000"}));

TEST(NumberToText, NeverWritesAnExponent) {
    EXPECT_EQ(NumberToText(1e300), "1" + std::string(300, '0'));
    EXPECT_EQ(NumberToText(-2.5e-300), "-0." + std::string(299, '0') + "25");
}

TEST(NumberToText, RefusesValuesThatAreNotFinite) {
    EXPECT_THROW(NumberToText(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(NumberToText(-std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(NumberToText(std::numeric_limits<double>::quiet_NaN()), ArithmeticError);
}

TEST(NumberToText, RefusesValuesThatRoundBeyondTheLargestDouble) {
    constexpr double largest = std::numeric_limits<double>::max(); // 1.7976931348623157e308
    EXPECT_THROW(NumberToText(largest), ArithmeticError);
    EXPECT_THROW(NumberToText(-largest), ArithmeticError);
    EXPECT_EQ(TextToNumber(NumberToText(1.79769313486231e308)), 1.79769313486231e308);
}

TEST(NumberToText, ReadsBackAsTheSameNumber) {
    // The stone angle falls like this for hours; every value must survive its round trip.
    double angle = 1;
    for (int tick = 0; tick < 100000; ++tick) {
        const std::string written = NumberToText(angle);
        angle = TextToNumber(written);
        ASSERT_EQ(NumberToText(angle), written);
        angle -= 45.3;
    }
}

// n / 1000 in plain decimal, worked out on n's own digits.
std::string thousandthsText(std::int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    digits.insert(digits.size() - 3, ".");
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.')
        digits.pop_back();
    return (n < 0 ? "-" : "") + digits;
}

// Slider hundredths and stone angles are whole thousandths, the values the mill writes most.
TEST(NumberToText, WritesWholeThousandthsAsTheirDigitsSay) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::int64_t> anyOf15Digits(-999'999'999'999'999,
                                                              999'999'999'999'999);
    for (int i = 0; i < 200'000; ++i) {
        const std::int64_t n = i < 4001 ? i - 2000 : anyOf15Digits(random);
        ASSERT_EQ(NumberToText(static_cast<double>(n) / 1000), thousandthsText(n)) << n;
    }
}

struct ParseCase {
    const char* text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << '"' << c.text << '"';
}

class TextToNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(TextToNumberTest, ReadsTheDecimalForm) {
    EXPECT_EQ(TextToNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Accepted, TextToNumberTest,
                         testing::Values(ParseCase{"1", 1}, ParseCase{"  12  ", 12},
                                         ParseCase{"-3.5", -3.5}, ParseCase{"+2", 2},
                                         ParseCase{".5", 0.5}, ParseCase{"5.", 5},
                                         ParseCase{"1e3", 1000}, ParseCase{"1E-2", 0.01},
                                         ParseCase{"2.5e+1", 25}, ParseCase{"0001.50", 1.5},
                                         ParseCase{"85.7142857142857", 85.7142857142857},
                                         ParseCase{"0e999999999999999999999", 0},
                                         ParseCase{"1e-400", 0}, ParseCase{"-1e-400", 0}));

TEST(TextToNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(TextToNumber("-0")));
    EXPECT_TRUE(std::signbit(TextToNumber("-1e-400")));
}

class NotANumberTest : public testing::TestWithParam<std::string> {};

TEST_P(NotANumberTest, IsAConversionError) {
    EXPECT_THROW(TextToNumber(GetParam()), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(Refused, NotANumberTest,
                         testing::Values("", "   ", "abc", "1a", "12abc", "inf", "-inf", "nan",
                                         "infinity", "0x10", "1,5", "1.2.3", "e5", "1e", "1e+",
                                         "--1", "+-1", "- 1", ".", "1 2", "\t1", "1\n",
                                         std::string("1\0", 2), "\u0663", "\U0001F32C", "\u00a01",
                                         "１"));

TEST(TextToNumber, ValuesBeyondADoubleAreArithmeticErrors) {
    EXPECT_THROW(TextToNumber("1e400"), ArithmeticError);
    EXPECT_THROW(TextToNumber("-1e400"), ArithmeticError);
    EXPECT_THROW(TextToNumber("1e99999999999999999999999"), ArithmeticError);
    EXPECT_THROW(TextToNumber(std::string(30000, '9')), ArithmeticError);
}

TEST(TextToNumber, HandlesPastedTextOfAnyLength) {
    EXPECT_NEAR(TextToNumber("0." + std::string(30000, '7')), 7.0 / 9, 1e-15);
    EXPECT_EQ(TextToNumber("0." + std::string(30000, '0') + "1"), 0);
    EXPECT_EQ(TextToNumber(std::string(30000, ' ') + "42" + std::string(30000, ' ')), 42);
    EXPECT_THROW(TextToNumber(std::string(30000, '1') + "x"), ConversionError);
}

struct IntegerCase {
    const char* text;
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
    return out << '"' << c.text << '"';
}

class TextToIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerTest, RoundsHalvesToEven) {
    EXPECT_EQ(TextToInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, TextToIntegerTest,
                         testing::Values(IntegerCase{"62.5", 62}, IntegerCase{"187.5", 188},
                                         IntegerCase{"85.7142857142857", 86},
                                         IntegerCase{"42.8571428571429", 43}, IntegerCase{"0.5", 0},
                                         IntegerCase{"1.5", 2}, IntegerCase{"-2.5", -2},
                                         IntegerCase{"-3.5", -4}, IntegerCase{"600", 600},
                                         IntegerCase{"2.4999", 2},
                                         IntegerCase{"2147483647.4", 2147483647},
                                         IntegerCase{"-2147483648.5", -2147483648}));

TEST(TextToInteger, OutsideThirtyTwoBitsIsAnOverflow) {
    for (const char* text :
         {"2147483648", "2147483647.5", "-2147483649", "-2147483648.51", "1e300", "-1e300"})
        EXPECT_THROW(TextToInteger(text), OverflowError) << text;
}

TEST(IntegerToText, WritesPlainDigits) {
    EXPECT_EQ(IntegerToText(1), "1");
    EXPECT_EQ(IntegerToText(450), "450");
    EXPECT_EQ(IntegerToText(0), "0");
    EXPECT_EQ(IntegerToText(-32768), "-32768");
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const PatternCase& c) { return out << c.text; }

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, ShowsTwoDecimalsAndCopiesTheRest) {
    EXPECT_EQ(FormatPattern(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatPatternTest,
    testing::Values(PatternCase{60.0 / 7, "0.00", "8.57"}, PatternCase{0.5, "0.00", "0.50"},
                    PatternCase{6, "0.00", "6.00"}, PatternCase{0, "0.00", "0.00"},
                    PatternCase{1.2345, "0.00  m/sec", "1.23  m/sec"},
                    PatternCase{0.625, "0.00", "0.63"}, PatternCase{1.005, "0.00", "1.01"},
                    PatternCase{999.995, "0.00", "1000.00"}, PatternCase{0.995, "0.00", "1.00"},
                    PatternCase{-0.995, "0.00", "-1.00"}, PatternCase{9.995, "000.00", "010.00"},
                    PatternCase{-1.5, "0.00", "-1.50"}, PatternCase{-0.001, "0.00", "0.00"},
                    PatternCase{0.004, "0.00", "0.00"}, PatternCase{0.005, "0.00", "0.01"},
                    PatternCase{1e20, "0.00", "100000000000000000000.00"},
                    PatternCase{7, "x 000 y", "x 007 y"},
                    PatternCase{7, "no digits", "no digits"}));

TEST(FormatPattern, RefusesValuesThatAreNotFinite) {
    EXPECT_THROW(FormatPattern(std::numeric_limits<double>::infinity(), "0.00"), ArithmeticError);
    EXPECT_THROW(FormatPattern(std::numeric_limits<double>::quiet_NaN(), "0.00"), ArithmeticError);
}

TEST(Arithmetic, FailuresAreProcedureErrors) {
    EXPECT_THROW(Reciprocal(0), ArithmeticError);
    EXPECT_THROW(Reciprocal(-0.0), ArithmeticError);
    EXPECT_THROW(Reciprocal(1e-310), ArithmeticError);
    EXPECT_EQ(Reciprocal(4), 0.25);
    EXPECT_THROW(ToSingle(1e39), OverflowError);
    EXPECT_THROW(ToSingle(-1e39), OverflowError);
    EXPECT_THROW(ToSingle(std::numeric_limits<double>::quiet_NaN()), ArithmeticError);
    EXPECT_EQ(ToSingle(0.1), 0.1f);
    // The host catches every one of them in one place.
    EXPECT_THROW(TextToNumber("x"), ProcedureError);
    EXPECT_THROW(TextToInteger("1e10"), ProcedureError);
    EXPECT_THROW(Reciprocal(0), ProcedureError);
}

} // namespace
} // namespace molen

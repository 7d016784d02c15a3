#include "platform/app_error.h"
#include "platform/number_conversions.h"
#include "platform/number_decimal_digits.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <ostream>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr Extended largestExtended = std::numeric_limits<Extended>::max();
constexpr Extended smallestDenormal = std::numeric_limits<Extended>::denorm_min();

// An extended value from its parts: 64-bit mantissa, biased 15-bit exponent and sign.
Extended makeExtended(std::uint64_t mantissa, int biasedExponent, bool negative)
{
    Extended value = 0;
    const auto signAndExponent = static_cast<std::uint16_t>(biasedExponent | (negative ? 0x8000 : 0));
    std::memcpy(&value, &mantissa, sizeof mantissa);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + sizeof mantissa, &signAndExponent,
                sizeof signAndExponent);
    return value;
}

std::string floatMessage(const std::string& text)
{
    return "'" + text + "' is not a valid floating point value";
}

std::string integerMessage(const std::string& text)
{
    return "'" + text + "' is not a valid integer value";
}

// ---------------------------------------------------------------------------------------------------
// Text to extended

struct AcceptedFloat {
    const char* text;
    char separator;
    Extended expected;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const AcceptedFloat& c, std::ostream* out) { *out << "\"" << c.text << "\" with '" << c.separator << "'"; }
};

class StrToFloatAccepts : public testing::TestWithParam<AcceptedFloat> {};

TEST_P(StrToFloatAccepts, GivesTheCorrectlyRoundedValue)
{
    const AcceptedFloat& c = GetParam();
    Extended value = 0;
    ASSERT_NO_THROW(value = StrToFloat(c.text, c.separator)) << c.text;
    EXPECT_EQ(value, c.expected) << "'" << c.text << "' with separator '" << c.separator << "'";
    EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToFloatAccepts,
    testing::Values(
        AcceptedFloat{"1.5", '.', 1.5L}, AcceptedFloat{"1,5", ',', 1.5L},
        AcceptedFloat{"0,1", ',', 0.1L}, // the extended nearest to 0.1, not the double
        AcceptedFloat{"4012,7", ',', 4012.7L}, AcceptedFloat{"007", ',', 7.0L},
        AcceptedFloat{"+7", '.', 7.0L}, AcceptedFloat{"-2,5", ',', -2.5L}, AcceptedFloat{"-0", ',', -0.0L},
        AcceptedFloat{",5", ',', 0.5L}, AcceptedFloat{"5,", ',', 5.0L}, AcceptedFloat{"  12  ", ',', 12.0L},
        AcceptedFloat{" -2.5e3 ", '.', -2500.0L}, AcceptedFloat{"1E5", ',', 1e5L},
        AcceptedFloat{"1e+05", ',', 1e5L}, AcceptedFloat{"1,5e-3", ',', 1.5e-3L},
        AcceptedFloat{"2E0", ',', 2.0L}, AcceptedFloat{"0,0459999989718199", ',', 0.0459999989718199L},
        AcceptedFloat{"1e4932", ',', 1e4932L},
        AcceptedFloat{"1,18973149535723176502e4932", ',', largestExtended},
        // below the extended range: rounded to a denormal or to zero, not refused
        AcceptedFloat{"1e-4950", ',', 1e-4950L}, AcceptedFloat{"3,6e-4951", ',', smallestDenormal},
        AcceptedFloat{"1e-5000", ',', 0.0L}, AcceptedFloat{"-1e-5000", ',', -0.0L},
        // 1 + 2^-64 lies halfway between 1 and the next extended: ties to even gives 1, and
        // anything above the tie gives the next extended
        AcceptedFloat{"1.0000000000000000000542101086242752217003726400434970855712890625", '.', 1.0L},
        AcceptedFloat{"1.00000000000000000005421010862427522170037264004349708557128906250001", '.',
                      1.0L + std::numeric_limits<Extended>::epsilon()},
        AcceptedFloat{"0,000000000000000000000000000000000000000000000000000000001e57", ',', 1.0L},
        AcceptedFloat{"1e0000000000000000000000000000000000000001", ',', 10.0L}));

struct RefusedText {
    const char* text;
    char separator;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const RefusedText& c, std::ostream* out) { *out << "\"" << c.text << "\" with '" << c.separator << "'"; }
};

class StrToFloatRefuses : public testing::TestWithParam<RefusedText> {};

TEST_P(StrToFloatRefuses, WithAMessageQuotingTheText)
{
    const RefusedText& c = GetParam();
    try {
        const Extended value = StrToFloat(c.text, c.separator);
        FAIL() << "'" << c.text << "' was accepted as " << static_cast<double>(value);
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.what(), floatMessage(c.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToFloatRefuses,
    testing::Values(RefusedText{"", ','}, RefusedText{" ", ','}, RefusedText{"1,2,3", ','},
                    RefusedText{"1.5", ','}, // only the separator handed in is one
                    RefusedText{"1,5", '.'}, RefusedText{"1..5", '.'}, RefusedText{",", ','},
                    RefusedText{"+", ','}, RefusedText{"-,", ','}, RefusedText{"- 1", ','},
                    RefusedText{"+-1", ','}, RefusedText{"1 2", ','}, RefusedText{"1e", ','},
                    RefusedText{"1e+", ','}, RefusedText{"1e 5", ','}, RefusedText{"e5", ','},
                    RefusedText{",e5", ','}, RefusedText{"1e5,5", ','}, RefusedText{"1d5", ','},
                    RefusedText{"1,5x", ','}, RefusedText{"Z for red shift", ','}, RefusedText{"0x10", ','},
                    RefusedText{"\t1", ','}, RefusedText{"1\t", ','}, RefusedText{"1\r\n", ','},
                    RefusedText{"nan", ','}, RefusedText{"NAN", ','}, RefusedText{"inf", ','},
                    RefusedText{"-INF", ','}, RefusedText{"infinity", ','},
                    // too large for extended
                    RefusedText{"1e4933", ','}, RefusedText{"-1e4933", ','}, RefusedText{"1,19e4932", ','},
                    RefusedText{"1e99999999999999999999", ','}));

TEST(StrToFloat, MessageKeepsTheBlanksOfTheText)
{
    try {
        StrToFloat(" 1,2,3 ", ',');
        FAIL() << "accepted";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "' 1,2,3 ' is not a valid floating point value");
    }
}

TEST(StrToFloat, MessageCutsAVeryLongText)
{
    const std::string longLine = std::string(100, '7') + " x";
    try {
        StrToFloat(longLine, ',');
        FAIL() << "accepted";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "'" + std::string(80, '7') + "...' (102 characters) is not a valid floating point value");
    }
    try {
        StrToInt(std::string(81, '1'));
        FAIL() << "accepted";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + std::string(80, '1') + "...' (81 characters) is not a valid integer value");
    }
}

// ---------------------------------------------------------------------------------------------------
// Text to 32-bit integer

struct AcceptedInteger {
    const char* text;
    std::int32_t expected;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const AcceptedInteger& c, std::ostream* out) { *out << "\"" << c.text << "\""; }
};

class StrToIntAccepts : public testing::TestWithParam<AcceptedInteger> {};

TEST_P(StrToIntAccepts, GivesTheValue)
{
    const AcceptedInteger& c = GetParam();
    std::int32_t value = 0;
    ASSERT_NO_THROW(value = StrToInt(c.text)) << c.text;
    EXPECT_EQ(value, c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntAccepts,
                         testing::Values(AcceptedInteger{"0", 0}, AcceptedInteger{"10", 10},
                                         AcceptedInteger{"007", 7}, AcceptedInteger{"+12", 12},
                                         AcceptedInteger{"-0", 0}, AcceptedInteger{"-45", -45},
                                         AcceptedInteger{"2147483647", 2147483647},
                                         AcceptedInteger{"-2147483648", -2147483647 - 1},
                                         AcceptedInteger{"000000000000000000002147483647", 2147483647}));

class StrToIntRefuses : public testing::TestWithParam<const char*> {};

TEST_P(StrToIntRefuses, WithAMessageQuotingTheText)
{
    const std::string text = GetParam();
    try {
        const std::int32_t value = StrToInt(text);
        FAIL() << "'" << text << "' was accepted as " << value;
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.what(), integerMessage(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntRefuses,
                         testing::Values("", "+", "-", "2.5", "2,5", " 1", "1 ", "- 1", "+-1", "1e3", "0x1A",
                                         "12a", "10\t15", "2147483648", "-2147483649", "4294967296",
                                         "99999999999999999999999"));

// ---------------------------------------------------------------------------------------------------
// Extended to text

struct Formatted {
    Extended value;
    const char* comma;
    const char* point;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const Formatted& c, std::ostream* out) { *out << c.point; }
};

class FloatToStrFormats : public testing::TestWithParam<Formatted> {};

TEST_P(FloatToStrFormats, InTheGeneralFormat)
{
    const Formatted& c = GetParam();
    EXPECT_EQ(FloatToStr(c.value, ','), c.comma);
    EXPECT_EQ(FloatToStr(c.value, '.'), c.point);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloatToStrFormats,
    testing::Values(
        Formatted{0.0L, "0", "0"}, Formatted{-0.0L, "0", "0"}, Formatted{4010.0L, "4010", "4010"},
        Formatted{-4010.0L, "-4010", "-4010"}, Formatted{1.5L, "1,5", "1.5"},
        Formatted{-2.25L, "-2,25", "-2.25"}, Formatted{0.1L, "0,1", "0.1"},
        Formatted{1e10L, "10000000000", "10000000000"},
        // switch-over to the exponent form at the small end
        Formatted{0.0001L, "0,0001", "0.0001"}, Formatted{-0.0001L, "-0,0001", "-0.0001"},
        Formatted{0.0000999999999999999L, "9,99999999999999E-5", "9.99999999999999E-5"},
        Formatted{0.00009999999999999999L, "0,0001", "0.0001"}, // rounds up into fixed notation
        Formatted{0.00001L, "1E-5", "1E-5"}, Formatted{-2.5e-7L, "-2,5E-7", "-2.5E-7"},
        Formatted{0.000123456789012345678L, "0,000123456789012346", "0.000123456789012346"},
        // switch-over at the large end
        Formatted{999999999999999.0L, "999999999999999", "999999999999999"},
        Formatted{-999999999999999.0L, "-999999999999999", "-999999999999999"},
        Formatted{999999999999999.4L, "999999999999999", "999999999999999"},
        Formatted{999999999999999.5L, "1E15", "1E15"}, Formatted{999999999999999.9L, "1E15", "1E15"},
        Formatted{1e15L, "1E15", "1E15"}, Formatted{-1e15L, "-1E15", "-1E15"},
        Formatted{123456789012345678.0L, "1,23456789012346E17", "1.23456789012346E17"},
        // rounding that carries into a new digit
        Formatted{9.99999999999999999L, "10", "10"}, Formatted{-9.99999999999999999L, "-10", "-10"},
        Formatted{0.999999999999999999L, "1", "1"}, Formatted{99.9999999999999999L, "100", "100"},
        // exact ties go to the even digit
        Formatted{123456789012345.5L, "123456789012346", "123456789012346"},
        Formatted{123456789012344.5L, "123456789012344", "123456789012344"},
        Formatted{1234567890123455.0L, "1,23456789012346E15", "1.23456789012346E15"},
        Formatted{1234567890123445.0L, "1,23456789012344E15", "1.23456789012344E15"},
        // the extremes of the extended range
        Formatted{largestExtended, "1,18973149535723E4932", "1.18973149535723E4932"},
        Formatted{std::numeric_limits<Extended>::min(), "3,36210314311209E-4932", "3.36210314311209E-4932"},
        Formatted{smallestDenormal, "3,64519953188247E-4951", "3.64519953188247E-4951"},
        Formatted{std::numeric_limits<Extended>::quiet_NaN(), "NAN", "NAN"},
        Formatted{std::numeric_limits<Extended>::infinity(), "INF", "INF"},
        Formatted{-std::numeric_limits<Extended>::infinity(), "-INF", "-INF"}));

// Single-precision values shown in full, as the program shows picked points and the redshift.
TEST(FloatToStr, ShowsWidenedSingleValuesInFull)
{
    EXPECT_EQ(FloatToStr(roundToSingle(0.1L), ','), "0,100000001490116");
    EXPECT_EQ(FloatToStr(roundToSingle(0.01L), ','), "0,00999999977648258");
    EXPECT_EQ(FloatToStr(roundToSingle(5504.2856L), ','), "5504,28564453125");
    EXPECT_EQ(FloatToStr(roundToSingle(0.99555558L), ','), "0,995555579662323");
    EXPECT_EQ(FloatToStr(46 * roundToSingle(0.01L) / 10, ','), "0,0459999989718199");
    EXPECT_EQ(FloatToStr(6563.0L / (1.0L + roundToSingle(0.1L)), ','), "5966,3636282813");
}

TEST(FloatToStr, ReadsBackAsTheValueRoundedToFifteenDigits)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const Extended value =
            static_cast<Extended>(mantissa(random)) * std::pow(10.0L, decade(random)) * (i % 2 ? -1 : 1);
        for (const char separator : {',', '.'}) {
            const std::string text = FloatToStr(value, separator);
            ASSERT_EQ(StrToFloat(text, separator), roundToSignificantDigits(value, 15))
                << text << " from " << static_cast<double>(value);
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// The fast digit generation against the exact one

void expectFastMatchesExact(Extended value, int count)
{
    if (const std::optional<DecimalDigits> fast = decimalDigitsFast(value, count)) {
        const DecimalDigits exact = decimalDigitsExact(value, count);
        ASSERT_EQ(fast->digits, exact.digits)
            << "count " << count << ", value " << static_cast<double>(value);
        ASSERT_EQ(fast->exponent, exact.exponent)
            << "count " << count << ", value " << static_cast<double>(value);
    }
}

TEST(DecimalDigits, FastAnswersForEveryEverydayMagnitude)
{
    for (const Extended value :
         {1e-24L, 1.5e-15L, 1e-5L, 0.046L, 0.5L, 1.0L, 2.0L, 4000.5L, 7023.1L, 1e15L, 1e38L}) {
        EXPECT_TRUE(decimalDigitsFast(value, 15).has_value()) << static_cast<double>(value);
    }
}

TEST(DecimalDigits, FastMatchesExactOnRandomValuesOfAllMagnitudes)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> anyExponent(1, 32766);
    // 2^-79 to 2^128: about 1.7e-24 to 3.4e38, where the fast path answers for 15 digits
    std::uniform_int_distribution<int> everydayExponent(16383 - 79, 16383 + 127);
    std::uniform_int_distribution<int> anyCount(1, maxDecimalDigits);
    for (int i = 0; i < 300000; ++i) {
        const std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
        const bool everyday = i % 4 != 0;
        const Extended value =
            makeExtended(mantissa, everyday ? everydayExponent(random) : anyExponent(random), false);
        const int count = i % 2 == 0 ? 15 : anyCount(random);
        if (everyday && count == 15) {
            ASSERT_TRUE(decimalDigitsFast(value, count).has_value()) << static_cast<double>(value);
        }
        expectFastMatchesExact(value, count);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// Values lying exactly halfway between two 15-digit numbers: T + 1/2 times a power of ten.
TEST(DecimalDigits, FastMatchesExactOnTies)
{
    std::mt19937_64 random(11);
    for (int shift = 0; shift <= 22; ++shift) {
        // value × 10^shift = (2T + 1) / 2 with 2T + 1 = 5^shift × odd, so value = odd / 2^(shift + 1)
        std::uint64_t fiveToShift = 1;
        for (int i = 0; i < shift; ++i) {
            fiveToShift *= 5;
        }
        const std::uint64_t low = 200000000000000ULL / fiveToShift + 1;
        const std::uint64_t high = 2000000000000000ULL / fiveToShift;
        if (low >= high) {
            continue;
        }
        std::uniform_int_distribution<std::uint64_t> odd(low / 2, (high - 1) / 2);
        for (int i = 0; i < 200; ++i) {
            const std::uint64_t numerator = 2 * odd(random) + 1;
            const Extended value = std::ldexp(static_cast<Extended>(numerator), -(shift + 1));
            expectFastMatchesExact(value, 15);
            ASSERT_FALSE(HasFatalFailure());
        }
    }
    // integer ties: a 16-digit integer ending in 5
    std::uniform_int_distribution<std::uint64_t> head(100000000000000ULL, 999999999999999ULL);
    for (int i = 0; i < 2000; ++i) {
        expectFastMatchesExact(static_cast<Extended>(head(random) * 10 + 5), 15);
        ASSERT_FALSE(HasFatalFailure());
    }
}

// Values just below and at powers of ten, where rounding carries into a new digit.
TEST(DecimalDigits, FastMatchesExactAroundPowersOfTen)
{
    for (int decade = -30; decade <= 40; ++decade) {
        const Extended power = StrToFloat("1e" + std::to_string(decade), '.');
        Extended below = power;
        Extended above = power;
        for (int step = 0; step < 50; ++step) {
            for (int count = 1; count <= maxDecimalDigits; ++count) {
                expectFastMatchesExact(below, count);
                expectFastMatchesExact(above, count);
                ASSERT_FALSE(HasFatalFailure());
            }
            below = std::nextafter(below, 0.0L);
            above = std::nextafter(above, largestExtended);
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// Integer to text and significant-digit rounding

TEST(IntToStr, WritesDecimalDigits)
{
    const std::array<std::pair<std::int64_t, const char*>, 6> cases{{{0, "0"},
                                                                     {7, "7"},
                                                                     {-45, "-45"},
                                                                     {2147483647, "2147483647"},
                                                                     {INT64_MAX, "9223372036854775807"},
                                                                     {INT64_MIN, "-9223372036854775808"}}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(IntToStr(value), text);
    }
}

struct Rounding {
    Extended value;
    int digits;
    Extended expected;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const Rounding& c, std::ostream* out) { *out << static_cast<double>(c.value) << " to " << c.digits << " digits"; }
};

class RoundToSignificantDigits : public testing::TestWithParam<Rounding> {};

TEST_P(RoundToSignificantDigits, GivesTheNearestExtendedToTheRoundedDecimal)
{
    const Rounding& c = GetParam();
    const Extended rounded = roundToSignificantDigits(c.value, c.digits);
    if (std::isnan(c.expected)) {
        EXPECT_TRUE(std::isnan(rounded));
    } else {
        EXPECT_EQ(rounded, c.expected) << static_cast<double>(c.value) << " to " << c.digits << " digits";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToSignificantDigits,
    testing::Values(
        Rounding{0.046000000123L, 7, 0.046L}, Rounding{0.0459999989718199L, 7, 0.046L},
        Rounding{-0.0459999989718199L, 7, -0.046L}, Rounding{0.0709999978542328L, 7, 0.071L},
        Rounding{4000.0L, 7, 4000.0L}, Rounding{123456789.0L, 7, 123456800.0L},
        Rounding{1.23456749e-20L, 7, 1.234567e-20L}, Rounding{9.9999996L, 7, 10.0L},
        // exact ties go to the even digit
        Rounding{1234567.5L, 7, 1234568.0L}, Rounding{1234568.5L, 7, 1234568.0L}, Rounding{0.0L, 7, 0.0L},
        Rounding{0.3L, 15, 0.3L}, Rounding{0.123456789L, 1, 0.1L}, Rounding{0.123456789L, 0, 0.1L},
        Rounding{0.1L, 30, 0.1L},
        Rounding{std::numeric_limits<Extended>::infinity(), 7, std::numeric_limits<Extended>::infinity()},
        Rounding{std::numeric_limits<Extended>::quiet_NaN(), 7, std::numeric_limits<Extended>::quiet_NaN()}));

// ---------------------------------------------------------------------------------------------------
// Independence from the C library's locale (which the window toolkit sets from the user's settings)

class UnderACommaLocale : public testing::Test {
  protected:
    void SetUp() override
    {
        // ./test.sh generates a comma locale of its own and names its folder here; only this test
        // looks there, so no other program of the test run loads locales from it.
        if (const char* folder = std::getenv("SPECDESK_TEST_LOCPATH"); folder != nullptr && *folder != '\0')
            setenv("LOCPATH", folder, 1);
        for (const char* name :
             {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr &&
                std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
                return;
            }
        }
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed (generate one with localedef, e.g. "
                        "de_DE.UTF-8, to run this check)";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(UnderACommaLocale, ConversionsAreUnchanged)
{
    EXPECT_EQ(FloatToStr(4012.75L, '.'), "4012.75");
    EXPECT_EQ(FloatToStr(1e-30L, '.'), "1E-30"); // through the exact path
    EXPECT_EQ(FloatToStr(0.046L, ','), "0,046");
    EXPECT_EQ(StrToFloat("4012.75", '.'), 4012.75L);
    EXPECT_EQ(StrToFloat(" 1,5e3 ", ','), 1500.0L);
    EXPECT_THROW(StrToFloat("1,5", '.'), ConversionError);
    EXPECT_EQ(roundToSignificantDigits(0.0459999989718199L, 7), 0.046L);
    EXPECT_EQ(decimalDigitsExact(0.5L, 15), (DecimalDigits{500000000000000, -1}));
    EXPECT_STREQ(std::localeconv()->decimal_point, ",") << "the conversions must leave the locale alone";
}

} // namespace

// What the form fields take as a number and how they show reals: the parse rules with their edge
// cases, and real texts that are short yet store the same fixed-point value.

#include "forms/NumberText.h"
#include "forms/FormMessages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gr2 {
namespace {

TEST(NumberTextTest, WholeNumbersParseWithBlanksAndSignsButNothingElse)
{
    using S = ParsedInteger::Status;
    struct Case {
        const char* text;
        S status;
        int64_t value;
        bool negative;
    } cases[] = {
        {"0", S::Ok, 0, false},
        {"  250 ", S::Ok, 250, false},
        {"+7", S::Ok, 7, false},
        {"-32767", S::Ok, -32767, true},
        {"-0", S::Ok, 0, true},
        {"", S::NotANumber, 0, false},
        {"-", S::NotANumber, 0, true},
        {"12a", S::NotANumber, 0, false},
        {"1.5", S::NotANumber, 0, false},
        {"1 2", S::NotANumber, 0, false},
        {"0x10", S::NotANumber, 0, false},
        {"9223372036854775807", S::Ok, INT64_MAX, false},
        {"-9223372036854775808", S::Ok, INT64_MIN, true},
        {"9223372036854775808", S::TooLarge, 0, false},
        {"-99999999999999999999999", S::TooLarge, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedInteger parsed = parseInteger(c.text);
        EXPECT_EQ(parsed.status, c.status);
        EXPECT_EQ(parsed.negative, c.negative);
        if (c.status == S::Ok) {
            EXPECT_EQ(parsed.value, c.value);
        }
    }
}

TEST(NumberTextTest, RealsParseInPlainDecimalNotationOnly)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"2.5", 2.5},
        {" -0.25 ", -0.25},
        {"+3", 3.0},
        {"1e3", 1000.0},
        {".5", 0.5},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1,5", std::nullopt},
        {"0x1p3", std::nullopt},
        {"1e999", std::nullopt},
        {"2.5.1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseReal(c.text), c.value);
    }
}

TEST(NumberTextTest, RealsShowTheShortestTextThatStoresTheSameUnit)
{
    struct Case {
        int32_t stored; ///< units of 1/4096
        const char* text;
    } cases[] = {
        {0, "0"},      {4096, "1"},      {10240, "2.5"},  {409, "0.1"},      {-409, "-0.1"},
        {1, "0.0003"}, {4095, "0.9998"}, {-1, "-0.0003"}, {4096000, "1000"}, {2147483647, "524287.9998"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const double value = c.stored / 4096.0;
        const std::string text = formatReal(value, 4096);
        EXPECT_EQ(text, c.text);
        // What the text stores again is the unit it was shown for.
        EXPECT_EQ(std::trunc(*parseReal(text) * 4096), double(c.stored));
    }
    // A plain double shows the shortest text that reads back as itself.
    EXPECT_EQ(formatReal(0.1, 0), "0.1");
    EXPECT_EQ(formatReal(-2.5, 0), "-2.5");
}

TEST(NumberTextTest, MessagesTakeTheirBoundsInEitherStyle)
{
    EXPECT_EQ(FormMessages::withBounds(FormMessages::kIntegerRange, "0", "32767"),
              "Please enter an integer between 0 and 32767.");
    EXPECT_EQ(FormMessages::withBounds(FormMessages::kNumberRange, "0", "2.5"),
              "Please enter a number between 0 and 2.5.");
    EXPECT_EQ(FormMessages::withBounds("Please enter a number between %d and %d.", "7", "128"),
              "Please enter a number between 7 and 128.");
}

} // namespace
} // namespace gr2

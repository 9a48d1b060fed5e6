#include "base/errors.h"
#include "base/numbers.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace sonrel;

namespace {
// The program's window system takes the process locale from LANG and LC_*
// at start-up; the core suite does the same, so that running it under a
// Russian or German desktop locale checks every number it reads and writes.
class DesktopLocale : public ::testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, ""); }
};
[[maybe_unused]] ::testing::Environment* const desktopLocale =
    ::testing::AddGlobalTestEnvironment(new DesktopLocale);
} // namespace

TEST(ReadNumber, AcceptsCommaPointSignAndExponent) {
    EXPECT_DOUBLE_EQ(readNumber("86,60254"), 86.60254);
    EXPECT_DOUBLE_EQ(readNumber("86.60254"), 86.60254);
    EXPECT_DOUBLE_EQ(readNumber("1E-3"), 0.001);
    EXPECT_DOUBLE_EQ(readNumber("3,344556E-27"), 3.344556e-27);
    EXPECT_DOUBLE_EQ(readNumber("  -20 "), -20.0);
    EXPECT_DOUBLE_EQ(readNumber("+5"), 5.0);
    EXPECT_DOUBLE_EQ(readNumber(",5"), 0.5);
    EXPECT_DOUBLE_EQ(readNumber("5,"), 5.0);
}

TEST(ReadNumber, RejectsTextThatIsNotOneNumber) {
    for (const char* bad : {"", "   ", "abc", "1,2,3", "1 000", "1e999", "-1e999", "nan", "inf",
                            "-", "1E", "1e+", "Text24", "12abc", "1.2.3", "--1"}) {
        EXPECT_THROW(readNumber(bad), InputError) << bad;
    }
    EXPECT_THROW(readNumber(std::string(10000, '7') + "x"), InputError);
}

TEST(ReadInteger, RoundsHalvesToEvenAndChecksRange) {
    EXPECT_EQ(readInteger("20"), 20);
    EXPECT_EQ(readInteger("2,5"), 2);
    EXPECT_EQ(readInteger("3,5"), 4);
    EXPECT_EQ(readInteger("-2,5"), -2);
    EXPECT_EQ(readInteger("2,6"), 3);
    EXPECT_EQ(readInteger("2147483647"), 2147483647);
    EXPECT_EQ(readInteger("-2147483648"), -2147483647 - 1);
    EXPECT_THROW(readInteger("2147483648"), InputError);
    EXPECT_THROW(readInteger("3000000000"), InputError);
    EXPECT_THROW(readInteger("x"), InputError);
}

TEST(FormatNumber, ShortestFormWithDecimalComma) {
    EXPECT_EQ(formatNumber(20), "20");
    EXPECT_EQ(formatNumber(0.2), "0,2");
    EXPECT_EQ(formatNumber(86.60254), "86,60254");
    EXPECT_EQ(formatNumber(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(formatNumber(1e-5), "1E-05");
    EXPECT_EQ(formatNumber(1.5e16), "1,5E+16");
    EXPECT_EQ(formatNumber(-0.25), "-0,25");
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(0.0001), "0,0001");
    EXPECT_EQ(formatNumber(1e15), "1E+15");
    EXPECT_EQ(formatNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatNumber(4.9999999841129), "4,9999999841129");
}

TEST(FormatNumber, RoundTripsThroughReadNumber) {
    for (double x : {0.1, 2.0 / 3.0, 1e-7, 6.02e23, -299790000.0, 123.456, 1e300}) {
        const double back = readNumber(formatNumber(x));
        EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << formatNumber(x);
    }
}

TEST(FormatNumber, SubnormalValuesFormatAndReadBack) {
    const double tiny = 2.779814648618874e-310;
    EXPECT_EQ(formatNumber(tiny), "2,77981464861887E-310");
    EXPECT_NEAR(readNumber(formatNumber(tiny)), tiny, 1e-320);
}

TEST(FormatNumber, NeverPrintsNonFinite) {
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::quiet_NaN()), MathError);
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::infinity()), MathError);
}

// Desktops whose own decimal separator is a comma: reading and writing must not
// change with them.
TEST(ReadNumber, SameUnderEveryDesktopLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "C.UTF-8"}) {
        if (!std::setlocale(LC_ALL, name)) {
            ADD_FAILURE() << name << " is not generated (scripts/install-deps.sh makes it)";
            continue;
        }
        EXPECT_DOUBLE_EQ(readNumber("0,2"), 0.2) << name;
        EXPECT_DOUBLE_EQ(readNumber("1.5E-3"), 0.0015) << name;
        EXPECT_THROW(readNumber("1 5"), InputError) << name;
        EXPECT_EQ(readInteger("2,6"), 3) << name;
        EXPECT_EQ(formatNumber(0.2), "0,2") << name;
        EXPECT_EQ(formatNumber(-1.5e16), "-1,5E+16") << name;
        EXPECT_EQ(formatTrunc(86.602549, 3), "86,602") << name;
    }
    std::setlocale(LC_ALL, before.c_str());
}

TEST(Truncation, DropsDigitsTowardZero) {
    EXPECT_DOUBLE_EQ(truncTo(1.29, 1), 1.2);
    EXPECT_DOUBLE_EQ(truncTo(-1.29, 1), -1.2);
    EXPECT_EQ(formatTrunc(0.2567891234, 6), "0,256789");
    EXPECT_DOUBLE_EQ(fix(-3.9), -3.0);
}

TEST(FileNumber, RefusesPathsAndForbiddenCharacters) {
    EXPECT_TRUE(isSafeFileNumber("1"));
    EXPECT_TRUE(isSafeFileNumber("12"));
    EXPECT_TRUE(isSafeFileNumber("опыт 3"));
    for (const char* bad :
         {"", ".", "/", "a/b", "..", "..\\x", "a:b", "*", "?", "x|y", "\"", "<", ">"})
        EXPECT_FALSE(isSafeFileNumber(bad)) << bad;
}

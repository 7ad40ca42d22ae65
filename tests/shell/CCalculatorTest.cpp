#include "CCalculator.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>

namespace {

// Presses keys as typed: digits, "." point, + - * / = %, "n" for +/-, "E" for CE, "C" for C.
void Type(CCalculator& calculator, const char* keys)
{
    using Op = CCalculator::Operator;
    for (const char* key = keys; *key != '\0'; ++key) {
        switch (*key) {
        case '.':
            calculator.PressPoint();
            break;
        case '+':
            calculator.PressOperator(Op::Add);
            break;
        case '-':
            calculator.PressOperator(Op::Subtract);
            break;
        case '*':
            calculator.PressOperator(Op::Multiply);
            break;
        case '/':
            calculator.PressOperator(Op::Divide);
            break;
        case '=':
            calculator.PressEquals();
            break;
        case '%':
            calculator.PressPercent();
            break;
        case 'n':
            calculator.PressNegate();
            break;
        case 'E':
            calculator.PressClearEntry();
            break;
        case 'C':
            calculator.PressClear();
            break;
        default:
            calculator.PressDigit(*key - '0');
            break;
        }
    }
}

QString Shown(const char* keys, double start = 0.0)
{
    CCalculator calculator(start);
    Type(calculator, keys);
    return calculator.DisplayText();
}

struct Case
{
    const char* keys;
    const char* display;
};

TEST(Calculator, OperatorsChainLeftToRightWithoutPrecedence)
{
    const Case cases[] = {
        {"2+3*4=", "20."}, {"2+3==", "5."}, {"2+*3=", "6."},
        {"9-4-2=", "3."},  {"7/2=", "3.5"}, {"1234567", "1,234,567."},
        {"2+3", "3."},     {"2+3+", "5."},  {"12.5", "12.5"},
        {".5", "0.5"},     {"3*=", "3."},   {"", "0."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(c.keys), QString::fromLatin1(c.display)) << c.keys;
    }
}

TEST(Calculator, PercentAppliesToThePendingOperation)
{
    const Case cases[] = {
        {"200+10%", "220."}, {"200-10%", "180."}, {"50*10%", "5."},
        {"50/10%", "500."},  {"10%", "0.1"},      {"200+10%+1=", "221."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(c.keys), QString::fromLatin1(c.display)) << c.keys;
    }
}

TEST(Calculator, DivisionByZeroIsAnErrorUntilClear)
{
    for (const char* keys : {"5/0=", "5/0%", "5/0+"}) {
        CCalculator calculator;
        Type(calculator, keys);
        EXPECT_TRUE(calculator.IsError()) << keys;
        EXPECT_EQ(calculator.DisplayText(), "ERROR") << keys;
        Type(calculator, "7+8=%");
        EXPECT_EQ(calculator.DisplayText(), "ERROR") << keys;
        EXPECT_EQ(calculator.Result(), std::nullopt) << keys;
        Type(calculator, "C");
        EXPECT_EQ(calculator.DisplayText(), "0.") << keys;
        Type(calculator, "6*7=");
        EXPECT_EQ(calculator.DisplayText(), "42.") << keys;
    }
    CCalculator calculator;
    Type(calculator, "5/0=");
    EXPECT_FALSE(calculator.PressOk());
    EXPECT_EQ(calculator.Result(), std::nullopt);
}

TEST(Calculator, DigitsBeyondTheBoundAreRefusedAndTotalsBeyondItAreErrors)
{
    const Case cases[] = {
        // The thirteenth digit of 1234567890123 would pass 1e12: it and every later one are ignored.
        {"123456789012345", "123,456,789,012."},    {"1000000000000", "1,000,000,000,000."},
        {"1000000000000.5", "1,000,000,000,000."},  {"99999999999n99", "-999,999,999,999."},
        {"999999999999.999", "1,000,000,000,000."}, {"123456789012345+1=", "123,456,789,013."},
        {"999999999999+1=", "1,000,000,000,000."},  {"999999999999+2=", "ERROR"},
        {"1000000*1000000*10=", "ERROR"},           {"999999999999*1000%", "ERROR"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(c.keys), QString::fromLatin1(c.display)) << c.keys;
    }
    EXPECT_EQ(Shown("", 2e12), "ERROR");
    EXPECT_EQ(Shown("", std::numeric_limits<double>::infinity()), "ERROR");
    EXPECT_EQ(Shown("C7", 2e12), "7.");

    CCalculator calculator;
    Type(calculator, "123456789012345");
    EXPECT_EQ(calculator.Result(), 123456789012.0);
    Type(calculator, "*9=");
    EXPECT_EQ(calculator.Result(), std::nullopt);
}

TEST(Calculator, TheResultIsTheNumberTheDisplayShows)
{
    struct Rounding
    {
        double start;
        const char* display;
        double result;
    };
    // Half up on the third decimal as printed (1.005 is stored a little below, yet prints 1.005).
    const Rounding cases[] = {
        {1.005, "1.01", 1.01},
        {0.125, "0.13", 0.13},
        {-2.675, "-2.68", -2.68},
        {-0.004, "0.", 0.0},
        {999999999999.995, "999,999,999,999.99", 999999999999.99},
        {1e12, "1,000,000,000,000.", 1e12},
    };
    for (const Rounding& c : cases) {
        CCalculator calculator(c.start);
        EXPECT_EQ(calculator.DisplayText(), QString::fromLatin1(c.display)) << c.start;
        EXPECT_EQ(calculator.Result(), std::optional<double>(c.result)) << c.start;
    }
}

TEST(Calculator, TypingKeepsThreeDecimalsAndShowsTheLocalesTwo)
{
    CCalculator calculator;
    Type(calculator, "1.2345");
    EXPECT_EQ(calculator.DisplayText(), "1.23");
    Type(calculator, "*1000=");
    // 1.234, not 1.2345: the fifth digit added nothing.
    EXPECT_EQ(calculator.DisplayText(), "1,234.");
    Type(calculator, "C1.2345");
    EXPECT_FALSE(calculator.PressOk());
    EXPECT_EQ(calculator.Result(), std::optional<double>(1.23));
}

TEST(Calculator, OkEvaluatesAPendingOperationAndAsksForThePause)
{
    CCalculator calculator;
    Type(calculator, "1/3");
    EXPECT_TRUE(calculator.PressOk());
    EXPECT_EQ(calculator.DisplayText(), "0.33");
    EXPECT_EQ(calculator.Result(), std::optional<double>(0.33));

    CCalculator plain;
    Type(plain, "2+3=");
    EXPECT_FALSE(plain.PressOk());
    EXPECT_EQ(plain.Result(), std::optional<double>(5.0));
}

TEST(Calculator, StartingValueIsTheTotalUntilAnEntryReplacesIt)
{
    EXPECT_EQ(Shown("", 12), "12.");
    EXPECT_EQ(Shown("", 0), "0.");
    EXPECT_EQ(Shown("", 2.5), "2.5");
    EXPECT_EQ(Shown("+3=", 12), "15.");
    EXPECT_EQ(Shown("7=", 12), "7.");
    EXPECT_EQ(Shown("n", 12), "-12.");
}

TEST(Calculator, ClearEntryClearsWhatIsShown)
{
    // While typing: the entry only; the pending addition stays.
    EXPECT_EQ(Shown("7+45E"), "0.");
    EXPECT_EQ(Shown("7+45E2="), "9.");
    // After "=": the total.
    EXPECT_EQ(Shown("2+3=E"), "0.");
    EXPECT_EQ(Shown("2+3=E+1="), "1.");
    // The next digit starts a fresh number, not a decimal of the cleared one.
    EXPECT_EQ(Shown("1.2E5"), "5.");
}

TEST(Calculator, DigitsAfterNegateLengthenTheNumber)
{
    EXPECT_EQ(Shown("4n5"), "-45.");
    EXPECT_EQ(Shown(".1n2"), "-0.12");
    EXPECT_EQ(Shown("0n5"), "-5.");
    EXPECT_EQ(Shown("n5"), "5.");
    EXPECT_EQ(Shown("10-4n5="), "55.");
    EXPECT_EQ(Shown("2+3=n"), "-5.");
}

class CalculatorUnderGermanLocale : public testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_F(CalculatorUnderGermanLocale, UsesTheCommaAndReturnsTheNumber)
{
    EXPECT_EQ(CCalculator::DecimalKeyText(), ",");
    CCalculator calculator;
    Type(calculator, "2.5");
    EXPECT_EQ(calculator.DisplayText(), "2,5");
    EXPECT_FALSE(calculator.PressOk());
    EXPECT_EQ(calculator.Result(), std::optional<double>(2.5));
    EXPECT_EQ(Shown("1234.5"), "1.234,5");
    EXPECT_EQ(Shown("", 12), "12,");
    EXPECT_EQ(Shown("123456789012345"), "123.456.789.012,");
    EXPECT_EQ(Shown("999999999999.99"), "999.999.999.999,99");
    CCalculator large;
    Type(large, "999999999999.99");
    EXPECT_EQ(large.Result(), std::optional<double>(999999999999.99));
}

} // namespace

#include "CCalculator.h"

#include <QLocale>

#include <gtest/gtest.h>

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
        EXPECT_DOUBLE_EQ(calculator.Result(), 0.0);
        Type(calculator, "C");
        EXPECT_EQ(calculator.DisplayText(), "0.") << keys;
        Type(calculator, "6*7=");
        EXPECT_EQ(calculator.DisplayText(), "42.") << keys;
    }
    CCalculator calculator;
    Type(calculator, "5/0=");
    EXPECT_FALSE(calculator.PressOk());
    EXPECT_DOUBLE_EQ(calculator.Result(), 0.0);
}

TEST(Calculator, ATotalBeyondTheRangeOfADoubleIsAnError)
{
    CCalculator calculator(1e300);
    Type(calculator, "*10000000000=");
    EXPECT_EQ(calculator.DisplayText(), "ERROR");
    EXPECT_DOUBLE_EQ(calculator.Result(), 0.0);
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
    EXPECT_DOUBLE_EQ(calculator.Result(), 1.23);
}

TEST(Calculator, OkEvaluatesAPendingOperationAndAsksForThePause)
{
    CCalculator calculator;
    Type(calculator, "1/3");
    EXPECT_TRUE(calculator.PressOk());
    EXPECT_EQ(calculator.DisplayText(), "0.33");
    EXPECT_DOUBLE_EQ(calculator.Result(), 0.33);

    CCalculator plain;
    Type(plain, "2+3=");
    EXPECT_FALSE(plain.PressOk());
    EXPECT_DOUBLE_EQ(plain.Result(), 5.0);
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
    EXPECT_DOUBLE_EQ(calculator.Result(), 2.5);
    EXPECT_EQ(Shown("1234.5"), "1.234,5");
    EXPECT_EQ(Shown("", 12), "12,");
}

} // namespace

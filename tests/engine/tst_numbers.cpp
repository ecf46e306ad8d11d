// Numbers and money amounts in words, and the numeric test behind them.

#include "engine/numbers.h"

#include <QtTest>

using namespace vocalith;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void numberToWords_data() {
        // clang-format off
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("accent");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << "0" << "BrE" << "zero";
        QTest::newRow("nineteen") << "19" << "BrE" << "nineteen";
        QTest::newRow("twenty one") << "21" << "BrE" << "twenty one";
        QTest::newRow("hundred") << "100" << "BrE" << "one hundred";
        QTest::newRow("105 british") << "105" << "BrE" << "one hundred and five";
        QTest::newRow("105 american") << "105" << "AmE" << "one hundred five";
        QTest::newRow("120 british") << "120" << "BrE" << "one hundred and twenty";
        QTest::newRow("1005") << "1005" << "AmE" << "one thousand five";
        QTest::newRow("inner groups always british") << "1105" << "AmE" << "one thousand one hundred and five";
        QTest::newRow("999999") << "999999" << "AmE"
                                << "nine hundred and ninety nine thousand nine hundred and ninety nine";
        QTest::newRow("million") << "1000000" << "BrE" << "one million";
        QTest::newRow("million and one") << "1000001" << "BrE" << "one million one";
        QTest::newRow("billion") << "2000000000" << "BrE" << "two billion";
        QTest::newRow("trillion") << "3000000000000" << "BrE" << "three trillion";
        QTest::newRow("largest spelled") << "999999999999998" << "BrE"
            << "nine hundred and ninety nine trillion nine hundred and ninety nine billion nine hundred and "
               "ninety nine million nine hundred and ninety nine thousand nine hundred and ninety eight";
        QTest::newRow("just below a scale") << "999999999" << "BrE"
            << "nine hundred and ninety nine million nine hundred and ninety nine thousand nine hundred and "
               "ninety nine";
        QTest::newRow("too big") << "999999999999999" << "BrE" << "Number too big";
        QTest::newRow("negative") << "-42" << "BrE" << "negative forty two";
        QTest::newRow("negative thousands") << "-5000" << "BrE" << "negative five thousand";
        QTest::newRow("negative fraction") << "-0.5" << "BrE" << "negative zero point five";
        QTest::newRow("negative zero") << "-0.0" << "BrE" << "zero point zero";
        QTest::newRow("parentheses negative") << "(12)" << "BrE" << "negative twelve";
        QTest::newRow("thousands separators") << "1,234" << "AmE" << "one thousand two hundred and thirty four";
        QTest::newRow("decimals digit by digit") << "3.14" << "BrE" << "three point one four";
        QTest::newRow("no integer part") << ".5" << "BrE" << "zero point five";
        QTest::newRow("not a number") << "abc" << "BrE" << "Invalid Number";
        QTest::newRow("exponent is not a number") << "1e5" << "BrE" << "Invalid Number";
        QTest::newRow("empty") << "" << "BrE" << "Invalid Number";
        // clang-format on
    }
    void numberToWords() {
        QFETCH(QString, number);
        QFETCH(QString, accent);
        QFETCH(QString, expected);
        const NumberWords words = numberWords(number, *parseAccent(accent));
        QCOMPARE(words.text(), expected);
        QCOMPARE(words.status == NumberWords::Status::Spelled, words.words == expected); // a refusal has no words
    }

    void amounts_data() {
        // clang-format off
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dollars without cents") << "5" << "$" << "five dollars";
        QTest::newRow("one is singular") << "1" << "$" << "one dollar";
        QTest::newRow("one with cents") << "1.50" << "us$" << "one u s dollar and fifty cents";
        QTest::newRow("one cent") << "2.01" << "$" << "two dollars and one cent";
        QTest::newRow("rounded up to one") << "0.999" << "€" << "one euro";
        QTest::newRow("negative one") << "-1" << "c$" << "negative one canadian dollar";
        QTest::newRow("pence") << "1.50" << "£" << "one pound and fifty pence";
        QTest::newRow("one penny") << "3.01" << "£" << "three pounds and one penny";
        QTest::newRow("unknown symbol, one cent") << "1.01" << "¥" << "one ¥ and one cent";
        QTest::newRow("us dollars") << "5" << "us$" << "five u s dollars";
        QTest::newRow("canadian") << "5" << "c$" << "five canadian dollars";
        QTest::newRow("pounds") << "20" << "£" << "twenty pounds";
        QTest::newRow("one decimal is tens of cents") << "5.5" << "€" << "five euros and fifty cents";
        QTest::newRow("third decimal rounds up") << "5.456" << "$" << "five dollars and forty six cents";
        QTest::newRow("half to even, down") << "5.125" << "$" << "five dollars and twelve cents";
        QTest::newRow("half to even, up") << "5.135" << "$" << "five dollars and fourteen cents";
        QTest::newRow("above half") << "5.1251" << "$" << "five dollars and thirteen cents";
        QTest::newRow("rounds into the next unit") << "5.999" << "$" << "six dollars";
        QTest::newRow("zero cents not spoken") << "5.00" << "$" << "five dollars";
        QTest::newRow("british and in amounts") << "105" << "$" << "one hundred and five dollars";
        QTest::newRow("negative cents") << "-0.25" << "$" << "negative zero dollars and twenty five cents";
        QTest::newRow("unknown symbol kept") << "5" << "¥" << "five ¥";
        QTest::newRow("not a number") << "x" << "$" << "Invalid Number";
        // clang-format on
    }
    void amounts() {
        QFETCH(QString, number);
        QFETCH(QString, currency);
        QFETCH(QString, expected);
        QCOMPARE(NumberToWords(number, true, currency, Accent::BrE), expected);
    }

    // Running text reads years, ordinals and decades; an empty expectation is no such word.
    void runningText_data() {
        // clang-format off
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("accent");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1099 is no year") << "1099" << "BrE" << "";
        QTest::newRow("1100") << "1100" << "BrE" << "eleven hundred";
        QTest::newRow("1905") << "1905" << "AmE" << "nineteen oh five";
        QTest::newRow("1999") << "1999" << "BrE" << "nineteen ninety nine";
        QTest::newRow("2000") << "2000" << "BrE" << "two thousand";
        QTest::newRow("2005 british") << "2005" << "BrE" << "two thousand and five";
        QTest::newRow("2005 american") << "2005" << "AmE" << "two thousand five";
        QTest::newRow("2010") << "2010" << "AmE" << "twenty ten";
        QTest::newRow("2099") << "2099" << "BrE" << "twenty ninety nine";
        QTest::newRow("2100 is no year") << "2100" << "BrE" << "";
        QTest::newRow("signed") << "+1984" << "BrE" << "";
        QTest::newRow("'72") << "'72" << "BrE" << "seventy two";
        QTest::newRow("'05") << "'05" << "AmE" << "oh five";
        QTest::newRow("first") << "1st" << "BrE" << "first";
        QTest::newRow("twenty second") << "22nd" << "BrE" << "twenty second";
        QTest::newRow("fourth") << "4th" << "BrE" << "fourth";
        QTest::newRow("twelfth") << "12th" << "BrE" << "twelfth";
        QTest::newRow("ninetieth") << "90th" << "BrE" << "ninetieth";
        QTest::newRow("hundred and first") << "101st" << "BrE" << "one hundred and first";
        QTest::newRow("hundred first") << "101st" << "AmE" << "one hundred first";
        QTest::newRow("thousandth") << "1,000th" << "BrE" << "one thousandth";
        QTest::newRow("decimal ordinal") << "1.5th" << "BrE" << "";
        QTest::newRow("1990s") << "1990s" << "BrE" << "nineteen nineties";
        QTest::newRow("1900s") << "1900s" << "BrE" << "nineteen hundreds";
        QTest::newRow("1990's") << "1990's" << "AmE" << "nineteen nineties";
        QTest::newRow("'60s") << "'60s" << "BrE" << "sixties";
        QTest::newRow("20s") << "20s" << "BrE" << "twenties";
        QTest::newRow("not a decade") << "1995s" << "BrE" << "";
        // clang-format on
    }
    void runningText() {
        QFETCH(QString, word);
        QFETCH(QString, accent);
        QFETCH(QString, expected);
        QCOMPARE(runningTextNumber(word, *parseAccent(accent)).value_or(QString()), expected);
    }

    void scaledAmounts() {
        QCOMPARE(scaledAmountToWords("2", "million", "$", Accent::BrE), QStringLiteral("two million dollars"));
        QCOMPARE(scaledAmountToWords("1", "billion", "£", Accent::BrE), QStringLiteral("one billion pounds"));
        QCOMPARE(scaledAmountToWords("3.5", "thousand", "¥", Accent::BrE),
                 QStringLiteral("three point five thousand ¥"));
        QCOMPARE(scaledAmountToWords("x", "million", "$", Accent::BrE), kInvalidNumber);
    }

    void numericTest_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        for (const char *yes : {"0", "42", "-42", "+3", "3.5", "1,000", "(5)", " 7 ", "5.", ".5"})
            QTest::newRow(yes) << QString::fromLatin1(yes) << true;
        for (const char *no : {"", "-", ".", "abc", "1e5", "$5", "5$", "1.2.3", "0x10", ",5", "5-"})
            QTest::newRow(no) << QString::fromLatin1(no) << false;
        // clang-format on
    }
    void numericTest() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(isNumeric(text), expected);
    }

    // White space that the numeric test allows around a number is not taken for a digit.
    void whiteSpaceAround_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("isAmount");
        QTest::addColumn<QString>("expected");
        for (const char16_t space : {u'\t', u'\n', u'\v', u'\f', u'\r', u'\u00A0', u'\u3000'}) {
            const QString s(QChar{space});
            QTest::addRow("decimals, U+%04X after", space) << QStringLiteral("1.5") + s << false << "one point five";
            QTest::addRow("integer, U+%04X before", space) << s + QStringLiteral("42") << false << "forty two";
            QTest::addRow("amount, U+%04X after", space)
                << QStringLiteral("5.5") + s << true << "five dollars and fifty cents";
            QTest::addRow("parentheses, U+%04X inside", space)
                << QStringLiteral("(") + s + QStringLiteral("12") + s + QStringLiteral(")") << false
                << "negative twelve";
        }
    }
    void whiteSpaceAround() {
        QFETCH(QString, number);
        QFETCH(bool, isAmount);
        QFETCH(QString, expected);
        QCOMPARE(NumberToWords(number, isAmount, isAmount ? QStringLiteral("$") : QString(), Accent::BrE), expected);
    }

    // Parentheses already make a number negative: a sign inside them is not a number.
    void signInsideParentheses_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("isAmount");
        for (const char *text : {"(-5)", "(-1,000)", "(-0.5)", "(+5)", "( -5 )", "(-.5)"})
            QTest::newRow(text) << QString::fromLatin1(text) << false;
        QTest::newRow("amount") << "(-5.25)" << true;
    }
    void signInsideParentheses() {
        QFETCH(QString, number);
        QFETCH(bool, isAmount);
        QVERIFY(!isNumeric(number));
        const NumberWords words =
            isAmount ? amountWords(number, QStringLiteral("$"), Accent::BrE) : numberWords(number, Accent::BrE);
        QCOMPARE(int(words.status), int(NumberWords::Status::NotANumber));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"

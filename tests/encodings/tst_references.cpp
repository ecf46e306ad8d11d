// Decimal and hexadecimal character references over the symbol inventory.

#include "encodings/htmlreferences.h"
#include "encodings/symbolinventory.h"
#include "encodings/reference.h"

#include <QtTest>

using namespace vocalith;
using namespace vocalith::test;
using namespace Qt::StringLiterals;

namespace {

QString decimalRef(QChar c) { return QStringLiteral("&#%1;").arg(c.unicode()); }
QString paddedRef(QChar c) {
    return QStringLiteral("&#x%1;").arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}
QString shortRef(QChar c) { return QStringLiteral("&#x%1;").arg(QString::number(c.unicode(), 16).toUpper()); }

} // namespace

class TestReferences : public QObject {
    Q_OBJECT

private slots:
    void inventoryInOrder() {
        const QString expected = inventory();
        QCOMPARE(qsizetype(SymbolInventory.size()), expected.size());
        for (qsizetype k = 0; k < expected.size(); ++k)
            QCOMPARE(QChar(SymbolInventory[size_t(k)]), expected[k]);
    }

    void eachSymbol_data() {
        QTest::addColumn<QChar>("symbol");
        for (const QChar c : inventory())
            QTest::addRow("U+%04X", c.unicode()) << c;
    }
    void eachSymbol() {
        QFETCH(QChar, symbol);
        const QString text = QStringLiteral("x") + symbol + QStringLiteral("y");
        QCOMPARE(Text2HTML(text), QStringLiteral("x") + decimalRef(symbol) + QStringLiteral("y"));
        QCOMPARE(Text2HexHTML(text), QStringLiteral("x") + paddedRef(symbol) + QStringLiteral("y"));
        QCOMPARE(HTML2Text(decimalRef(symbol)), decoded(symbol));
        QCOMPARE(HexHTML2Text(paddedRef(symbol)), decoded(symbol));
        QCOMPARE(HexHTML2Text(shortRef(symbol)), decoded(symbol));
        // Wrong forms of the same code point stay as they are.
        for (const QString &wrong : {decimalRef(symbol).replace(u"&#"_s, u"&#0"_s), decimalRef(symbol).chopped(1),
                                     paddedRef(symbol).toLower(), paddedRef(symbol).replace(u"&#x"_s, u"&#X"_s),
                                     paddedRef(symbol).replace(u"&#x"_s, u"&#x0"_s)}) {
            QCOMPARE(HTML2Text(wrong), wrong);
            if (wrong != shortRef(symbol) && wrong != paddedRef(symbol)) // no letter to lower
                QCOMPARE(HexHTML2Text(wrong), wrong);
        }
    }

    void examples_data() {
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hex");
        QTest::newRow("happy") << u"ˈhæpi"_s << u"&#712;h&#230;pi"_s << u"&#x02C8;h&#x00E6;pi"_s;
        QTest::newRow("syllabic n") << u"n\u0329"_s << u"n&#809;"_s << u"n&#x0329;"_s;
        QTest::newRow("arrow") << u"↓"_s << u"&#8595;"_s << u"&#x2193;"_s;
        QTest::newRow("ligature") << u"ʤ"_s << u"&#676;"_s << u"&#x02A4;"_s;
        QTest::newRow("two letters") << u"dʒ tʃ"_s << u"d&#658; t&#643;"_s << u"d&#x0292; t&#x0283;"_s;
    }
    void examples() {
        QFETCH(QString, ipa);
        QFETCH(QString, decimal);
        QFETCH(QString, hex);
        QCOMPARE(Text2HTML(ipa), decimal);
        QCOMPARE(Text2HexHTML(ipa), hex);
        const QString back = QString(ipa).replace(u"ʤ"_s, u"dʒ"_s);
        QCOMPARE(HTML2Text(decimal), back);
        QCOMPARE(HexHTML2Text(hex), back);
    }

    void imports_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fromDecimal");
        QTest::addColumn<QString>("fromHex");
        QTest::newRow("adjacent") << u"&#593;&#720;"_s << u"ɑː"_s << u"&#593;&#720;"_s;
        QTest::newRow("ampersand before") << u"&&#593;;"_s << u"&ɑ;"_s << u"&&#593;;"_s;
        QTest::newRow("outside inventory") << u"&#97; &#x0061; &#x61;"_s << u"&#97; &#x0061; &#x61;"_s
                                           << u"&#97; &#x0061; &#x61;"_s;
        QTest::newRow("named") << u"&amp;"_s << u"&amp;"_s << u"&amp;"_s;
        QTest::newRow("three digits, one zero") << u"&#x0E6;"_s << u"&#x0E6;"_s << u"&#x0E6;"_s;
        QTest::newRow("lower-case digit") << u"&#x025b;"_s << u"&#x025b;"_s << u"&#x025b;"_s;
        QTest::newRow("short and padded") << u"&#xE6;&#x00E6;&#x251;"_s << u"&#xE6;&#x00E6;&#x251;"_s
                                          << u"ææɑ"_s;
        QTest::newRow("too many digits") << u"&#0000593; &#x00251;"_s << u"&#0000593; &#x00251;"_s
                                         << u"&#0000593; &#x00251;"_s;
        QTest::newRow("nested") << u"&#&#593;593;"_s << u"&#ɑ593;"_s << u"&#&#593;593;"_s;
    }
    void imports() {
        QFETCH(QString, text);
        QFETCH(QString, fromDecimal);
        QFETCH(QString, fromHex);
        QCOMPARE(HTML2Text(text), fromDecimal);
        QCOMPARE(HexHTML2Text(text), fromHex);
    }

    // The converters scan once; they must equal the inventory's rules run one by one.
    void sameAsRuleByRule() {
        Rules toDecimal, fromDecimal, toHex, fromHex, fromShort;
        QStringList fragments{u"&"_s, u"#"_s, u"x"_s, u";"_s, u"0"_s, u"E6"_s, u"2A4"_s, u"59"_s, u"3"_s};
        for (const QChar c : inventory()) {
            toDecimal << std::pair{QString(c), decimalRef(c)};
            fromDecimal << std::pair{decimalRef(c), decoded(c)};
            toHex << std::pair{QString(c), paddedRef(c)};
            fromHex << std::pair{paddedRef(c), decoded(c)};
            fromShort << std::pair{shortRef(c), decoded(c)};
            fragments << decimalRef(c) << paddedRef(c) << shortRef(c) << QString(c);
        }
        for (const QString &text : randomTexts(fragments, 3000)) {
            QCOMPARE(Text2HTML(text), byRules(text, toDecimal));
            QCOMPARE(Text2HexHTML(text), byRules(text, toHex));
            QCOMPARE(HTML2Text(text), byRules(text, fromDecimal));
            QCOMPARE(HexHTML2Text(text), byRules(byRules(text, fromHex), fromShort));
        }
    }
};

QTEST_APPLESS_MAIN(TestReferences)
#include "tst_references.moc"

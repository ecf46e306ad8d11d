// Braille: every pair both ways, the pairs that share cells, and the import's rule order.

#include "encodings/braille.h"
#include "encodings/reference.h"

#include <QtTest>
#include <algorithm>

using namespace vocalith;
using namespace vocalith::test;
using namespace Qt::StringLiterals;

namespace {

// Each symbol and its cells, by code point.
Rules brailleTable() {
    static const QString table = QStringLiteral(
        "002C 2802, 002D 2824, 002E 2804, 0061 2801, 0062 2803, 0063 2809, 0064 2819, 0065 2811, 0066 280B, "
        "0067 281B, 0068 2813, 0069 280A, 006A 281A, 006B 2805, 006C 2807, 006D 280D, 006E 281D, 006F 2815, "
        "0070 280F, 0071 281F, 0072 2817, 0073 280E, 0074 281E, 0075 2825, 0076 2827, 0077 283A, 0078 282D, "
        "0079 283D, 007A 2835, 007C 2838 2833, 00E6 2829, 00E7 2816 2809, 00F0 283B, 00F8 2833, "
        "0127 2816 2813, 014B 282B, 0153 282A, 01C0 282F 2839, 01C1 282F 2807, 01C2 282F 2831, "
        "01C3 282F 281E, 0250 2816 2801, 0251 2821, 0252 2816 2821, 0253 2826 2803, 0254 2823, "
        "0255 2826 2809, 0256 2832 2819, 0257 2826 2819, 0258 2816 2811, 0259 2822, 025A 2822 2810 2817, "
        "025B 281C, 025C 2816 281C, 025E 2826 281C, 025F 2814 281A, 0260 2826 281B, 0261 281B, "
        "0262 2814 281B, 0263 2828 281B, 0264 2816 2815, 0265 2832 2813, 0266 2826 2813, 0267 2826 282B, "
        "0268 2834 280A, 026A 280C, 026B 2816 2807, 026C 2826 2807, 026D 2832 2807, 026E 2807 2810 282E, "
        "026F 2816 2825, 0270 2826 280D, 0271 2816, 0272 283F, 0273 2832 281D, 0274 2814 281D, "
        "0275 2834 2815, 0276 2814 282A, 0278 2828 280B, 0279 283C, 027A 2826 283C, 027B 2832 283C, "
        "027D 2832 2817, 027E 2816 2817, 0280 2814 2817, 0281 2814 283C, 0282 2832 280E, 0283 2831, "
        "0284 2826 2814 281A, 0288 2832 2756, 0289 2834 2825, 028A 2837, 028B 2826 2827, 028C 282C, "
        "028D 2816 283A, 028E 2826 283D, 028F 2814 283D, 0290 2832 2835, 0291 2826 2835, 0292 282E, "
        "0294 2806, 0295 2816 2806, 0298 282F 280F, 0299 2814 2803, 029B 2826 2814 281B, 029C 2814 2813, "
        "029D 2826 281A, 029F 2816 2807, 02A1 2826 2806, 02A2 2814 2806, 02A4 2819 2810 282E, "
        "02A7 281E 2810 2831, 02B0 2808 2813, 02B2 2808 281A, 02B7 2808 283A, 02BC 2810 2804, 02C8 2838 2803, "
        "02CC 2838 2806, 02D0 2812, 02D1 2810 2802, 02DE 2810 2817, 02E0 2808 2828 281B, 02E1 2808 2807, "
        "02E4 2808 2816 2806, 02E5 2838 2808 D7F7, 02E6 2838 2809, 02E7 2838 280A, 02E8 2838 2824, "
        "02E9 2838 2820 2824, 0300 2808 2821, 0301 2808 280C, 0303 2808 283B, 0304 2808 2809, 0306 2808 2837, "
        "0308 2808 2812, 030A 2808 282B, 030B 2808 2820 280C, 030C 2808 2826, 030F 2808 2820 2821, "
        "0318 2820 2831, 0319 2820 280E, 031A 2808 2819, 031C 2820 282A, 031D 2810 281C, 031E 2810 2823, "
        "031F 2820 282C, 0320 2820 2824, 0324 2820 2812, 0325 2820 282B, 0329 2810 2806, 032A 2820 2839, "
        "032C 2820 2826, 032F 2810 283E, 0330 2820 283B, 0334 2810 283B, 0339 2820 2815, 033A 2820 2816 2839, "
        "033B 2820 2836, 033C 2820 282F, 033D 2808 282D, 0361 2810, 03B2 2828 2803, 03B8 2828 2839, "
        "03C7 2828 282F, 1DC4 2808 280A, 1DC5 2808 2814, 1DC8 2808 2832, 2016 2838 283F, 203F 2838 2807, "
        "207F 2808 281D, 2191 2838 282B, 2192 2838 2815, 2193 2838 282E, 2197 2838 2819, 2198 2838 2834, "
        "2C71 2816 2827");
    Rules pairs;
    for (const QString &entry : table.split(u", "_s)) {
        const QStringList codes = entry.split(u' ');
        pairs << std::pair{fromHex(codes.front()), fromHex(codes.mid(1).join(u' '))};
    }
    return pairs;
}

// The import: cells to symbol, longest first, then by cells, then by symbol.
Rules importRules() {
    Rules rules;
    for (const auto &[symbol, cells] : brailleTable())
        rules << std::pair{cells, symbol};
    std::stable_sort(rules.begin(), rules.end(), [](const auto &a, const auto &b) {
        if (a.first.size() != b.first.size())
            return a.first.size() > b.first.size();
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    return rules;
}

} // namespace

class TestBraille : public QObject {
    Q_OBJECT

private slots:
    void eachPair_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("cells");
        for (const auto &[symbol, cells] : brailleTable())
            QTest::addRow("U+%04X", symbol[0].unicode()) << symbol << cells;
    }
    void eachPair() {
        QFETCH(QString, symbol);
        QFETCH(QString, cells);
        QCOMPARE(Text2Braille(u"A"_s + symbol + u"1"_s), u"A"_s + cells + u"1"_s);
        // ɡ and ʟ share their cells with g and ɫ, which the import gives.
        const QString back = symbol == u"ɡ"_s ? u"g"_s : symbol == u"ʟ"_s ? u"ɫ"_s : symbol;
        QCOMPARE(Braille2Unicode(u" "_s + cells + u" "_s), u" "_s + back + u" "_s);
    }

    void examples_data() {
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("back");
        // The three-cell rule of ɮ runs before the two-cell rule of ɫ.
        QTest::newRow("dark l, tie, ezh") << u"ɫ\u0361ʒ"_s << fromHex(u"2816 2807 2810 282E"_s) << u"ɱɮ"_s;
        QTest::newRow("labiodental nasal then a") << u"ɱa"_s << fromHex(u"2816 2801"_s) << u"ɐ"_s;
        QTest::newRow("capital kept") << u"Aa"_s << u"A\u2801"_s << u"A"_s + u"a"_s;
        QTest::newRow("words") << u"ðə ˈkæt"_s << fromHex(u"283B 2822 0020 2838 2803 2805 2829 281E"_s)
                               << u"ðə ˈkæt"_s;
        QTest::newRow("retroflex t") << u"ʈ"_s << u"\u2832\u2756"_s << u"ʈ"_s;
        QTest::newRow("extra high tone") << u"˥"_s << u"\u2838\u2808\uD7F7"_s << u"˥"_s;
        QTest::newRow("not in the table") << u"ɝʴʱ B7\r\n"_s << u"ɝʴʱ B7\r\n"_s << u"ɝʴʱ B7\r\n"_s;
    }
    void examples() {
        QFETCH(QString, ipa);
        QFETCH(QString, cells);
        QFETCH(QString, back);
        QCOMPARE(Text2Braille(ipa), cells);
        QCOMPARE(Braille2Unicode(cells), back);
    }

    void imports_data() {
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("ipa");
        QTest::newRow("prefix cell alone") << u"2816"_s << u"0271"_s;
        const QString unmatched = u"2800 0020 2808 0020 2814 0020 2818 0020 2820 0020 2826 0020 2828 0020 282F "
                                  u"0020 2830 0020 2832 0020 2834 0020 2836 0020 2838 0020 2839 0020 283E"_s;
        QTest::newRow("unmatched cells") << unmatched << unmatched;
        QTest::newRow("prefix and t") << u"2832 281E"_s << u"2832 0074"_s;
    }
    void imports() {
        QFETCH(QString, cells);
        QFETCH(QString, ipa);
        QCOMPARE(Braille2Unicode(fromHex(cells)), fromHex(ipa));
    }

    // Both directions must equal the table's rules run one after another.
    void sameAsRuleByRule() {
        Rules exportRules;
        QStringList symbols{u"A"_s, u" "_s, u"\U0001F600"_s}, cells{u"\u2800"_s, u"x"_s};
        for (const auto &[symbol, code] : brailleTable()) {
            exportRules << std::pair{symbol, code};
            symbols << symbol;
            cells << code << QString(code.back());
        }
        for (const QString &text : randomTexts(symbols, 2000))
            QCOMPARE(Text2Braille(text), byRules(text, exportRules));
        const Rules rules = importRules();
        for (const QString &text : overlaps(cells) + randomTexts(cells, 3000))
            QCOMPARE(Braille2Unicode(text), byRules(text, rules));
    }
};

QTEST_APPLESS_MAIN(TestBraille)
#include "tst_braille.moc"

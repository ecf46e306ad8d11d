// The keyboard's buttons, the recently used symbols and the IPA chart's lists.

#include "editor/ipachart.h"
#include "editor/keyboard.h"

#include <QtTest>

using namespace vocalith;

namespace {

QStringList recentSymbols(const RecentSymbols &r) {
    QStringList list;
    for (const SymbolButton &b : r.buttons())
        list << b.symbol;
    return list;
}

} // namespace

class TestSymbols : public QObject {
    Q_OBJECT
private slots:
    void phonemeButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("0") << 0 << "p" << "voiceless bilabial plosive, English p";
        QTest::newRow("4 affricate") << 4 << u"t\u0283"_qs << "voiceless palato-alveolar affricate, English ch";
        QTest::newRow("7 IPA g") << 7 << u"\u0261"_qs << "voiced velar plosive, English 'hard' g";
        QTest::newRow("24 no tooltip") << 24 << u"i\u02D0"_qs << "";
        QTest::newRow("43") << 43 << u"o\u028A"_qs << "";
        QTest::newRow("49 syllabic") << 49 << u"\u0329"_qs << "syllabic";
    }

    void phonemeButtons() {
        QFETCH(int, index);
        QFETCH(QString, symbol);
        QFETCH(QString, tooltip);
        QCOMPARE(vocalith::phonemeButtons().size(), size_t(50));
        const SymbolEntry &e = vocalith::phonemeButtons()[size_t(index)];
        QCOMPARE(QString::fromUtf16(e.symbol), symbol);
        QCOMPARE(QString::fromUtf16(e.description), tooltip);
    }

    void groupsCoverEveryButtonOnce() {
        int next = 0;
        for (const ButtonGroup &g : phonemeGroups()) {
            QCOMPARE(g.first, next);
            next += g.count;
        }
        QCOMPARE(next, 50);
    }

    void recentStart() {
        const RecentSymbols r;
        QCOMPARE(recentSymbols(r).join(' '),
                 u"\u02D0 \u02D1 \u02BC \u02B4 \u02B0 \u02B1 \u02B2 \u02B7 \u02E0 \u02E4 \u02DE \u0294 \u02A1"_qs);
        QCOMPARE(r.button(5).tooltip, QStringLiteral("Add IPA symbol"));
    }

    void recentShift() {
        RecentSymbols r;
        const QStringList before = recentSymbols(r);
        QVERIFY(r.pick(u"\u0283"_qs, "vl postalveolar fricative"));
        QCOMPARE(r.button(1), (SymbolButton{u"\u0283"_qs, "vl postalveolar fricative"}));
        // 1..11 moved to 2..12, the old 12 dropped, element 0 untouched.
        QCOMPARE(recentSymbols(r).mid(2), before.mid(1, 11));
        QCOMPARE(r.button(0).symbol, before[0]);
        QVERIFY(!recentSymbols(r).contains(before[12]));
    }

    void recentAlreadyThere() {
        RecentSymbols r;
        r.pick(u"\u0283"_qs, "a");
        r.pick(u"\u0292"_qs, "b");
        const auto before = r.buttons();
        QVERIFY(!r.pick(u"\u0283"_qs, "a"));   // on button 2
        QVERIFY(!r.pick(r.button(12).symbol, "x")); // the last button
        QVERIFY(r.buttons() == before);
    }

    void recentElementZeroNotSearched() {
        RecentSymbols r;
        QVERIFY(r.pick(u"\u02D0"_qs, "length mark"));
        QCOMPARE(r.button(1).symbol, u"\u02D0"_qs);
        QCOMPARE(r.button(0).symbol, u"\u02D0"_qs);
    }

    void displayCaptions() {
        QCOMPARE(displayCaption(u"\u0329"_qs), u"\u25CC\u0329"_qs);
        QCOMPARE(displayCaption(u"\u0283"_qs), u"\u0283"_qs);
        QCOMPARE(displayCaption(u"\u02D0"_qs), u"\u02D0"_qs);
    }

    void chartLists() {
        const QStringList symbols = SymbolList();
        const QStringList descriptions = DescriptionList();
        QCOMPARE(symbols.size(), 135);
        QCOMPARE(descriptions.size(), 135);
        for (const QString &s : symbols)
            QCOMPARE(s.size(), 1);
        QCOMPARE(symbols.count(u"\u026B"_qs), 2);
        QCOMPARE(symbols.indexOf(u"\u026B"_qs), 37);
        QCOMPARE(symbols.lastIndexOf(u"\u026B"_qs), 116);
        QCOMPARE(symbols[62], u"\u0283"_qs);
        QCOMPARE(descriptions[62], QStringLiteral("vl postalveolar fricative"));
        QCOMPARE(symbols[88], u"\u02D0"_qs);
        QCOMPARE(symbols[119], u"\u0329"_qs);
        QCOMPARE(descriptions[119], QStringLiteral("syllabic"));
        QCOMPARE(descriptions[132], u"becomes, is realized as \u2014 not recognized by the IPA"_qs);
        QCOMPARE(symbols[134], u"\u2198"_qs);
    }

    void chartRows_data() {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("rowLengths");
        QTest::newRow("alphabetic") << "Alphabetic symbols" << "14 14 14 14 14 14 2";
        QTest::newRow("spacing") << "Spacing diacritics and suprasegmental" << "13";
        QTest::newRow("non-spacing") << "Non-spacing diacritics and suprasegmental" << "14 14 3";
        QTest::newRow("arrows") << "Arrows" << "5";
    }

    void chartRows() {
        QFETCH(QString, heading);
        QFETCH(QString, rowLengths);
        int section = -1;
        for (size_t s = 0; s < chartSections().size(); ++s)
            if (QString::fromLatin1(chartSections()[s].heading) == heading)
                section = int(s);
        QVERIFY(section >= 0);
        QMap<int, int> rows;
        for (int i = 0; i < 135; ++i) {
            const ChartCell c = chartCell(i);
            if (c.section == section) {
                QCOMPARE(c.column, rows.value(c.row));
                ++rows[c.row];
            }
        }
        QStringList lengths;
        for (int n : rows)
            lengths << QString::number(n);
        QCOMPARE(lengths.join(' '), rowLengths);
    }
};

QTEST_GUILESS_MAIN(TestSymbols)
#include "tst_symbols.moc"

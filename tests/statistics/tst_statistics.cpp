// Phoneme counting, duplicate removal, bars and shares, and the Zentab report.

#include "statistics/statistics.h"
#include "statistics/zentab.h"

#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

// The counts that are not zero, in row order, as "symbol:count" pairs.
QString nonZero(const PhonemeCounts &counts) {
    QStringList pairs;
    for (int i = 0; i < kPhonemeCount; ++i)
        if (counts[size_t(i)] != 0)
            pairs << QString::fromUtf16(kPhonemes[size_t(i)].symbol) + u':' + QString::number(counts[size_t(i)]);
    return pairs.join(u' ');
}

const int kRowK = 6, kRowT = 2;

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void countCharacters() {
        QCOMPARE(CountCharacters(u"aaa", u"aa"), 2);       // overlapping occurrences all count
        QCOMPARE(CountCharacters(u"K\u00C6T k", u"k"), 2); // in lower case
        QCOMPARE(CountCharacters(u"ab", u"abc"), 0);       // a piece at the end is too short
    }

    void countPhonemes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // non-zero counts in row order
        QTest::newRow("triphthong once, none of its parts") << u"a\u026A\u0259"_s << u"a\u026A\u0259:1"_s;
        QTest::newRow("diphthong, not its vowels") << u"e\u026A"_s << u"e\u026A:1"_s;
        QTest::newRow("affricates, not their parts") << u"t\u0283\u026Ad\u0292"_s << u"t\u0283:1 d\u0292:1 \u026A:1"_s;
        QTest::newRow("ligatures count nothing") << u"\u02A7 \u02A4"_s << QString();
        QTest::newRow("long vowels, not i or u")
            << u"i\u02D0 i u\u02D0 \u0251\u02D0"_s << u"i\u02D0:1 i:1 u\u02D0:1 \u0251\u02D0:1"_s;
        QTest::newRow("upper case, longest first too") << u"T\u01A9 K\u00C6T"_s << u"t:1 t\u0283:1 k:1 \u00E6:1"_s;
        QTest::newRow("overlapping triphthongs, the rest counted on")
            << u"\u0259\u028A\u0259\u028A\u0259"_s << u"\u028A\u0259:1 \u0259\u028A\u0259:2"_s;
    }
    void countPhonemes() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(nonZero(vocalith::countPhonemes(text).value()), expected);
    }

    void progressAndStop() {
        QList<int> steps;
        QVERIFY(vocalith::countPhonemes(u"k"_s, [&](int n) { return steps << n, true; }));
        QCOMPARE(steps.size(), kPhonemeCount);
        QCOMPARE(steps.back(), kPhonemeCount);
        QVERIFY(!ComputeStatistics(u"k"_s, [](int n) { return n < 3; }));
    }

    void beyondSixteenBits() {
        const QString text = u"k\u00E6t "_s.repeated(100000);
        QCOMPARE(ComputeStatistics(text)->rows[kRowK].count, 100000);
        QCOMPARE(ZentabReport(text).section(u"\r\n"_s, 1).section(u'\t', kRowT, kRowT), u"100000"_s);
    }

    void removeDuplicateWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a repeated word") << "the cat the dog the"
                                         << "the cat dog";
        QTest::newRow("never the end of another word") << "cat concat"
                                                       << "cat concat";
        QTest::newRow("runs of delimiters stay") << "a  b  a "
                                                 << "a  b  ";
    }
    void removeDuplicateWords() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RemoveDuplicateWords(text, u' '), expected);
    }

    // Row 0 counts `count` and row 1 `largest`: row 0's bar and share.
    void bars_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("width");
        QTest::addColumn<unsigned>("colour");
        QTest::addColumn<QString>("share");
        QTest::newRow("nothing counted") << 0 << 0 << 0 << 0xFFC0C0u << "0.0";
        QTest::newRow("zero beside a count") << 0 << 5 << 0 << 0xFFC0C0u << "0.0";
        QTest::newRow("the largest") << 5 << 5 << 900 << 0xA30000u << "50.0";
        QTest::newRow("halves to even: 112.5, 243.5") << 1 << 8 << 112 << 0xF4A8A8u << "11.1";
        QTest::newRow("halves to even: 337.5, 220.5") << 3 << 8 << 338 << 0xDC7878u << "27.3";
        QTest::newRow("share halves to even: 6.25") << 1 << 15 << 60 << 0xF9B3B3u << "6.2";
    }
    void bars() {
        QFETCH(int, count);
        QFETCH(int, largest);
        QFETCH(int, width);
        QFETCH(unsigned, colour);
        QFETCH(QString, share);
        PhonemeCounts counts{count, largest};
        const PhonemeStatistics row = statisticsOf(counts).rows[0];
        QCOMPARE(row.barWidth, width);
        QCOMPARE(QString::number(row.barColour, 16), QString::number(colour, 16));
        QCOMPARE(shareText(row.perMille), share);
    }

    void copyTable() {
        const QStringList lines = statisticsTable(*ComputeStatistics(u"k\u00E6t k"_s)).split(u"\r\n"_s);
        QCOMPARE(lines.size(), kPhonemeCount);
        QCOMPARE(lines[kRowK], u"/k/\t2\t50.0"_s);
    }

    void zentab_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows"); // the non-zero counts of each line after the header
        QTest::newRow("two sections") << u"\u00F0\u0259 k\u00E6t | \u00F0\u0259 d\u0252\u0261"_s
                                      << QStringList{u"t:1 k:1 \u00F0:1 \u0259:1 \u00E6:1"_s,
                                                     u"d:1 \u0261:1 \u00F0:1 \u0259:1 \u0252:1"_s};
        QTest::newRow("bars and spaces only: header alone") << " | |  || " << QStringList{};
        QTest::newRow("empty sections give no line") << u"|k||  |t|"_s << QStringList{u"k:1"_s, u"t:1"_s};
        QTest::newRow("upper case, longest first") << u"KA\u026A\u018F"_s << QStringList{u"k:1 a\u026A\u0259:1"_s};
        QTest::newRow("no phoneme: a line of zeros") << "x | 1" << QStringList{"", ""};
    }
    void zentab() {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        const QStringList lines = ZentabReport(text).split(u"\r\n"_s);
        QVERIFY(lines.front().startsWith(u"p\tb\tt\td\tt\u0283\td\u0292\tk\t"_s));
        QVERIFY(lines.front().endsWith(u"\to\u028A\u0259\ta\u028A\u0259"_s) && lines.front().count(u'\t') == 51);
        QCOMPARE(lines.size(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = lines[r + 1].split(u'\t');
            QCOMPARE(cells.size(), kPhonemeCount);
            PhonemeCounts counts{};
            for (int i = 0; i < kPhonemeCount; ++i)
                counts[size_t(i)] = cells[i].toLongLong();
            QCOMPARE(nonZero(counts), rows[r]);
        }
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"

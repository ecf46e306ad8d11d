// Phoneme counting, duplicate removal, bars and shares, and the Zentab report.

#include "editor/keyboard.h"
#include "statistics/statistics.h"
#include "statistics/zentab.h"

#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

// Counts written as "symbol:count" pairs separated by spaces; every other phoneme is 0.
PhonemeCounts countsOf(const QString &spec) {
    PhonemeCounts counts{};
    for (const QString &pair : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype colon = pair.lastIndexOf(QLatin1Char(':'));
        const QString symbol = pair.left(colon);
        int row = 0;
        while (row < kPhonemeCount && QString::fromUtf16(kPhonemes[size_t(row)].symbol) != symbol)
            ++row;
        [&] { QVERIFY2(row < kPhonemeCount, qPrintable(symbol)); }();
        if (row < kPhonemeCount)
            counts[size_t(row)] = pair.mid(colon + 1).toLongLong();
    }
    return counts;
}

// The non-zero counts as "symbol:count" pairs, for readable failures.
QString describe(const PhonemeCounts &counts) {
    QStringList pairs;
    for (int i = 0; i < kPhonemeCount; ++i)
        if (counts[size_t(i)] != 0)
            pairs << QString::fromUtf16(kPhonemes[size_t(i)].symbol) + QLatin1Char(':') +
                         QString::number(counts[size_t(i)]);
    return pairs.join(QLatin1Char(' '));
}

int rowOf(const QString &symbol) {
    for (int i = 0; i < kPhonemeCount; ++i)
        if (QString::fromUtf16(kPhonemes[size_t(i)].symbol) == symbol)
            return i;
    return -1;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void countCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("character");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("overlapping occurrences all count") << "aaa"
                                                           << "aa" << qint64(2);
        QTest::newRow("upper case counts as lower case") << u"K\u00C6T k"_s << u"k"_s << qint64(2);
        QTest::newRow("a piece at the end must have full length") << "ab"
                                                                  << "abc" << qint64(0);
        QTest::newRow("empty text") << ""
                                    << "a" << qint64(0);
    }
    void countCharacters() {
        QFETCH(QString, text);
        QFETCH(QString, character);
        QFETCH(qint64, expected);
        QCOMPARE(CountCharacters(text, character), expected);
    }

    void countPhonemes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("triphthong once, none of its parts") << u"a\u026A\u0259"_s << u"a\u026A\u0259:1"_s;
        QTest::newRow("diphthong, not its vowels") << u"e\u026A"_s << u"e\u026A:1"_s;
        QTest::newRow("affricates, not t, d, \u0283, \u0292")
            << u"t\u0283\u026Ad\u0292"_s << u"t\u0283:1 \u026A:1 d\u0292:1"_s;
        QTest::newRow("ligatures count nothing") << u"\u02A7 \u02A4"_s << QString();
        QTest::newRow("long vowel, not i") << u"i\u02D0 i"_s << u"i\u02D0:1 i:1"_s;
        QTest::newRow("every long vowel") << u"u\u02D0\u025C\u02D0\u0254\u02D0\u0251\u02D0"_s
                                          << u"u\u02D0:1 \u025C\u02D0:1 \u0254\u02D0:1 \u0251\u02D0:1"_s;
        QTest::newRow("a word") << u"\u02C8fa\u026A\u0259.m\u00E6n"_s << u"f:1 a\u026A\u0259:1 m:1 \u00E6:1 n:1"_s;
        QTest::newRow("upper case, longest first too") << u"T\u01A9 K\u00C6T"_s << u"t\u0283:1 k:1 \u00E6:1 t:1"_s;
        QTest::newRow("overlapping triphthongs, the rest counted on")
            << u"\u0259\u028A\u0259\u028A\u0259"_s << u"\u0259\u028A\u0259:2 \u028A\u0259:1"_s;
        QTest::newRow("triphthong and diphthong side by side")
            << u"e\u026A\u0259 e\u026A"_s << u"e\u026A\u0259:1 e\u026A:1"_s;
        QTest::newRow("nothing of the inventory") << "xyq 123 @" << QString();
    }
    void countPhonemes() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const auto counts = vocalith::countPhonemes(text);
        QVERIFY(counts);
        QCOMPARE(describe(*counts), describe(countsOf(expected)));
    }

    void rowsFollowTheKeyboard() {
        // Rows 0 to 46 are the editor's phoneme keys, in their order.
        const auto keys = phonemeButtons();
        for (int i = 0; i < 47; ++i)
            QCOMPARE(QString::fromUtf16(kPhonemes[size_t(i)].symbol), QString::fromUtf16(keys[size_t(i)].symbol));
    }

    void progress() {
        QList<int> steps;
        QVERIFY(vocalith::countPhonemes(u"k\u00E6t"_s, [&](int n) {
            steps << n;
            return true;
        }));
        QCOMPARE(steps.size(), kPhonemeCount);
        QCOMPARE(steps.front(), 1);
        QCOMPARE(steps.back(), kPhonemeCount);
        int calls = 0;
        QVERIFY(!ComputeStatistics(u"k\u00E6t"_s, [&](int) { return ++calls < 3; }));
        QCOMPARE(calls, 3);
    }

    void beyondSixteenBits() {
        const QString text = u"k\u00E6t "_s.repeated(100000);
        const auto s = ComputeStatistics(text);
        QVERIFY(s);
        QCOMPARE(s->rows[size_t(rowOf(u"k"_s))].count, qint64(100000));
        QCOMPARE(s->total, qint64(300000));
        const QStringList lines = ZentabReport(text).split(QLatin1String("\r\n"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].split(QLatin1Char('\t'))[rowOf(u"t"_s)], QStringLiteral("100000"));
    }

    void removeDuplicateWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a repeated word") << "the cat the dog the"
                                         << "the cat dog";
        QTest::newRow("never the end of another word") << "cat concat"
                                                       << "cat concat";
        QTest::newRow("nor its start") << "con concat con"
                                       << "con concat";
        QTest::newRow("final delimiter kept") << "a a "
                                              << "a ";
        QTest::newRow("runs of delimiters stay") << "a  b  a"
                                                 << "a  b ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void removeDuplicateWords() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RemoveDuplicateWords(text, QLatin1Char(' ')), expected);
    }

    void analysedText() {
        QCOMPARE(vocalith::analysedText(u"&#712;k&#230;t\r\nd&#594;&#609;"_s), u"\u02C8k\u00E6t d\u0252\u0261"_s);
    }

    // Row 0 counts `count`, row 1 `largest`: row 0's bar and share.
    void bars_data() {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<int>("width");
        QTest::addColumn<unsigned>("colour");
        QTest::addColumn<QString>("share");
        QTest::newRow("nothing counted") << qint64(0) << qint64(0) << 0 << 0xFFC0C0u << "0.0";
        QTest::newRow("zero beside a count") << qint64(0) << qint64(5) << 0 << 0xFFC0C0u << "0.0";
        QTest::newRow("the largest") << qint64(5) << qint64(5) << 900 << 0xA30000u << "50.0";
        QTest::newRow("a third") << qint64(1) << qint64(3) << 300 << 0xE08080u << "25.0";
        // 112.5 -> 112, 243.5 -> 244, 168; share 1/9 = 111.1 tenths
        QTest::newRow("halves to even, down and up") << qint64(1) << qint64(8) << 112 << 0xF4A8A8u << "11.1";
        // 337.5 -> 338, 220.5 -> 220, 120
        QTest::newRow("halves to even, the other way") << qint64(3) << qint64(8) << 338 << 0xDC7878u << "27.3";
        QTest::newRow("share halves to even") << qint64(1) << qint64(15) << 60 << 0xF9B3B3u << "6.2";
    }
    void bars() {
        QFETCH(qint64, count);
        QFETCH(qint64, largest);
        QFETCH(int, width);
        QFETCH(unsigned, colour);
        QFETCH(QString, share);
        PhonemeCounts counts{};
        counts[0] = count;
        counts[1] = largest;
        const Statistics s = statisticsOf(counts);
        QCOMPARE(s.rows[0].barWidth, width);
        QCOMPARE(QString::number(s.rows[0].barColour, 16), QString::number(colour, 16));
        QCOMPARE(shareText(s.rows[0].perMille), share);
        QCOMPARE(s.maximum, std::max(count, largest));
    }

    void copyTable() {
        const QStringList lines = statisticsTable(*ComputeStatistics(u"k\u00E6t k"_s)).split(QLatin1String("\r\n"));
        QCOMPARE(lines.size(), kPhonemeCount);
        QCOMPARE(lines[0], QStringLiteral("/p/\t0\t0.0"));
        QCOMPARE(lines[rowOf(u"k"_s)], QStringLiteral("/k/\t2\t50.0"));
    }

    void zentab_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows"); // expected counts of each line after the header
        QTest::newRow("two sections") << u"\u00F0\u0259 k\u00E6t | \u00F0\u0259 d\u0252\u0261"_s
                                      << QStringList{u"\u00F0:1 \u0259:1 k:1 \u00E6:1 t:1"_s,
                                                     u"\u00F0:1 \u0259:1 d:1 \u0252:1 \u0261:1"_s};
        QTest::newRow("no bar: one line") << u"k\u00E6t"_s << QStringList{u"k:1 \u00E6:1 t:1"_s};
        QTest::newRow("bars and spaces only: header alone") << " | |  || " << QStringList{};
        QTest::newRow("empty sections give no line")
            << u"|k\u00E6t||  |d\u0252\u0261|"_s << QStringList{u"k:1 \u00E6:1 t:1"_s, u"d:1 \u0252:1 \u0261:1"_s};
        QTest::newRow("upper case, longest first") << u"KA\u026A\u018F"_s << QStringList{u"k:1 a\u026A\u0259:1"_s};
        QTest::newRow("a section without phonemes is a line of zeros") << "x | 1" << QStringList{"", ""};
    }
    void zentab() {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        const QString report = ZentabReport(text);
        QVERIFY(!report.endsWith(QLatin1Char('\n')));
        const QStringList lines = report.split(QLatin1String("\r\n"));
        QCOMPARE(lines.front(), vocalith::zentabHeader());
        QCOMPARE(lines.size(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = lines[r + 1].split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), kPhonemeCount);
            PhonemeCounts counts{};
            for (int i = 0; i < kPhonemeCount; ++i)
                counts[size_t(i)] = cells[i].toLongLong();
            QCOMPARE(describe(counts), describe(countsOf(rows[r])));
        }
    }

    void header() {
        const QString header = vocalith::zentabHeader();
        QVERIFY(header.startsWith(u"p\tb\tt\td\tt\u0283\td\u0292\tk"_s));
        QVERIFY(header.endsWith(u"\to\u028A\u0259\ta\u028A\u0259"_s));
        QCOMPARE(header.count(QLatin1Char('\t')), kPhonemeCount - 1);
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"

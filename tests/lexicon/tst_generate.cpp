// The generator of the words table on small sources: which words it keeps, which it hides
// from rhymes, and how the function words and the corrections override its entries.

#include "generate.h"
#include "testsupport.h"

using namespace vocalith::lexicon;
namespace test = vocalith::test;

class TestGenerate : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // The words table of the inputs, word → BrE, AmE, hiderhyme.
    QHash<QString, QStringList> generate(GeneratorInputs &inputs, GeneratorReport &report) {
        inputs.keepChanges = true;
        Table words;
        QString error;
        [&] { QVERIFY2(generateWords(inputs, words, report, &error), qPrintable(error)); }();
        QHash<QString, QStringList> rows;
        for (const auto &row : words.rows)
            rows.insert(row[0].toString(), {row[1].toString(), row[2].toString(), row[3].toString()});
        return rows;
    }

private slots:
    void hidden_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("listedInLowerCase");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("common word") << "nation" << true << false;
        QTest::newRow("name or rare word") << "aaberg" << false << true;
        QTest::newRow("apostrophe") << "o'clock" << true << true;
        QTest::newRow("abbreviation with dots") << "a.m." << true << true;
    }
    void hidden() {
        QFETCH(QString, word);
        QFETCH(bool, listedInLowerCase);
        QFETCH(bool, hidden);
        QCOMPARE(hiddenFromRhymes(word, listedInLowerCase), hidden);
    }

    // A word's first pronunciation counts, a word listed only with capitals is hidden from
    // rhymes, possessives of stored words are left to the transcriber, the American entry
    // follows the British one, and the rules are counted.
    void generator() {
        GeneratorInputs inputs;
        inputs.cmudict =
            test::writeFile(m_dir.filePath("index.js"),
                            "export const dictionary = {\n  \"caught\": \"K AA1 T\",\n  \"caught(2)\": \"K AO1 T\",\n"
                            "  \"wife\": \"W AY1 F\",\n  \"wife's\": \"W AY1 F S\",\n  \"Nasa\": \"N AE1 S AH0\",\n"
                            "  \"xanadu's\": \"Z AE1 N AH0 D UW2 Z\",\n}\n");
        inputs.wordLists = {test::writeFile(m_dir.filePath("list"), "caught\nWife\nwife\nNASA\n")};
        GeneratorReport report;
        const auto rows = generate(inputs, report);
        QCOMPARE(rows.value("caught"), QStringList({"kɔːt", "kɔːt", "0"}));
        QCOMPARE(rows.value("nasa").value(2), "1");
        QVERIFY(!rows.contains("wife's"));
        QVERIFY(rows.value("xanadu's").value(1).endsWith("uːz")); // no stem stored: kept, with the rule's ending
        QCOMPARE(report.possessivesLeftOut, 1);
        QCOMPARE(report.ruleCounts.value("AmE American THOUGHT"), 1);
        QVERIFY(report.changes.contains("American THOUGHT\tAmE\tcaught\tkɑːt\tkɔːt"));
    }

    // A function word's entry is its strong form; a correction replaces what it gives, the
    // American entry follows the corrected British one, and a word the sources lack is added
    // with its one transcription in both accents.
    void corrections() {
        GeneratorInputs inputs;
        inputs.cmudict =
            test::writeFile(m_dir.filePath("index2.js"),
                            "  \"cot\": \"K AA1 T\",\n  \"them\": \"DH EH1 M\",\n  \"dog\": \"D AO1 G\",\n");
        inputs.wordLists = {test::writeFile(m_dir.filePath("list2"), "cot\nthem\ndog\n")};
        inputs.functionWords = test::writeFile(m_dir.filePath("functionwords.tsv"),
                                               "word\tBrE_Strong\tAmE_Strong\nthem\tðem\tðɛm\nabsent\tx\tx\n");
        inputs.corrections = test::writeFile(m_dir.filePath("corrections.tsv"),
                                             "word\tBrE\tAmE\thiderhyme\ncot\tkɔːt\t\t\ndog\t\tdɑːɡ\t1\n"
                                             "Zyzzyva\t\tˈzɪz.ɪ.və\t\n");
        GeneratorReport report;
        const auto rows = generate(inputs, report);
        QCOMPARE(rows.value("them"), QStringList({"ðem", "ðɛm", "0"}));
        QCOMPARE(rows.value("cot"), QStringList({"kɔːt", "kɔːt", "0"}));
        QCOMPARE(rows.value("dog"), QStringList({"dɒɡ", "dɑːɡ", "1"}));
        QCOMPARE(rows.value("zyzzyva"), QStringList({"ˈzɪz.ɪ.və", "ˈzɪz.ɪ.və", "1"}));
        QCOMPARE(report.functionWords, 1);
        QCOMPARE(report.corrected, 2);
        QCOMPARE(report.added, 1);
    }

    // An inflected form follows its stem where the stem's entry is the better one: autumns,
    // which CMUdict lacks, after autumn (espeak-ng alone says ˈɔː.tʌmz); families after the
    // corrected family. What still differs is listed.
    void inflectionsFollowTheirStems() {
        GeneratorInputs inputs;
        inputs.cmudict = test::writeFile(m_dir.filePath("index3.js"),
                                         "  \"autumn\": \"AO1 T AH0 M\",\n  \"family\": \"F AE1 M AH0 L IY0\",\n"
                                         "  \"families\": \"F AE1 M AH0 L IY0 Z\",\n  \"house\": \"HH AW1 S\",\n");
        inputs.wordLists = {test::writeFile(m_dir.filePath("list3"), "autumn\nautumns\nfamily\nfamilies\nhouse\n")};
        inputs.corrections =
            test::writeFile(m_dir.filePath("corrections3.tsv"), "word\tBrE\tAmE\nfamily\tˈfæm.ə.li\t\n");
        GeneratorReport report;
        const auto rows = generate(inputs, report);
        QCOMPARE(rows.value("autumns").value(0), "ˈɔː.təmz");
        QCOMPARE(rows.value("families").value(0), "ˈfæm.ə.liz");
        QVERIFY(report.changes.contains("inflection from the stem\tBrE\tautumns\tˈɔː.tʌmz\tˈɔː.təmz"));
        for (const QString &line : report.inflectionMismatches)
            QVERIFY2(!line.contains("autumns") && !line.contains("families"), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestGenerate)
#include "tst_generate.moc"

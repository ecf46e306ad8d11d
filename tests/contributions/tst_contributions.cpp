// The user's words: the store's rules and transactions, the TSV file, and the transcriber
// reading them before the word list.

#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "engine/driver.h"
#include "testsupport.h"

#include <QSqlQuery>
#include <QTemporaryDir>

using namespace vocalith;
using namespace vocalith::contributions;

class TestContributions : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<ContributionStore> m_store;

    void add(const QString &word, const QString &british, const QString &american) {
        m_store->save(normalised(word, british, american));
    }
    // The stored rows as the TSV file has them, without the header.
    QByteArray stored() { return m_store->exportTsv().mid(kTsvHeader.size() + 1); }

private slots:
    void init() {
        m_db = contributions::open(m_dir.filePath(QString(QTest::currentTestFunction()) + QTest::currentDataTag()));
        m_store = std::make_unique<ContributionStore>(*m_db);
    }

    void boxesAsStoredOrRefused_data() {
        QTest::addColumn<QStringList>("boxes"); // word, BrE, AmE as typed
        QTest::addColumn<QString>("stored");    // or the refusal
        QTest::newRow("lower case, only american") << QStringList{"Cat", "", "KÆT"} << "cat||kæt";
        QTest::newRow("spaces, tab, line break") << QStringList{" a\tb ", "x\ny ", ""} << "a b|x y|";
        QTest::newRow("no word") << QStringList{"  ", "kæt", "kæt"} << kNoWord;
        QTest::newRow("no transcription") << QStringList{"cat", " ", ""} << kNoTranscription;
    }
    void boxesAsStoredOrRefused() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, stored);
        const Contribution c = normalised(boxes[0], boxes[1], boxes[2]);
        QCOMPARE(refusal(c).isEmpty() ? c.word + '|' + c.british + '|' + c.american : refusal(c), stored);
    }

    void storedListedFoundDeletedAsTyped() {
        const QString sql = "x'); delete from words; --";
        for (const QString &w : {QString("pear"), QString("Apple"), QString("o'clock"), sql, QString("100%_")})
            add(w, "w", "");
        add("PEAR", "", "pɛr"); // an update overwrites both columns
        add("Éclair", "e", ""); // NOCASE folds only ASCII: found through its lower case
        QCOMPARE(m_store->words(), (QStringList{"100%_", "apple", "o'clock", "pear", sql, "éclair"}));
        QCOMPARE(m_store->find("PEAR")->american + m_store->find("ÉCLAIR")->word, QString("pɛréclair"));
        QVERIFY(!m_store->find("100%") && !m_store->find("o'clocks"));
        QVERIFY(m_store->remove(sql) && m_store->remove("o'clock") && !m_store->remove("o'clock"));
        QCOMPARE(stored(), QByteArray("100%_\tw\t\napple\tw\t\npear\t\tpɛr\néclair\te\t\n"));
    }

    void failedWriteChangesNothing_data() {
        QTest::addColumn<QString>("setup"); // SQL run on the store's connection first
        QTest::addColumn<QString>("says");
        // Permission bits do not stop root; query_only makes SQLite refuse as for a read-only file.
        QTest::newRow("read-only") << "PRAGMA query_only = ON"
                                   << "readonly";
        QTest::newRow("disk full half-way") << "CREATE TRIGGER t BEFORE INSERT ON words WHEN NEW.word = 'dog' "
                                               "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"
                                            << "disk is full";
    }
    void failedWriteChangesNothing() {
        QFETCH(QString, setup);
        QFETCH(QString, says);
        add("cat", "kæt", "kæt");
        QVERIFY(QSqlQuery(m_db->database()).exec(setup));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, m_store->importTsv("cat\tkat\t\nant\tænt\t\ndog\tdɒɡ\t\n"));
        try {
            add("dog", "dɒɡ", "");
            QFAIL("the write went through");
        } catch (const DatabaseError &e) {
            QVERIFY2(e.message().contains(says), qPrintable(e.message()));
        }
        QCOMPARE(stored(), QByteArray("cat\tkæt\tkæt\n"));
    }

    void importReportsAndRoundTrips() {
        add("cat", "kæt", "kæt");
        const ImportReport report =
            m_store->importTsv("\xEF\xBB\xBFword\tBrE\tAmE\r\nDog\tdɒɡ\t\r\n\ncat\t\tkat\n\tx\ty\nant\t \t\n"
                               "four\tcolumns\there\ttoo\nbad\t\xC3\x28\t\n");
        QCOMPARE(reportText(report),
                 QString("1 added, 1 updated, 4 refused.\nline 5: no word\nline 6: no transcription\n"
                         "line 7: wrong number of columns (4 instead of 3)\nline 8: not UTF-8 text"));
        QCOMPARE(stored(), QByteArray("cat\t\tkat\ndog\tdɒɡ\t\n"));
        QString error;
        QCOMPARE(m_store->exportFile(m_dir.filePath("mine.tsv"), &error), std::optional<int>(2));
        auto otherDb = contributions::open(m_dir.filePath("other"));
        ContributionStore(*otherDb).importTsv(readFile(m_dir.filePath("mine.tsv"), &error).value());
        QCOMPARE(ContributionStore(*otherDb).exportTsv(), m_store->exportTsv());
    }

    void transcriberReadsTheUserWordsFirst_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("off"); // the lexicon alone
        QTest::addColumn<QString>("on");
        QTest::newRow("word list replaced; word of the user only") << "cat blorf" << false << "kæt <blorf>"
                                                                   << "kat blɔːf";
        QTest::newRow("empty column keeps the word list") << "cat" << true << "kæt"
                                                          << "kæt";
        QTest::newRow("capitals in the user's file") << "dog" << false << "dɒɡ"
                                                     << "dɔɡ";
        QTest::newRow("collocation wins") << "have read, read" << false << "<have> red <,> <read>"
                                          << "<have> red <,> riːd";
        QTest::newRow("function word and is rule win") << "the cat is" << false << "ðə kæt ɪz"
                                                       << "ðə kat ɪz";
        QTest::newRow("linking r, hyphen, possessive") << "blur egg-dog cat's" << false << "<blur> eɡ dɒɡ kæts"
                                                       << "blɜːr eɡ dɔɡ kats";
    }
    void transcriberReadsTheUserWordsFirst() {
        QFETCH(QString, text);
        QFETCH(bool, american);
        QFETCH(QString, off);
        QFETCH(QString, on);
        for (const QString row : {"cat|kat|", "blorf|blɔːf|", "the|ðʌ|ðʌ", "read|riːd|", "is|ɪs|", "blur|blɜː(r)|"})
            add(row.section('|', 0, 0), row.section('|', 1, 1), row.section('|', 2, 2));
        m_db->execute("INSERT INTO words VALUES ('Dog', 'dɔɡ', '')");
        auto lexiconDb = test::openFixture(QStringLiteral("engine"));
        Lexicon lexicon(*lexiconDb);
        const Accent accent = american ? Accent::AmE : Accent::BrE;
        QCOMPARE(Transcribe(text, accent, lexicon).value(), off);
        lexicon.setWordOverlay(m_store->overlay());
        QCOMPARE(Transcribe(text, accent, lexicon).value(), on);
        lexicon.setWordOverlay({});
        QCOMPARE(Transcribe(text, accent, lexicon).value(), off);
    }
};

QTEST_GUILESS_MAIN(TestContributions)
#include "tst_contributions.moc"

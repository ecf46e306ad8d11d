// The user's words: the store's rules, its transactions, the TSV file, and the
// transcriber reading them before the word list.

#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "engine/driver.h"
#include "testsupport.h"

#include <QSqlQuery>
#include <QTemporaryDir>

using namespace vocalith;
using namespace vocalith::contributions;

namespace {

// "word|BrE|AmE" per stored row, in the list's order.
QStringList rows(ContributionStore &store) {
    QStringList out;
    for (const Contribution &c : store.all())
        out << c.word + QLatin1Char('|') + c.british + QLatin1Char('|') + c.american;
    return out;
}

} // namespace

class TestContributions : public QObject {
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<ContributionStore> m_store;

    void add(const QString &word, const QString &british, const QString &american) {
        m_store->save(normalised(word, british, american));
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        m_db = contributions::open(m_dir->filePath(QStringLiteral("ContributionDB.sqlite")));
        QVERIFY(m_db);
        m_store = std::make_unique<ContributionStore>(*m_db);
    }
    void cleanup() {
        m_store.reset();
        m_db.reset();
        delete m_dir;
    }

    // ------------------------------------------------------------ the panel's rules

    void normalisedAndRefused_data() {
        QTest::addColumn<QStringList>("boxes"); // word, BrE, AmE as typed
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("lower case") << QStringList{"Cat", "KÆT", ""} << QStringList{"cat", "kæt", ""} << "";
        QTest::newRow("only american") << QStringList{"cat", "", "kæt"} << QStringList{"cat", "", "kæt"} << "";
        QTest::newRow("spaces around") << QStringList{"  cat ", " kæt", "kæt  "} << QStringList{"cat", "kæt", "kæt"}
                                       << "";
        QTest::newRow("tab and line break inside")
            << QStringList{"ice\tcream", "aɪs\r\nkriːm", ""} << QStringList{"ice cream", "aɪs  kriːm", ""} << "";
        QTest::newRow("no word") << QStringList{"", "kæt", "kæt"} << QStringList{"", "kæt", "kæt"} << kNoWord;
        QTest::newRow("only spaces for word") << QStringList{"   ", "kæt", ""} << QStringList{"", "kæt", ""} << kNoWord;
        QTest::newRow("no word, no transcription") << QStringList{"", "", ""} << QStringList{"", "", ""} << kNoWord;
        QTest::newRow("no transcription")
            << QStringList{"cat", " ", ""} << QStringList{"cat", "", ""} << kNoTranscription;
    }
    void normalisedAndRefused() {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, stored);
        QFETCH(QString, refusal);
        const Contribution c = normalised(boxes[0], boxes[1], boxes[2]);
        QCOMPARE((QStringList{c.word, c.british, c.american}), stored);
        QCOMPARE(contributions::refusal(c), refusal);
    }

    void addThenUpdateOverwritesBothColumns() {
        QCOMPARE(m_store->save(normalised("Cat", "kæt", "kæt")), ContributionStore::Saved::Added);
        QCOMPARE(m_store->save(normalised("CAT", "", "kat")), ContributionStore::Saved::Updated);
        QCOMPARE(rows(*m_store), QStringList{"cat||kat"});
    }

    // Words that would break SQL built from text are stored, listed, found and deleted as typed.
    void wordsAsTyped_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("apostrophe") << "o'clock";
        QTest::newRow("quotes") << "rock 'n' roll \"live\"";
        QTest::newRow("looks like sql") << "x'); delete from words; --";
        QTest::newRow("like wildcards") << "100%_sure";
    }
    void wordsAsTyped() {
        QFETCH(QString, word);
        add("zebra", "ˈzeb.rə", "");
        add(word, "w", "");
        QCOMPARE(m_store->words(), (QStringList{word, "zebra"}));
        QCOMPARE(m_store->find(word)->british, QStringLiteral("w"));
        QVERIFY(!m_store->find(word.left(word.size() - 1)));
        QVERIFY(m_store->remove(word));
        QCOMPARE(m_store->words(), QStringList{"zebra"});
    }

    void listIsAlphabeticalAfterEveryChange() {
        add("pear", "peə", "");
        QCOMPARE(m_store->words(), QStringList{"pear"});
        add("Apple", "ˈæp.l̩", "");
        QCOMPARE(m_store->words(), (QStringList{"apple", "pear"}));
        add("banana", "bəˈnɑː.nə", "");
        QCOMPARE(m_store->words(), (QStringList{"apple", "banana", "pear"}));
        add("apple", "", "ˈæp.əl");
        QCOMPARE(m_store->words(), (QStringList{"apple", "banana", "pear"}));
        QVERIFY(m_store->remove("banana"));
        QCOMPARE(m_store->words(), (QStringList{"apple", "pear"}));
        QVERIFY(!m_store->remove("banana"));
    }

    void findAsGivenThenInLowerCase() {
        add("éclair", "eɪˈkleə", "");
        // A file the user brought may hold capitals, which the lower-cased lookup would miss.
        m_db->execute("INSERT INTO words (word, BrE, AmE) VALUES ('Élan', 'eɪˈlɒn', NULL)");
        QCOMPARE(m_store->find("ÉCLAIR")->word, QStringLiteral("éclair"));
        QCOMPARE(m_store->find("Élan")->american, QString());
        QVERIFY(!m_store->find("élan2"));
    }

    // ------------------------------------------------------------ failed writes

    void failedWriteChangesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("databaseSays");
        QTest::newRow("read-only") << "readonly"
                                   << "readonly";
        QTest::newRow("locked by another program") << "locked"
                                                   << "locked";
        QTest::newRow("disk full half-way") << "trigger"
                                            << "disk is full";
    }
    void failedWriteChangesNothing() {
        QFETCH(QString, how);
        QFETCH(QString, databaseSays);
        add("cat", "kæt", "kæt");
        const QStringList before = rows(*m_store);
        std::unique_ptr<Connection> other;
        QSqlDatabase db = m_db->database();
        if (how == "readonly") {
            // Permission bits do not stop root; query_only makes SQLite refuse as for a read-only file.
            QSqlQuery(db).exec("PRAGMA query_only = ON");
        } else if (how == "locked") {
            QSqlQuery(db).exec("PRAGMA busy_timeout = 0");
            other = contributions::open(m_db->path());
            QVERIFY(QSqlQuery(other->database()).exec("BEGIN EXCLUSIVE"));
        } else {
            QVERIFY(QSqlQuery(db).exec("CREATE TRIGGER full BEFORE INSERT ON words WHEN NEW.word = 'dog' "
                                       "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
        }

        const QByteArray tsv = "word\tBrE\tAmE\ncat\tkat\t\nant\tænt\t\ndog\tdɒɡ\t\n";
        const std::function<void()> writes[] = {
            [&] { add("cat", "kat", ""); },
            [&] {
                add("ant", "ænt", "");
                add("dog", "dɒɡ", "");
            },
            [&] { m_store->remove("cat"); },
            [&] { m_store->importTsv(tsv); },
        };
        int failed = 0;
        for (const auto &write : writes) {
            try {
                write();
            } catch (const DatabaseError &e) {
                ++failed;
                QVERIFY2(e.message().contains(databaseSays), qPrintable(e.message()));
            }
        }
        if (how == "trigger")
            QCOMPARE(failed, 2); // the second add and the import
        else
            QCOMPARE(failed, 4);
        other.reset();
        QSqlQuery(db).exec("PRAGMA query_only = OFF");
        if (how == "trigger") {
            QCOMPARE(rows(*m_store), (QStringList{"ant|ænt|"})); // the first add; the cat was deleted
        } else {
            QCOMPARE(rows(*m_store), before);
        }
    }

    // ------------------------------------------------------------ TSV

    void exportFormat() {
        add("o'clock", "əˈklɒk", "əˈklɑːk");
        add("colour", "ˈkʌl.ə(r)", "");
        m_db->execute("INSERT INTO words (word, BrE, AmE) VALUES ('tab', 'a\tb', NULL)");
        QCOMPARE(m_store->exportTsv(), QByteArray("word\tBrE\tAmE\n"
                                                  "colour\tˈkʌl.ə(r)\t\n"
                                                  "o'clock\təˈklɒk\təˈklɑːk\n"
                                                  "tab\ta b\t\n"));
    }

    void importReport_data() {
        QTest::addColumn<QByteArray>("tsv");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("stored");
        // The store holds cat|kæt|kæt before each import.
        QTest::newRow("header, add and update")
            << QByteArray("word\tBrE\tAmE\nDog\tdɒɡ\tdɑːɡ\ncat\t\tkat\n") << "1 added, 1 updated, 0 refused."
            << QStringList{"cat||kat", "dog|dɒɡ|dɑːɡ"};
        QTest::newRow("no header, CR LF, BOM, blank lines")
            << QByteArray("\xEF\xBB\xBF"
                          "ant\tænt\t\r\n\r\n\negg\t\teɡ\r\n")
            << "2 added, 0 updated, 0 refused." << QStringList{"ant|ænt|", "cat|kæt|kæt", "egg||eɡ"};
        QTest::newRow("refused lines with their numbers")
            << QByteArray("word\tBrE\tAmE\n\tx\ty\nant\t \t\nfour\tcolumns\there\ttoo\ntwo\tcolumns\n"
                          "bad\t\xC3\x28\t\negg\teɡ\t\n")
            << "1 added, 0 updated, 5 refused.\nline 2: no word\nline 3: no transcription\n"
               "line 4: wrong number of columns (4 instead of 3)\nline 5: wrong number of columns (2 instead of "
               "3)\nline 6: not UTF-8 text"
            << QStringList{"cat|kæt|kæt", "egg|eɡ|"};
        QTest::newRow("the same word twice: the last wins")
            << QByteArray("ant\tænt\t\nant\tant\t\n") << "1 added, 1 updated, 0 refused."
            << QStringList{"ant|ant|", "cat|kæt|kæt"};
        QTest::newRow("empty file") << QByteArray() << "0 added, 0 updated, 0 refused." << QStringList{"cat|kæt|kæt"};
    }
    void importReport() {
        QFETCH(QByteArray, tsv);
        QFETCH(QString, report);
        QFETCH(QStringList, stored);
        add("cat", "kæt", "kæt");
        QCOMPARE(reportText(m_store->importTsv(tsv)), report);
        QCOMPARE(rows(*m_store), stored);
    }

    void roundTripThroughAFile() {
        add("o'clock", "əˈklɒk", "əˈklɑːk");
        add("colour", "ˈkʌl.ə(r)", "");
        add("x'); drop table words; --", "", "x");
        QString error;
        const QString path = m_dir->filePath("mine.tsv");
        QCOMPARE(m_store->exportFile(path, &error), std::optional<int>(3));
        auto otherDb = contributions::open(m_dir->filePath("Other.sqlite"));
        ContributionStore other(*otherDb);
        const std::optional<QByteArray> tsv = readFile(path, &error);
        QVERIFY(tsv);
        QCOMPARE(reportText(other.importTsv(*tsv)), QStringLiteral("3 added, 0 updated, 0 refused."));
        QCOMPARE(rows(other), rows(*m_store));
        QCOMPARE(other.exportTsv(), *tsv);
    }

    void filesThatCannotBeUsed() {
        QString error;
        QVERIFY(!m_store->exportFile(m_dir->filePath("no/such/folder/mine.tsv"), &error));
        QVERIFY(error.startsWith("Your words could not be saved in "));
        QVERIFY(!readFile(m_dir->filePath("missing.tsv"), &error));
        QVERIFY(error.startsWith("The file "));
    }

    // ------------------------------------------------------------ the transcriber

    void transcriberReadsTheUserWordsFirst_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("withoutMine"); // option off: the lexicon alone
        QTest::addColumn<QString>("withMine");    // option on
        QTest::newRow("word list replaced") << "cat" << false << "kæt"
                                            << "kat";
        QTest::newRow("empty column keeps the word list") << "cat" << true << "kæt"
                                                          << "kæt";
        QTest::newRow("a word the lexicon lacks") << "blorf" << false << "<blorf>"
                                                  << "blɔːf";
        QTest::newRow("a column the lexicon lacks") << "colour" << true << "<colour>"
                                                    << "ˈkʌl.ɚ";
        QTest::newRow("capitals in the user's file") << "dog" << false << "dɒɡ"
                                                     << "dɔɡ";
        QTest::newRow("collocation wins") << "have read" << false << "<have> red"
                                          << "<have> red";
        QTest::newRow("word list place of a collocation word") << "read" << false << "<read>"
                                                               << "riːd";
        QTest::newRow("function word wins") << "the cat" << false << "ðə kæt"
                                            << "ðə kat";
        QTest::newRow("is rule wins, after the user's word") << "cat is good" << false << "kæt s ɡʊd"
                                                             << "kat s ɡʊd";
        QTest::newRow("linking r of the user's word") << "blur egg" << false << "<blur> eɡ"
                                                      << "blɜːr eɡ";
        QTest::newRow("parts of a hyphenated word") << "cat-dog" << false << "kæt dɒɡ"
                                                    << "kat dɔɡ";
        QTest::newRow("possessive") << "cat's" << false << "kæts"
                                    << "kats";
    }
    void transcriberReadsTheUserWordsFirst() {
        QFETCH(QString, text);
        QFETCH(bool, american);
        QFETCH(QString, withoutMine);
        QFETCH(QString, withMine);
        add("cat", "kat", "");
        add("blorf", "blɔːf", "blɔːrf");
        add("colour", "", "ˈkʌl.ɚ");
        add("the", "ðʌ", "ðʌ");
        add("read", "riːd", "riːd");
        add("is", "ɪs", "ɪs");
        add("blur", "blɜː(r)", "blɝ");
        m_db->execute("INSERT INTO words (word, BrE, AmE) VALUES ('Dog', 'dɔɡ', '')");

        auto lexiconDb = test::openFixture(QStringLiteral("engine"));
        QVERIFY(lexiconDb);
        Lexicon lexicon(*lexiconDb);
        const Accent accent = american ? Accent::AmE : Accent::BrE;
        QCOMPARE(Transcribe(text, accent, lexicon).value(), withoutMine);
        lexicon.setWordOverlay(m_store->overlay());
        QCOMPARE(Transcribe(text, accent, lexicon).value(), withMine);
        lexicon.setWordOverlay({});
        QCOMPARE(Transcribe(text, accent, lexicon).value(), withoutMine);
    }

    void overlayOffIsTheLexiconAlone() {
        add("cat", "kat", "kat");
        add("the", "ðʌ", "ðʌ");
        const QString text =
            "The cat's idea is well-known. Have read the colour, father,\r\nand four apples at four o'clock.";
        auto lexiconDb = test::openFixture(QStringLiteral("engine"));
        for (Accent accent : {Accent::BrE, Accent::AmE}) {
            Lexicon plain(*lexiconDb);
            Lexicon overlaid(*lexiconDb);
            overlaid.setWordOverlay(m_store->overlay());
            QVERIFY(Transcribe(text, accent, overlaid) != Transcribe(text, accent, plain));
            overlaid.setWordOverlay({});
            QCOMPARE(Transcribe(text, accent, overlaid), Transcribe(text, accent, plain));
        }
    }
};

QTEST_GUILESS_MAIN(TestContributions)
#include "tst_contributions.moc"

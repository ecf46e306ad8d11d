// The user's words: the store's rules and transactions, the TSV file, the transcriber
// reading them before the word list; the update-db panel wired to its store and the main
// window's "Use my words" box.

#include "app/messages.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "contributions/ui/contributionpanel.h"
#include "engine/driver.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QToolButton>
#include <array>

using namespace vocalith;
using namespace vocalith::contributions;

class TestContributions : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    test::RecordedMessages m_messages;
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<ContributionStore> m_store;
    std::unique_ptr<ContributionPanel> m_panel;

    void add(const QString &word, const QString &british, const QString &american) {
        m_store->save(normalised(word, british, american));
    }
    // The stored rows as the TSV file has them, without the header.
    QByteArray stored() { return m_store->exportTsv().mid(kTsvHeader.size() + 1); }

    // The panel on a store of two words, shown.
    void showPanel() {
        add("pear", "peə", "per");
        add("o'clock", "əˈklɒk", "əˈklɑːk");
        m_panel = std::make_unique<ContributionPanel>(m_messages);
        m_panel->fill(*m_db);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    template <typename T = QLineEdit>
    T *get(const char *name) const {
        return test::child<T>(m_panel.get(), name);
    }
    QStringList boxes() const { return {get("txtWord")->text(), get("txtBrE")->text(), get("txtAmE")->text()}; }
    QStringList listed() const {
        QStringList items;
        for (int i = 0; i < get<QComboBox>("cmbContributionList")->count(); ++i)
            items << get<QComboBox>("cmbContributionList")->itemText(i);
        return items;
    }
    void type(const QStringList &texts) {
        for (int i = 0; i < 3; ++i)
            get(std::array{"txtWord", "txtBrE", "txtAmE"}[i])->setText(texts[i]);
    }

private slots:
    void init() {
        m_messages = {};
        m_db = contributions::open(m_dir.filePath(QString(QTest::currentTestFunction()) + QTest::currentDataTag()));
        m_store = std::make_unique<ContributionStore>(*m_db);
    }
    void cleanup() { m_panel.reset(); }

    void storedListedFoundDeletedAsTyped() {
        const QString sql = "x'); delete from words; --";
        for (const QString &w : {QString("pear"), QString("Apple"), QString("o'clock"), sql, QString("100%_")})
            add(w, "w", "");
        add("PEAR", "", "pɛr");     // an update overwrites both columns
        add("Éclair", "e", "");     // NOCASE folds only ASCII: found through its lower case
        add(" a\tb ", "x\ny ", ""); // no tab or line break to break the TSV file
        QCOMPARE(m_store->words(), (QStringList{"100%_", "a b", "apple", "o'clock", "pear", sql, "éclair"}));
        QCOMPARE(m_store->find("PEAR")->american + m_store->find("ÉCLAIR")->word, QString("pɛréclair"));
        QVERIFY(!m_store->find("100%") && !m_store->find("o'clocks"));
        QVERIFY(m_store->remove(sql) && m_store->remove("o'clock") && !m_store->remove("o'clock"));
        QCOMPARE(stored(), QByteArray("100%_\tw\t\na b\tx y\t\napple\tw\t\npear\t\tpɛr\néclair\te\t\n"));
    }

    // The disk fills up half-way through: nothing is changed and the message says why.
    void failedWriteChangesNothing() {
        add("cat", "kæt", "kæt");
        QVERIFY(QSqlQuery(m_db->database())
                    .exec("CREATE TRIGGER t BEFORE INSERT ON words WHEN NEW.word = 'dog' "
                          "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, m_store->importTsv("cat\tkat\t\nant\tænt\t\ndog\tdɒɡ\t\n"));
        try {
            add("dog", "dɒɡ", "");
            QFAIL("the write went through");
        } catch (const DatabaseError &e) {
            QVERIFY2(e.message().contains("disk is full"), qPrintable(e.message()));
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

    // A file that is not a contribution database is left as it was; a folder that cannot
    // be made gives no database.
    void unusableFilesLeftAlone() {
        QVERIFY(Connection::openReadWrite(m_dir.filePath("table"), {"CREATE TABLE other (x)"}, {}));
        for (const QString &path :
             {test::writeFile(m_dir.filePath("garbage"), QByteArray(8192, 'Z')), m_dir.filePath("table")}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray before = f.readAll();
            QVERIFY(!contributions::open(path));
            QVERIFY(f.seek(0));
            QCOMPARE(f.readAll(), before);
        }
        QVERIFY(!contributions::open(m_dir.filePath("no/such/folder/ContributionDB.sqlite")));
    }

    // The user's words replace the word list's and their derived forms; an empty column
    // leaves the word list's; the stored word may have capitals.
    void transcriberReadsTheUserWordsFirst() {
        for (const QString row : {"cat|kat|", "blorf|blɔːf|", "blur|blɜː(r)|"})
            add(row.section('|', 0, 0), row.section('|', 1, 1), row.section('|', 2, 2));
        m_db->execute("INSERT INTO words VALUES ('Dog', 'dɔɡ', '')");
        auto lexiconDb = test::openFixture("engine");
        Lexicon lexicon(*lexiconDb);
        const QString text = "cat blorf dog blur egg-dog cat's";
        QCOMPARE(Transcribe(text, Accent::BrE, lexicon).value(), "kæt <blorf> dɒɡ <blur> eɡ dɒɡ kæts");
        lexicon.setWordOverlay(m_store->overlay());
        QCOMPARE(Transcribe(text, Accent::BrE, lexicon).value(), "kat blɔːf dɔɡ blɜːr eɡ dɔɡ kats");
        QCOMPARE(Transcribe("cat", Accent::AmE, lexicon).value(), "kæt");
        lexicon.setWordOverlay({});
        QCOMPARE(Transcribe(text, Accent::BrE, lexicon).value(), "kæt <blorf> dɒɡ <blur> eɡ dɒɡ kæts");
    }

    void updateWord_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("listed");
        // clang-format off
        QTest::newRow("added") << QStringList{"Apple", "ˈæp.l̩", ""} << "" << "txtAmE" << "apple o'clock pear";
        QTest::newRow("no word") << QStringList{"", "kæt", ""} << kNoWord << "txtWord" << "o'clock pear";
        QTest::newRow("no transcription") << QStringList{"cat", " ", ""} << kNoTranscription << "txtBrE" << "o'clock pear";
        // clang-format on
    }
    void updateWord() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, listed);
        showPanel();
        type(typed);
        get("txtAmE")->setFocus();
        get<QToolButton>("picUpdateBD")->click();
        QCOMPARE(m_messages.shown.join(""), message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(this->listed().join(' '), listed);
        QCOMPARE(boxes(), typed); // the boxes keep what was typed
    }

    void pickThenDeleteAfterAsking() {
        showPanel();
        get<QComboBox>("cmbContributionList")->setFocus();
        QTest::keyClick(get<QComboBox>("cmbContributionList"), Qt::Key_Down); // the first entry, as a user picks it
        QCOMPARE(boxes(), (QStringList{"o'clock", "əˈklɒk", "əˈklɑːk"}));
        get<QToolButton>("picRemove")->click(); // answered No
        QCOMPARE(listed().size(), 2);
        m_messages.answer = true;
        get("txtWord")->setText("O'CLOCK");
        get<QToolButton>("picRemove")->click();
        QCOMPARE(m_messages.asked, QStringList(2, kDeleteQuestion.arg("o'clock")));
        QCOMPARE(listed(), QStringList{"pear"});
    }

    void readOnlyFileLosesNothing() {
        showPanel();
        QFile(m_db->path()).setPermissions(QFileDevice::ReadOwner);
        QSqlQuery(m_db->database()).exec("PRAGMA query_only = ON"); // for root, whom the bits do not stop
        type({"pear", "", "pɛr"});
        get<QToolButton>("picUpdateBD")->click();
        QVERIFY(m_messages.shown.value(0).contains("readonly"));
        QCOMPARE(boxes(), (QStringList{"pear", "", "pɛr"}));
        QCOMPARE(m_store->find("pear")->american, QStringLiteral("per"));
    }

    void exportAndImportThroughTheirDialogs() {
        showPanel();
        QString answer; // empty: the dialog was cancelled
        m_panel->setFileChoosers([&](QWidget *) { return answer; }, [&](QWidget *) { return answer; });
        get<QToolButton>("picExportWords")->click();
        answer = m_dir.filePath("mine.tsv");
        get<QToolButton>("picExportWords")->click();
        m_store->remove("pear");
        get<QToolButton>("picImportWords")->click();
        QCOMPARE(m_messages.shown, (QStringList{kExported.arg(2).arg(answer), "1 added, 1 updated, 0 refused."}));
        QCOMPARE(listed().size(), 2);
    }

    void mainWindowUsesMyWordsWhenAsked() {
        const QString path = m_dir.filePath("ContributionDB.sqlite"); // where the window looks
        ContributionStore(*contributions::open(path)).save(normalised("cat", "kat", ""));
        for (const bool reduced : {false, true}) {
            if (reduced) // a folder where the file should be: it cannot be opened
                QVERIFY(QFile::remove(path) && QDir().mkpath(path));
            const auto window = test::startMainWindow(test::fixturePath("engine"), m_dir, m_messages);
            auto *use = window->findChild<QCheckBox *>("chkUseMyWords");
            QCOMPARE(use->isEnabled(), !reduced);
            if (!reduced)
                use->click(); // saved at once, kept for the next start
            QVERIFY(use->isChecked());
            window->findChild<QPlainTextEdit *>("txtWords")->setPlainText("cat");
            window->transcribe();
            QCOMPARE(window->storedTranscription(), QString(reduced ? "kæt" : "kat"));
        }
        QCOMPARE(m_messages.shown, QStringList{messages::kContributionsNotAvailable});
    }
};

QTEST_MAIN(TestContributions)
#include "tst_contributions.moc"

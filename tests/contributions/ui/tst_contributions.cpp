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
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
        add("PEAR", "", "pɛr");    // an update overwrites both columns
        add("Éclair", "e", "");    // NOCASE folds only ASCII: found through its lower case
        add(" a\tb ", "x y ", ""); // no tab or line break in a word to break the TSV file
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

    // An empty column leaves the stored transcription; a transcription that would break the
    // transcriber's tokens is refused.
    void importReportsAndRoundTrips() {
        add("cat", "kæt", "kæt");
        add("scone", "skɒn", "skoʊn");
        const ImportReport report =
            m_store->importTsv("\xEF\xBB\xBFword\tBrE\tAmE\r\nDog\tdɒɡ\t\r\n\ncat\t\tkat\n\tx\ty\nant\t \t\n"
                               "four\tcolumns\there\ttoo\nbad\t\xC3\x28\t\nScone\tskəʊn\t\ndot\t<.>\t\ncr\tk\ra\t\n");
        QCOMPARE(reportText(report),
                 QString("1 added, 2 updated, 6 refused.\nline 5: no word\nline 6: no transcription\n"
                         "line 7: wrong number of columns (4 instead of 3)\nline 8: not UTF-8 text\nline 10: %1\n"
                         "line 11: %1")
                     .arg(kRefusedMark));
        QCOMPARE(reportText(report, 2), QString("1 added, 2 updated, 6 refused.\nline 5: no word\n"
                                                "line 6: no transcription\nand 4 more."));
        QCOMPARE(stored(), QByteArray("cat\tkæt\tkat\ndog\tdɒɡ\t\nscone\tskəʊn\tskoʊn\n"));
        QString error;
        int count = 0;
        QVERIFY(m_store->exportFile(m_dir.filePath("mine.tsv"), &error, &count));
        QCOMPARE(count, 3);
        auto otherDb = contributions::open(m_dir.filePath("other"));
        ContributionStore(*otherDb).importTsv(readFile(m_dir.filePath("mine.tsv"), &error).value());
        QCOMPARE(ContributionStore(*otherDb).exportTsv(), m_store->exportTsv());
    }

    // A file that never existed, one left empty by a program killed while creating it, and a
    // database with no table yet all get the schema, and keep their bytes once it is there.
    void emptyFilesGetTheSchema() {
        for (const QString name : {"missing", "empty", "no tables"}) {
            const QString path = m_dir.filePath(name);
            if (name != QLatin1String("missing"))
                test::writeFile(path, "");
            if (name == QLatin1String("no tables"))
                QVERIFY(Connection::openReadWrite(path, {"PRAGMA user_version = 7"}, {}));
            auto db = contributions::open(path);
            QVERIFY2(db, qPrintable(name));
            ContributionStore(*db).save(normalised(name, "x", ""));
            QCOMPARE(ContributionStore(*contributions::open(path)).words(), QStringList{name});
        }
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
            Failure failure;
            QVERIFY(!contributions::open(path, &failure));
            QCOMPARE(failure.head, messages::kWordsNotOpened.arg(path));
            QVERIFY2(failure.reason.startsWith("It is damaged or is not a word list"), qPrintable(failure.reason));
            QVERIFY(f.seek(0));
            QCOMPARE(f.readAll(), before);
        }
        Failure failure;
        QVERIFY(!contributions::open(m_dir.filePath("no/such/folder/ContributionDB.sqlite"), &failure));
        QVERIFY2(failure.reason.startsWith("The file cannot be made or opened there"), qPrintable(failure.reason));
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
        QTest::addColumn<QString>("notice"); // what the panel says it did
        // clang-format off
        QTest::newRow("added") << QStringList{"Apple", "ˈæp.l̩", ""} << "" << "txtAmE" << "apple o'clock pear"
                               << kAdded.arg("apple");
        QTest::newRow("replaced") << QStringList{"PEAR", "", "pɛr"} << "" << "txtAmE" << "o'clock pear"
                                  << kReplaced.arg("pear");
        QTest::newRow("no word") << QStringList{"", "kæt", ""} << kNoWord << "txtWord" << "o'clock pear" << "";
        QTest::newRow("no transcription") << QStringList{"cat", " ", ""} << kNoTranscription << "txtBrE" << "o'clock pear" << "";
        QTest::newRow("tab") << QStringList{"cat", "k\tæt", ""} << kMarkInTranscription << "txtBrE" << "o'clock pear" << "";
        QTest::newRow("line break") << QStringList{"cat", "kæt", "k\næt"} << kMarkInTranscription << "txtAmE" << "o'clock pear" << "";
        QTest::newRow("punctuation token") << QStringList{"cat", "kæt", "kæt <.>"} << kMarkInTranscription << "txtAmE"
                                           << "o'clock pear" << "";
        QTest::newRow("unknown word mark") << QStringList{"cat", "<cat>", ""} << kMarkInTranscription << "txtBrE"
                                           << "o'clock pear" << "";
        // clang-format on
    }
    void updateWord() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, listed);
        QFETCH(QString, notice);
        showPanel();
        type(typed);
        get("txtAmE")->setFocus();
        get<QToolButton>("picUpdateBD")->click();
        QCOMPARE(m_messages.shown.join(""), message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(this->listed().join(' '), listed);
        QCOMPARE(boxes(), typed); // the boxes keep what was typed
        QCOMPARE(get<QLabel>("lblContribution")->text(), notice);
        if (message.isEmpty())
            QCOMPARE(m_store->find(typed[0])->american, typed[2]);
        else
            QVERIFY(!m_store->find("cat"));
    }

    void pickThenDeleteAfterAsking() {
        showPanel();
        get<QComboBox>("cmbContributionList")->setFocus();
        QTest::keyClick(get<QComboBox>("cmbContributionList"), Qt::Key_Down); // the first entry, as a user picks it
        QCOMPARE(boxes(), (QStringList{"o'clock", "əˈklɒk", "əˈklɑːk"}));
        get<QToolButton>("picRemove")->click(); // answered No
        QCOMPARE(listed().size(), 2);
        QCOMPARE(boxes(), (QStringList{"o'clock", "əˈklɒk", "əˈklɑːk"}));
        m_messages.answer = true;
        get("txtWord")->setText("O'CLOCK");
        get<QToolButton>("picRemove")->click();
        QCOMPARE(m_messages.asked, QStringList(2, kDeleteQuestion.arg("o'clock")));
        QCOMPARE(listed(), QStringList{"pear"});
        QCOMPARE(boxes(), QStringList(3, QString()));
        QCOMPARE(get<QLabel>("lblContribution")->text(), kDeleted.arg("o'clock"));
    }

    // A write that fails says which file and why in words the user can act on, never the
    // statement; nothing is lost, the boxes keep what was typed.
    void failedUpdateSaysWhy_data() {
        QTest::addColumn<QString>("reason");
        QTest::newRow("locked") << messages::kWordsLocked;
        QTest::newRow("read-only") << messages::kWordsReadOnly;
        QTest::newRow("full") << messages::kWordsFull;
        QTest::newRow("damaged") << messages::kWordsDamaged.arg("file is not a database");
    }
    void failedUpdateSaysWhy() {
        QFETCH(QString, reason);
        showPanel();
        QSqlQuery sql(m_db->database());
        QVERIFY(sql.exec("PRAGMA busy_timeout = 100"));
        const QString tag = QTest::currentDataTag();
        auto other = contributions::open(m_db->path()); // a second program
        const QString bre = tag == "full" ? QString(20000, QChar(u'ə')) : "peə";
        if (tag == "locked") {
            QVERIFY(QSqlQuery(other->database()).exec("BEGIN IMMEDIATE"));
        } else if (tag == "read-only") {
            QFile(m_db->path()).setPermissions(QFileDevice::ReadOwner);
            QVERIFY(sql.exec("PRAGMA query_only = ON")); // for root, whom the bits do not stop
        } else if (tag == "full") {
            QVERIFY(sql.exec("PRAGMA page_count") && sql.next());
            QVERIFY(sql.exec(QString("PRAGMA max_page_count = %1").arg(sql.value(0).toInt())));
        } else {
            QFile f(m_db->path());
            QVERIFY(f.open(QIODevice::ReadWrite) && f.write(QByteArray(100, 'Z')) == 100);
        }
        type({"pear", bre, "pɛr"});
        get<QToolButton>("picUpdateBD")->click();
        QCOMPARE(m_messages.shown, QStringList{messages::kWordsNotChanged.arg(m_db->path()) + '\n' + reason});
        QCOMPARE(boxes(), (QStringList{"pear", bre, "pɛr"}));
        QCOMPARE(get<QLabel>("lblContribution")->text(), QString());
        if (tag != "damaged") {
            QSqlQuery(other->database()).exec("ROLLBACK");
            QCOMPARE(ContributionStore(*other).find("pear")->american, QStringLiteral("per"));
        }
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

    // The import's report fits a screen whatever the file: the first refused lines and a
    // count of the others, or one line for a file that is not text.
    void importReportFitsTheScreen_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("lines");
        QTest::newRow("5,000 refused lines") << QByteArray("one column\n").repeated(5000) << "and 4980 more." << 22;
        QByteArray binary(20000, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char(i * 13); // NULs, broken UTF-8, tabs and line breaks
        QTest::newRow("binary") << binary << kImportNotText << 1;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEw\0o\0r\0d\0\t\0B\0\n\0", 16) << kImportNotText << 1;
        QTest::newRow("mostly Latin-1") << QByteArray("caf\xE9\tkafe\t\nna\xEFve\tnaiv\t\nabc\tabc\t\n")
                                        << kImportNotText << 1;
    }
    void importReportFitsTheScreen() {
        QFETCH(QByteArray, file);
        QFETCH(QString, last);
        QFETCH(int, lines);
        showPanel();
        const QString path = test::writeFile(m_dir.filePath("big.tsv"), file);
        m_panel->setFileChoosers({}, [&](QWidget *) { return path; });
        get<QToolButton>("picImportWords")->click();
        QCOMPARE(m_messages.shown.size(), 1);
        const QString shown = m_messages.shown[0];
        QCOMPARE(shown.split('\n').size(), lines);
        QVERIFY(shown.endsWith(last));
        QMessageBox box(QMessageBox::Information, "Vocalith", shown);
        QVERIFY2(box.sizeHint().height() < 700 && box.sizeHint().width() < 1000,
                 qPrintable(QString::number(box.sizeHint().height())));
        QCOMPARE(listed().size(), 2); // nothing imported
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
            test::andWaitForARun(*window, [&] { window->transcribe(); });
            QCOMPARE(window->storedTranscription(), QString(reduced ? "kæt" : "kat"));
        }
        QCOMPARE(m_messages.shown, QStringList{messages::kWordsNotOpened.arg(path) + '\n' +
                                               messages::kWordsCannotOpen.arg("not a regular file")});
    }
};

QTEST_MAIN(TestContributions)
#include "tst_contributions.moc"

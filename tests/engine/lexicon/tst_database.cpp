// Opening databases, result sets and prepared statements.

#include "app/paths.h"
#include "contributions/contributiondb.h"
#include "engine/lexicon/lexicon.h"
#include "testsupport.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

using namespace vocalith;

class TestDatabase : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString &name, const QByteArray &content) {
        return test::writeFile(m_dir.filePath(name), content);
    }

private slots:
    // Opening read-only fails without creating or changing anything; the reasons are
    // checked where they are shown (the command line).
    void lexiconOpening() {
        QVERIFY(test::openFixture(QStringLiteral("engine")));
        const QString missing = m_dir.filePath(QStringLiteral("none.sqlite"));
        const QString empty = file(QStringLiteral("empty.sqlite"), {});
        for (const QString &path : {missing, empty, m_dir.path()})
            QVERIFY(!Connection::openReadOnly(path, schema::lexiconRequiredTables()));
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(QFileInfo(empty).size(), 0);
    }

    void recordsetFields() {
        auto c = test::openFixture(QStringLiteral("engine"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(QStringLiteral("DELETE FROM words"))); // read-only
        Recordset rs = c->openRecordset(QStringLiteral("SELECT * FROM words WHERE word = ? OR word = ? ORDER BY word"),
                                        {QStringLiteral("dog"), QStringLiteral("CAT")});
        QCOMPARE(rs.recordCount(), 2); // the word column ignores letter case
        QCOMPARE(rs.text(QStringLiteral("ame")), QStringLiteral("kæt"));
        QCOMPARE(rs.text(QStringLiteral("BRE")), QStringLiteral("kæt"));
        QVERIFY(rs.field(QStringLiteral("nosuchcolumn")).isNull());
        rs.moveNext();
        QCOMPARE(rs.text(QStringLiteral("word")), QStringLiteral("dog"));
        rs.moveNext();
        QVERIFY(rs.eof());
        QVERIFY(rs.field(QStringLiteral("word")).isNull());
    }

    // Bound parameters give what the quoted SQL gave, apostrophes included.
    void apostrophesAndReuse() {
        auto c = test::openFixture(QStringLiteral("engine"));
        Lexicon lexicon(*c);
        for (int round = 0; round < 3; ++round) {
            const auto &row = lexicon.word(QStringLiteral("o'clock"));
            QVERIFY(row);
            QCOMPARE(*row->transcription[int(Accent::BrE)], QStringLiteral("əˈklɒk"));
            QVERIFY(!lexicon.word(QStringLiteral("o'clock' OR '1'='1")));
            lexicon.clearMemo();
        }
        QCOMPARE(*lexicon.metadata(QStringLiteral("dbversion")), QStringLiteral("2.0"));
        QVERIFY(!lexicon.metadata(QStringLiteral("www")));
    }

    // Small tables are read whole and large ones word by word; both answer as the query
    // by word does, letter case of ASCII letters ignored and rows in table order.
    void smallAndLargeTablesAnswerAlike_data() {
        // clang-format off
        QTest::addColumn<int>("extraRows");
        QTest::newRow("read whole") << 0;
        QTest::newRow("read word by word") << 25000;
        // clang-format on
    }
    void smallAndLargeTablesAnswerAlike() {
        QFETCH(int, extraRows);
        const QString path = m_dir.filePath(QStringLiteral("tables%1.sqlite").arg(extraRows));
        {
            auto db = Connection::openReadWrite(path, schema::lexiconTables(), {});
            QVERIFY(db);
            QSqlDatabase raw = db->database();
            raw.transaction();
            const QString collocation = "INSERT INTO collocations (word, AFTER, BrE, AmE) VALUES (?, ?, ?, ?)";
            const QString functionWord = "INSERT INTO functionwords (word, BrE_Weak) VALUES (?, ?)";
            for (int k = 0; k < extraRows; ++k)
                db->execute(collocation, {QStringLiteral("filler%1").arg(k), "x", "a", "a"});
            db->execute(collocation, {"Lead", "pencil", "led", "lɛd"});
            db->execute(collocation, {"lead", "dog", "liːd", "liːd"});
            db->execute(functionWord, {"THE", "ðə"});
            db->execute(functionWord, {"the", "second"});
            db->execute(functionWord, {"çà", "x"});
            raw.commit();
        }
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY(db);
        Lexicon lexicon(*db);
        const QVector<CollocationRow> &rows = lexicon.collocations(QStringLiteral("lead"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(*rows[0].after, QStringLiteral("pencil"));
        QCOMPARE(*rows[0].transcription[int(Accent::AmE)], QStringLiteral("lɛd"));
        QCOMPARE(*rows[1].after, QStringLiteral("dog"));
        QVERIFY(lexicon.collocations(QStringLiteral("pencil")).isEmpty());
        const auto &the = lexicon.functionWord(QStringLiteral("the"));
        QVERIFY(the);
        QCOMPARE(*the->form(Accent::BrE, FunctionForm::Weak), QStringLiteral("ðə"));
        QVERIFY(!the->form(Accent::AmE, FunctionForm::Weak));
        QVERIFY(lexicon.functionWord(QStringLiteral("çà")));
        QVERIFY(!lexicon.functionWord(QStringLiteral("ÇÀ"))); // only ASCII letters fold
    }

    void contributionsCreatedWhenMissing() {
        const QString path = m_dir.filePath(QStringLiteral("ContributionDB.sqlite"));
        {
            auto c = contributions::open(path);
            QVERIFY(c);
            QCOMPARE(c->execute(QStringLiteral("INSERT INTO words (word, BrE, AmE) VALUES (?, ?, ?)"),
                                {QStringLiteral("Zork"), QStringLiteral("zɔːk"), QStringLiteral("zɔːrk")}),
                     1);
        }
        auto again = contributions::open(path);
        QVERIFY(again);
        QCOMPARE(again->openRecordset(QStringLiteral("SELECT * FROM words WHERE word = ?"), {QStringLiteral("zork")})
                     .recordCount(),
                 1);
    }

    // A file that is not a contribution database is left as it was; a folder that cannot
    // be made gives no database.
    void contributionsUnusable() {
        const QString garbage = file(QStringLiteral("bad.sqlite"), QByteArray(8192, '\x5a'));
        const QString other = m_dir.filePath(QStringLiteral("other.sqlite"));
        QVERIFY(Connection::openReadWrite(other, {QStringLiteral("CREATE TABLE other (x)")}, {}));
        for (const QString &path : {garbage, other}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray before = f.readAll();
            QVERIFY(!contributions::open(path));
            QVERIFY(f.seek(0));
            QCOMPARE(f.readAll(), before);
        }
        QVERIFY(!contributions::open(m_dir.filePath(QStringLiteral("no/such/folder/ContributionDB.sqlite"))));
    }

    void lexiconPathChoice() {
        QCOMPARE(lexiconPath(QStringLiteral("/x/given.sqlite")), QStringLiteral("/x/given.sqlite"));
        qputenv("VOCALITH_LEXICON", "/x/env.sqlite");
        QCOMPARE(lexiconPath(), QStringLiteral("/x/env.sqlite"));
        QCOMPARE(lexiconPath(QStringLiteral("/x/given.sqlite")), QStringLiteral("/x/given.sqlite"));
        qunsetenv("VOCALITH_LEXICON");
        QVERIFY(lexiconPath().endsWith(QStringLiteral("/VocalithDB.sqlite")));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"

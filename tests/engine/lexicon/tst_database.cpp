// Opening databases, result sets and prepared statements.

#include "app/paths.h"
#include "engine/lexicon/lexicon.h"
#include "contributions/contributiondb.h"
#include "testsupport.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

using namespace vocalith;

class TestDatabase : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString &name, const QByteArray &content) {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

private slots:
    void lexiconOpening_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("opens");
        QTest::newRow("fixture") << "fixture" << true;
        QTest::newRow("missing file") << "missing" << false;
        QTest::newRow("empty file") << "empty" << false;
        QTest::newRow("not a database") << "garbage" << false;
        QTest::newRow("a folder") << "folder" << false;
    }
    void lexiconOpening() {
        QFETCH(QString, which);
        QFETCH(bool, opens);
        QString path;
        if (which == QLatin1String("fixture"))
            path = test::fixturePath(QStringLiteral("engine"));
        else if (which == QLatin1String("missing"))
            path = m_dir.filePath(QStringLiteral("none.sqlite"));
        else if (which == QLatin1String("empty"))
            path = file(QStringLiteral("empty.sqlite"), {});
        else if (which == QLatin1String("garbage"))
            path = file(QStringLiteral("garbage.sqlite"), QByteArray(8192, '\x5a'));
        else
            path = m_dir.path();
        const auto c = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QCOMPARE(bool(c), opens);
        // Opening read-only never creates or changes the file.
        if (which == QLatin1String("missing"))
            QVERIFY(!QFile::exists(path));
        if (which == QLatin1String("empty"))
            QCOMPARE(QFileInfo(path).size(), 0);
    }

    void lexiconIsReadOnly() {
        auto c = test::openFixture(QStringLiteral("engine"));
        QVERIFY(c);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(QStringLiteral("DELETE FROM words")));
        QCOMPARE(c->openRecordset(QStringLiteral("SELECT * FROM words WHERE word = ?"), {QStringLiteral("cat")})
                     .recordCount(),
                 1);
    }

    void recordsetFields() {
        auto c = test::openFixture(QStringLiteral("engine"));
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
        QTest::addColumn<int>("extraRows");
        QTest::newRow("read whole") << 0;
        QTest::newRow("read word by word") << 25000;
    }
    void smallAndLargeTablesAnswerAlike() {
        QFETCH(int, extraRows);
        const QString path = m_dir.filePath(QStringLiteral("tables%1.sqlite").arg(extraRows));
        {
            auto db = Connection::openReadWrite(path, schema::lexiconTables(), {});
            QVERIFY(db);
            QSqlDatabase raw = db->database();
            raw.transaction();
            const QString insert = QStringLiteral("INSERT INTO collocations (word, AFTER, BrE, AmE) VALUES (?, ?, ?, ?)");
            for (int k = 0; k < extraRows; ++k)
                db->execute(insert, {QStringLiteral("filler%1").arg(k), QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("a")});
            db->execute(insert, {QStringLiteral("Lead"), QStringLiteral("pencil"), QStringLiteral("led"), QStringLiteral("led")});
            db->execute(insert, {QStringLiteral("lead"), QStringLiteral("dog"), QStringLiteral("liːd"), QStringLiteral("liːd")});
            db->execute(QStringLiteral("INSERT INTO functionwords (word, BrE_Weak) VALUES (?, ?)"), {QStringLiteral("THE"), QStringLiteral("ðə")});
            db->execute(QStringLiteral("INSERT INTO functionwords (word, BrE_Weak) VALUES (?, ?)"), {QStringLiteral("the"), QStringLiteral("second")});
            db->execute(QStringLiteral("INSERT INTO functionwords (word, BrE_Weak) VALUES (?, ?)"), {QStringLiteral("çà"), QStringLiteral("x")});
            raw.commit();
        }
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY(db);
        Lexicon lexicon(*db);
        const QVector<CollocationRow> &rows = lexicon.collocations(QStringLiteral("lead"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(*rows[0].after, QStringLiteral("pencil"));
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

    void contributionsUnusable_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("unwritable folder") << "nofolder";
        QTest::newRow("database without the table") << "notable";
    }
    void contributionsUnusable() {
        QFETCH(QString, which);
        QString path;
        QByteArray before;
        if (which == QLatin1String("garbage")) {
            before = QByteArray(8192, '\x5a');
            path = file(QStringLiteral("bad.sqlite"), before);
        } else if (which == QLatin1String("nofolder")) {
            path = m_dir.filePath(QStringLiteral("no/such/folder/ContributionDB.sqlite"));
        } else {
            path = m_dir.filePath(QStringLiteral("other.sqlite"));
            auto c = Connection::openReadWrite(path, {QStringLiteral("CREATE TABLE other (x)")}, {});
            QVERIFY(c);
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            before = f.readAll();
        }
        QVERIFY(!contributions::open(path));
        // Nothing is lost: a file that was there is left as it was.
        if (!before.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
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

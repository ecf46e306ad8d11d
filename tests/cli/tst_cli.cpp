// vocalith-cli as scripts use it: bytes in, bytes out, exit codes.

#include "testsupport.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace vocalith;

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList &args, const QByteArray &input = {}, const QString &lexicon = {}) {
    QProcess p;
    QStringList all{QStringLiteral("--lexicon"),
                    lexicon.isEmpty() ? test::fixturePath(QStringLiteral("engine")) : lexicon};
    p.start(test::binPath(QStringLiteral("vocalith-cli")), all + args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void output_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("arguments joined") << QStringList{"transcribe", "good", "morning,", "sir."} << QByteArray()
                                          << QByteArray("/ ɡʊd ˈmɔː.nɪŋ / sɜː /\n");
        QTest::newRow("american") << QStringList{"--accent", "ame", "transcribe", "--raw", "father"} << QByteArray()
                                  << QByteArray("ˈfɑː.ðər\n");
        QTest::newRow("global option after the command")
            << QStringList{"transcribe", "--accent", "AmE", "--raw", "father"} << QByteArray()
            << QByteArray("ˈfɑː.ðər\n");
        QTest::newRow("no global options after --")
            << QStringList{"transcribe", "--raw", "--", "--accent", "father"} << QByteArray()
            << QByteArray("<--accent> ˈfɑː.ðə\n");
        QTest::newRow("stdin with LF lines")
            << QStringList{"transcribe", "--raw"} << QByteArray("cat.\ndog\n") << QByteArray("kæt <.>\ndɒɡ\n");
        QTest::newRow("stdin with CR LF lines")
            << QStringList{"transcribe", "--raw"} << QByteArray("cat.\r\ndog\r\n") << QByteArray("kæt <.>\ndɒɡ\n");
        QTest::newRow("only one final line break dropped")
            << QStringList{"transcribe", "--raw"} << QByteArray("cat\n\n") << QByteArray("kæt\n\n");
        QTest::newRow("options set")
            << QStringList{"transcribe", "--set", "slash=false", "--set", "keepspaces=false", "cat", "dog"}
            << QByteArray() << QByteArray("|kæt.dɒɡ|\n");
        QTest::newRow("keep punctuation needs syllables off")
            << QStringList{"transcribe", "--set", "keeppunctuation=true", "--set", "showsyllables=false", "cat."}
            << QByteArray() << QByteArray("kæt.\n");
        QTest::newRow("empty text prints nothing") << QStringList{"transcribe"} << QByteArray("  \n")
                                                   << QByteArray();
        QTest::newRow("render from stdin") << QStringList{"render"} << QByteArray("ˈɪdɪə ɒv <.>\nə\n")
                                           << QByteArray("/ ˈɪdɪər ɒv / ə /\n");
        QTest::newRow("render keeps lines") << QStringList{"render", "--set", "removecrs=false"}
                                            << QByteArray("a\nb") << QByteArray("/ a /\n/ b /\n");
        QTest::newRow("render empty") << QStringList{"render"} << QByteArray() << QByteArray();
        QTest::newRow("negative number") << QStringList{"number", "--", "-42"} << QByteArray()
                                         << QByteArray("negative forty two\n");
        QTest::newRow("american number") << QStringList{"--accent", "AmE", "number", "105"} << QByteArray()
                                         << QByteArray("one hundred five\n");
        QTest::newRow("amount") << QStringList{"number", "--amount", "€", "5.5"} << QByteArray()
                                << QByteArray("five euros and fifty cents\n");
        QTest::newRow("invalid number") << QStringList{"number", "abc"} << QByteArray()
                                        << QByteArray("Invalid Number\n");
        QTest::newRow("invalid utf-8 does not crash") << QStringList{"transcribe", "--raw"}
                                                      << QByteArray("cat \xff\xfe") << QByteArray("kæt <\xef\xbf\xbd\xef\xbf\xbd>\n");
    }
    void output() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        const Run r = cli(args, input);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, expected);
    }

    void settingsFile() {
        const QString path = m_dir.filePath(QStringLiteral("vocalith.xml"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version='1.0'?><vocalith language='BrE'><editor slash='false' keepspaces='FALSE'/></vocalith>");
        f.close();
        const Run r = cli({QStringLiteral("transcribe"), QStringLiteral("--settings"), path, QStringLiteral("cat")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("|kæt|\n"));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lexicon");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("errorStart");
        const QByteArray unavailable("The database is not available. Please, reinstall Vocalith.\n");
        QTest::newRow("missing lexicon") << QStringList{"transcribe", "cat"} << "/nonexistent/VocalithDB.sqlite"
                                         << 3 << unavailable;
        QTest::newRow("not a database") << QStringList{"transcribe", "cat"} << "garbage" << 3 << unavailable;
        QTest::newRow("broken tables") << QStringList{"transcribe", "cat"} << "broken" << 3
                                       << QByteArray("Database error:");
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "" << 2 << QByteArray("vocalith-cli:");
        QTest::newRow("bad accent") << QStringList{"--accent", "fr", "transcribe", "x"} << "" << 2
                                    << QByteArray("vocalith-cli:");
        QTest::newRow("bad option key") << QStringList{"transcribe", "--set", "bold=true", "x"} << "" << 2
                                        << QByteArray("vocalith-cli:");
        QTest::newRow("bad option value") << QStringList{"transcribe", "--set", "slash=yes", "x"} << "" << 2
                                          << QByteArray("vocalith-cli:");
        QTest::newRow("missing settings file") << QStringList{"transcribe", "--settings", "/nonexistent.xml", "x"}
                                               << "" << 2 << QByteArray("vocalith-cli:");
        QTest::newRow("number without argument") << QStringList{"number"} << "" << 2 << QByteArray("vocalith-cli:");
        QTest::newRow("no command") << QStringList{} << "" << 2 << QByteArray("vocalith-cli:");
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, lexicon);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, errorStart);
        QString path = lexicon;
        if (lexicon == QLatin1String("garbage")) {
            path = m_dir.filePath(QStringLiteral("garbage.sqlite"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        } else if (lexicon == QLatin1String("broken")) {
            // The right tables with the wrong columns: the lookup fails during the run.
            path = m_dir.filePath(QStringLiteral("broken.sqlite"));
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("broken"));
                db.setDatabaseName(path);
                QVERIFY(db.open());
                QSqlQuery q(db);
                for (const char *t : {"words", "collocations", "functionwords"})
                    QVERIFY(q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (word TEXT)").arg(t)));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("broken"));
        }
        const Run r = cli(args, {}, path);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, QByteArray());
        QVERIFY2(r.err.startsWith(errorStart), r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

// vocalith-cli as scripts use it: arguments and standard input in, bytes and an exit status
// out. Most cases run in-process on buffers; a few run the real program for the bytes on
// the wire and the exit status the shell sees.

#include "cli/cli.h"
#include "testsupport.h"

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>

using namespace vocalith;

namespace {

struct Result {
    int status;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // "@name" arguments stand for files of the test folder; the fixture lexicon is used
    // unless --lexicon is given. A real process writes to `output` when it is set.
    Result cli(QStringList args, const QByteArray &input, bool process, const QString &output = {}) {
        for (QString &a : args)
            if (a.startsWith(QLatin1Char('@')))
                a = m_dir.filePath(a.mid(1));
        if (!args.contains(QStringLiteral("--lexicon")))
            args = QStringList{QStringLiteral("--lexicon"), test::fixturePath(QStringLiteral("engine"))} + args;
        if (process) {
            QProcess p;
            if (!output.isEmpty())
                p.setStandardOutputFile(output);
            p.start(test::binPath(QStringLiteral("vocalith-cli")), args);
            p.waitForStarted();
            p.write(input);
            p.closeWriteChannel();
            p.waitForFinished(60000);
            return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
        }
        QByteArray in = input, out, err;
        QBuffer inBuffer(&in), outBuffer(&out), errBuffer(&err);
        inBuffer.open(QIODevice::ReadOnly);
        outBuffer.open(QIODevice::WriteOnly);
        errBuffer.open(QIODevice::WriteOnly);
        const int status =
            cli::run(QStringList{QStringLiteral("vocalith-cli")} + args, {inBuffer, outBuffer, errBuffer});
        return {status, out, err};
    }

    // A lexicon with the given tables, each with a word column only.
    void makeTables(const QString &name, const QStringList &tables) {
        QStringList create;
        for (const QString &t : tables)
            create << QStringLiteral("CREATE TABLE %1 (word TEXT)").arg(t);
        QVERIFY(Connection::openReadWrite(m_dir.filePath(name), create, {}));
    }

private slots:
    void initTestCase() {
        test::writeFile(m_dir.filePath("garbage.sqlite"), QByteArray(4096, 'x'));
        test::writeFile(m_dir.filePath("vocalith.xml"),
                        "<?xml version='1.0'?><vocalith><editor slash='false' keepspaces='FALSE'/></vocalith>");
        makeTables(QStringLiteral("notables.sqlite"), {QStringLiteral("words")});
        // The right tables with the wrong columns: the lookup fails during the run.
        makeTables(QStringLiteral("broken.sqlite"),
                   {QStringLiteral("words"), QStringLiteral("collocations"), QStringLiteral("functionwords")});
    }

    void run_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("process");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err"); // the start of standard error
        const QByteArray unavailable = "The database is not available. Please, reinstall Vocalith.\n";
        const QStringList missing{"--lexicon", "@none.sqlite", "transcribe", "cat"};
        // clang-format off
        QTest::newRow("arguments joined") << QStringList{"transcribe", "good", "morning,", "sir."} << QByteArray() << false
                                          << 0 << QByteArray("/ ɡʊd ˈmɔː.nɪŋ / sɜː /\n") << QByteArray();
        QTest::newRow("global option after the command") << QStringList{"transcribe", "--accent", "ame", "--raw", "father"}
                                                         << QByteArray() << false << 0 << QByteArray("ˈfɑː.ðər\n") << QByteArray();
        QTest::newRow("no global options after --") << QStringList{"transcribe", "--raw", "--", "--accent", "father"}
                                                    << QByteArray() << false << 0 << QByteArray("<accent> ˈfɑː.ðə\n")
                                                    << QByteArray();
        QTest::newRow("CR LF lines, one final break dropped") << QStringList{"transcribe", "--raw"}
                                                              << QByteArray("cat.\r\ndog\r\n\r\n") << false << 0
                                                              << QByteArray("kæt <.>\ndɒɡ\n\n") << QByteArray();
        QTest::newRow("options set") << QStringList{"transcribe", "--set", "slash=false", "--set", "keepspaces=false", "cat", "dog"}
                                     << QByteArray() << false << 0 << QByteArray("|kæt.dɒɡ|\n") << QByteArray();
        QTest::newRow("settings file") << QStringList{"transcribe", "--settings", "@vocalith.xml", "cat"} << QByteArray()
                                       << false << 0 << QByteArray("|kæt|\n") << QByteArray();
        QTest::newRow("invalid UTF-8") << QStringList{"transcribe", "--raw"} << QByteArray("cat \xff\xfe") << false << 0
                                       << QByteArray("kæt <\xef\xbf\xbd\xef\xbf\xbd>\n") << QByteArray();
        QTest::newRow("render") << QStringList{"render"} << QByteArray("ˈɪdɪə ɒv <.>\nə\n") << false << 0
                                << QByteArray("/ ˈɪdɪər ɒv / ə /\n") << QByteArray();
        QTest::newRow("american number") << QStringList{"--accent", "AmE", "number", "105"} << QByteArray() << false << 0
                                         << QByteArray("one hundred five\n") << QByteArray();
        QTest::newRow("amount") << QStringList{"number", "--amount", "€", "5.5"} << QByteArray() << false << 0
                                << QByteArray("five euros and fifty cents\n") << QByteArray();
        QTest::newRow("one pound, one penny") << QStringList{"number", "--amount", "£", "1.01"} << QByteArray() << false << 0
                                              << QByteArray("one pound and one penny\n") << QByteArray();
        QTest::newRow("number stays a cardinal") << QStringList{"number", "1984"} << QByteArray() << false << 0
                                                 << QByteArray("one thousand nine hundred and eighty four\n") << QByteArray();
        QTest::newRow("guess") << QStringList{"transcribe", "--guess", "--raw", "Lookin' good"} << QByteArray() << false << 0
                               << QByteArray("≈ˈlʊk.ɪn ɡʊd\n") << QByteArray();
        QTest::newRow("guess, standard input") << QStringList{"--accent", "AmE", "transcribe", "--guess"}
                                               << QByteArray("stardate\ngood\n") << false << 0
                                               << QByteArray("/ ≈ˈstɑːr.deɪt / ɡʊd /\n") << QByteArray();
        QTest::newRow("about") << QStringList{"about"} << QByteArray() << false << 0
                               << QByteArray("Vocalith version 1.7f (January 2014)\nDatabase version 2.0 (March 2015)\n\n"
                                             "This tool is based on a database that contains 47 words.\n\n"
                                             "test@example.org\n") << QByteArray();
        QTest::newRow("version") << QStringList{"--version"} << QByteArray() << false << 0 << QByteArray("vocalith-cli 1.7f\n")
                                 << QByteArray();
        QTest::newRow("html export") << QStringList{"export", "--to", "html"} << QByteArray("ɑ\n\n") << false << 0
                                     << QByteArray("&#593;\n\n") << QByteArray();
        QTest::newRow("hex import") << QStringList{"import", "--from", "hex"} << QByteArray("&#x251;&#x02A4;\r\n") << false
                                    << 0 << QByteArray("ɑdʒ\r\n") << QByteArray();
        QTest::newRow("no lexicon needed") << QStringList{"--lexicon", "@none.sqlite", "import", "--from", "xsampa"}
                                           << QByteArray("\"TINk") << false << 0 << QByteArray("ˈθɪŋk") << QByteArray();
        QTest::newRow("missing lexicon") << missing << QByteArray() << false << 3 << QByteArray()
                                         << unavailable + "no file " + m_dir.filePath("none.sqlite").toUtf8();
        QTest::newRow("not a database") << QStringList{"--lexicon", "@garbage.sqlite", "about"} << QByteArray() << false
                                        << 3 << QByteArray() << unavailable + "file is not a database\n";
        QTest::newRow("a table missing") << QStringList{"--lexicon", "@notables.sqlite", "transcribe", "cat"} << QByteArray()
                                         << false << 3 << QByteArray() << unavailable + "no table collocations\n";
        QTest::newRow("broken tables") << QStringList{"--lexicon", "@broken.sqlite", "transcribe", "cat"} << QByteArray()
                                       << false << 3 << QByteArray() << QByteArray("Database error:");
        QTest::newRow("no command") << QStringList{} << QByteArray() << false << 2 << QByteArray()
                                    << QByteArray("vocalith-cli: no command given\nusage:");
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << QByteArray() << false << 2 << QByteArray()
                                         << QByteArray("vocalith-cli: unknown command");
        QTest::newRow("bad accent") << QStringList{"--accent", "fr", "transcribe", "x"} << QByteArray() << false << 2
                                    << QByteArray() << QByteArray("vocalith-cli: --accent");
        QTest::newRow("unknown notation") << QStringList{"export", "--to", "sampa"} << QByteArray("ɑ") << false << 2
                                          << QByteArray() << QByteArray("vocalith-cli: --to");
        // The real program: bytes as they are, and the exit status.
        QTest::newRow("process: CR LF kept") << QStringList{"export", "--to", "xsampa"} << QByteArray("ˈθɪŋk\r\nðə\r\n")
                                             << true << 0 << QByteArray("\"TINk\r\nD@\r\n") << QByteArray();
        QTest::newRow("process: byte order mark, emoji, invalid UTF-8") << QStringList{"export", "--to", "xsampa"}
            << QByteArray("\xEF\xBB\xBF😀ʃ\xFF" "a\xED\xA0\x80\xC3") << true << 0
            << QByteArray("\xEF\xBB\xBF😀S\uFFFD" "a\uFFFD\uFFFD\uFFFD\uFFFD") << QByteArray();
        QTest::newRow("process: usage") << QStringList{"export"} << QByteArray() << true << 2 << QByteArray()
                                        << QByteArray("vocalith-cli: export needs --to");
        QTest::newRow("process: missing lexicon") << missing << QByteArray() << true << 3 << QByteArray() << unavailable;
        QTest::newRow("process: output not written") << QStringList{"transcribe", "cat"} << QByteArray() << true << 4
                                                     << QByteArray() << QByteArray("vocalith-cli: the output could not be written");
        // clang-format on
    }
    void run() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(bool, process);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const bool full = status == cli::kOutput;
        const Result r = cli(args, input, process, full ? QStringLiteral("/dev/full") : QString());
        QVERIFY2(r.err.startsWith(err), r.err.constData());
        if (err.isEmpty())
            QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, out);
        QCOMPARE(r.status, status);
    }

    // The usage lists every command and is printed on request.
    void help() {
        const Result r = cli({QStringLiteral("--help")}, {}, false);
        QCOMPARE(r.status, 0);
        for (const char *command : {"transcribe", "render", "number", "export", "import", "about"})
            QVERIFY2(r.out.contains(QByteArray("\n  ") + command), command);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

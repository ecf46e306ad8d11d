// vocalith-cli contributions and transcribe --use-contributions, run in-process.

#include "app/messages.h"
#include "cli/cli.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "testsupport.h"

#include <QBuffer>
#include <QTemporaryDir>

using namespace vocalith;
using namespace vocalith::contributions;

class TestCliContributions : public QObject {
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;

    // Exit status, stdout and stderr of vocalith-cli on the engine fixture and this test's
    // contribution file; "@DIR@" in an argument stands for the test's folder.
    std::tuple<int, QByteArray, QByteArray> run(QStringList args) {
        args.replaceInStrings("@DIR@", m_dir->path());
        QByteArray outBytes, errBytes;
        QBuffer in, out(&outBytes), err(&errBytes);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const int exit = cli::run(QStringList{"vocalith-cli", "--lexicon", test::fixturePath("engine"),
                                              "--contributions", m_dir->filePath("C.sqlite")} +
                                      args,
                                  {in, out, err});
        return {exit, outBytes, errBytes};
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        auto db = contributions::open(m_dir->filePath("C.sqlite"));
        ContributionStore(*db).save(normalised("cat", "kat", ""));
        ContributionStore(*db).save(normalised("o'clock", "", "əˈklɑk"));
        QFile tsv(m_dir->filePath("in.tsv"));
        QVERIFY(tsv.open(QIODevice::WriteOnly));
        tsv.write("word\tBrE\tAmE\nDog\tdɒɡ\t\ncat\t\tkæt\nbroken\n");
    }
    void cleanup() { delete m_dir; }

    void commands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");     // what stderr starts with
        QTest::addColumn<QByteArray>("list"); // "contributions list" afterwards
        const QByteArray both = "cat\no'clock\n";
        QTest::newRow("show, not stored")
            << QStringList{"contributions", "show", "dog"} << 1 << QByteArray() << kNotStored.arg("dog") << both;
        QTest::newRow("add, a word like sql")
            << QStringList{"contributions", "add", "--ame", "x", "--", "X'); drop table words; --"} << 0 << QByteArray()
            << "" << both + "x'); drop table words; --\n";
        QTest::newRow("add without transcription")
            << QStringList{"contributions", "add", "dog"} << 1 << QByteArray() << kNoTranscription << both;
        QTest::newRow("delete asks nothing")
            << QStringList{"contributions", "delete", "o'clock"} << 0 << QByteArray() << "" << QByteArray("cat\n");
        QTest::newRow("export") << QStringList{"contributions", "export"} << 0
                                << QByteArray("word\tBrE\tAmE\ncat\tkat\t\no'clock\t\təˈklɑk\n") << "" << both;
        QTest::newRow("show") << QStringList{"contributions", "show", "CAT"} << 0 << QByteArray("cat\tkat\t\n") << ""
                              << both;
        QTest::newRow("import with a refused line")
            << QStringList{"contributions", "import", "@DIR@/in.tsv"} << 1
            << QByteArray("1 added, 1 updated, 1 refused.\n") << "line 4: wrong number of columns (1 instead of 3)\n"
            << QByteArray("cat\ndog\no'clock\n");
        QTest::newRow("unknown subcommand")
            << QStringList{"contributions", "remove", "cat"} << 2 << QByteArray() << "vocalith-cli: " << both;
        QTest::newRow("transcribe, my words, american")
            << QStringList{"--accent", "AmE", "transcribe", "--use-contributions", "--raw", "cat", "o'clock"} << 0
            << QByteArray("kæt əˈklɑk\n") << "" << both;
    }
    void commands() {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, list);
        const auto [status, stdOut, stdErr] = run(args);
        QVERIFY2(stdErr.startsWith(err.toUtf8()), stdErr.constData());
        QCOMPARE(stdOut, out);
        QCOMPARE(status, exit);
        QCOMPARE(std::get<1>(run({"contributions", "list"})), list);
    }

    void unusableContributionFile() {
        QFile::remove(m_dir->filePath("C.sqlite"));
        QDir().mkpath(m_dir->filePath("C.sqlite"));
        const auto [status, stdOut, stdErr] = run({"transcribe", "--use-contributions", "cat"});
        QCOMPARE(status, 3);
        QVERIFY(stdErr.startsWith(messages::kContributionsNotAvailable.trimmed().toUtf8() + '\n'));
    }
};

QTEST_GUILESS_MAIN(TestCliContributions)
#include "tst_cli_contributions.moc"

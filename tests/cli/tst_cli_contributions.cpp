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

namespace {

struct Result {
    int exit;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCliContributions : public QObject {
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;

    QString dbPath() const { return m_dir->filePath(QStringLiteral("ContributionDB.sqlite")); }

    // Runs vocalith-cli on the engine fixture and this test's contribution file; "@DIR@" in
    // an argument stands for the test's folder.
    Result run(QStringList args, const QByteArray &input = {}) {
        for (QString &a : args)
            a.replace(QStringLiteral("@DIR@"), m_dir->path());
        QByteArray inBytes = input, outBytes, errBytes;
        QBuffer in(&inBytes), out(&outBytes), err(&errBytes);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const QStringList all =
            QStringList{"vocalith-cli", "--lexicon", test::fixturePath("engine"), "--contributions", dbPath()} + args;
        const int exit = cli::run(all, {in, out, err});
        return {exit, outBytes, errBytes};
    }

    QByteArray stored() {
        auto db = contributions::open(dbPath());
        return ContributionStore(*db).exportTsv();
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        auto db = contributions::open(dbPath());
        QVERIFY(db);
        ContributionStore store(*db);
        store.save(normalised("cat", "kat", ""));
        store.save(normalised("o'clock", "", "əˈklɑk"));
        QFile tsv(m_dir->filePath("in.tsv"));
        QVERIFY(tsv.open(QIODevice::WriteOnly));
        tsv.write("word\tBrE\tAmE\nDog\tdɒɡ\t\ncat\t\tkæt\nbroken\n");
    }
    void cleanup() { delete m_dir; }

    void commands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err"); // what stderr starts with
        QTest::addColumn<QByteArray>("after");
        const QByteArray header = "word\tBrE\tAmE\n";
        const QByteArray cat = "cat\tkat\t\n";
        const QByteArray oclock = "o'clock\t\təˈklɑk\n";
        const QByteArray before = header + cat + oclock;

        QTest::newRow("list") << QStringList{"contributions", "list"} << 0 << QByteArray("cat\no'clock\n") << ""
                              << before;
        QTest::newRow("show") << QStringList{"contributions", "show", "CAT"} << 0 << cat << "" << before;
        QTest::newRow("show, not stored")
            << QStringList{"contributions", "show", "dog"} << 1 << QByteArray() << kNotStored.arg("dog") << before;
        QTest::newRow("add") << QStringList{"contributions", "add", "Dog", "--ame", "dɑːɡ"} << 0 << QByteArray() << ""
                             << header + cat + "dog\t\tdɑːɡ\n" + oclock;
        QTest::newRow("add updates both columns") << QStringList{"contributions", "add", "cat", "--ame=kæt"} << 0
                                                  << QByteArray() << "" << header + "cat\t\tkæt\n" + oclock;
        QTest::newRow("add, quote and sql")
            << QStringList{"contributions", "add", "--bre", "x", "--", "x'); drop table words; --"} << 0 << QByteArray()
            << "" << before + "x'); drop table words; --\tx\t\n";
        QTest::newRow("add without word")
            << QStringList{"contributions", "add", "--bre", "x"} << 1 << QByteArray() << kNoWord << before;
        QTest::newRow("add without transcription")
            << QStringList{"contributions", "add", "dog"} << 1 << QByteArray() << kNoTranscription << before;
        QTest::newRow("delete asks nothing")
            << QStringList{"contributions", "delete", "o'clock"} << 0 << QByteArray() << "" << header + cat;
        QTest::newRow("delete, not stored")
            << QStringList{"contributions", "delete", "dog"} << 1 << QByteArray() << kNotStored.arg("dog") << before;
        QTest::newRow("export") << QStringList{"contributions", "export"} << 0 << before << "" << before;
        QTest::newRow("import with a refused line")
            << QStringList{"contributions", "import", "@DIR@/in.tsv"} << 1
            << QByteArray("1 added, 1 updated, 1 refused.\n") << "line 4: wrong number of columns (1 instead of 3)\n"
            << header + "cat\t\tkæt\ndog\tdɒɡ\t\n" + oclock;
        QTest::newRow("import, no file") << QStringList{"contributions", "import", "@DIR@/none.tsv"} << 1
                                         << QByteArray() << "The file " << before;
        QTest::newRow("no subcommand") << QStringList{"contributions"} << 2 << QByteArray()
                                       << "vocalith-cli: " << before;
        QTest::newRow("unknown subcommand")
            << QStringList{"contributions", "remove", "cat"} << 2 << QByteArray() << "vocalith-cli: " << before;
        QTest::newRow("show without word")
            << QStringList{"contributions", "show"} << 2 << QByteArray() << "vocalith-cli: " << before;
        QTest::newRow("two words to add") << QStringList{"contributions", "add", "a", "b", "--bre", "x"} << 2
                                          << QByteArray() << "vocalith-cli: " << before;
        QTest::newRow("--bre on list") << QStringList{"contributions", "list", "--bre", "x"} << 2 << QByteArray()
                                       << "vocalith-cli: " << before;
        QTest::newRow("transcribe, word list")
            << QStringList{"transcribe", "--raw", "cat", "o'clock"} << 0 << QByteArray("kæt əˈklɒk\n") << "" << before;
        QTest::newRow("transcribe, my words")
            << QStringList{"transcribe", "--raw", "--use-contributions", "cat", "o'clock"} << 0
            << QByteArray("kat əˈklɒk\n") << "" << before;
        QTest::newRow("transcribe, my words, american")
            << QStringList{"--accent", "AmE", "transcribe", "--use-contributions", "--raw", "cat", "o'clock"} << 0
            << QByteArray("kæt əˈklɑk\n") << "" << before;
    }
    void commands() {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, after);
        const Result r = run(args);
        QVERIFY2(r.err.startsWith(err.toUtf8()), r.err.constData());
        QCOMPARE(r.out, out);
        QCOMPARE(r.exit, exit);
        QCOMPARE(stored(), after);
    }

    void unusableContributionFile() {
        QFile::remove(dbPath());
        QVERIFY(QDir().mkpath(dbPath()));
        for (const QStringList &args :
             {QStringList{"contributions", "list"}, QStringList{"transcribe", "--use-contributions", "cat"}}) {
            const Result r = run(args);
            QCOMPARE(r.exit, 3);
            QVERIFY(r.err.startsWith(messages::kContributionsNotAvailable.trimmed().toUtf8() + '\n'));
            QCOMPARE(r.out, QByteArray());
        }
        QCOMPARE(run({"transcribe", "cat"}).out, QByteArray("/ kæt /\n")); // not needed without the option
    }

    void usageListsTheCommand() {
        const Result r = run({"--help"});
        QVERIFY(r.out.contains("\n  contributions list | show WORD | add WORD [--bre T] [--ame T] | delete WORD | "
                               "export | import FILE\n"));
        QVERIFY(r.out.contains("transcribe [--raw] [--use-contributions]"));
    }
};

QTEST_GUILESS_MAIN(TestCliContributions)
#include "tst_cli_contributions.moc"

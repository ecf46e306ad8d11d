// The user's word list shared by real programs: many writing at once to a file that does not
// exist yet, programs killed while they create it, a disk that fills up under a write, and an
// import whose report cannot be written.

#include "app/messages.h"
#include "contributions/contributionstore.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>

using namespace vocalith;

namespace {

struct Run {
    int status;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestSharedFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // vocalith-cli on the word list at path, started and not waited for; inChild runs in the
    // child before the program, output is where its standard output goes.
    static std::unique_ptr<QProcess> start(const QString &path, const QStringList &args,
                                           const std::function<void()> &inChild = {}, const QString &output = {}) {
        auto p = std::make_unique<QProcess>();
        if (inChild)
            p->setChildProcessModifier(inChild);
        if (!output.isEmpty())
            p->setStandardOutputFile(output);
        p->start(test::binPath(QStringLiteral("vocalith-cli")),
                 QStringList{QStringLiteral("--contributions"), path, QStringLiteral("contributions")} + args);
        return p;
    }
    static Run finish(QProcess &p) {
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }
    static Run run(const QString &path, const QStringList &args) { return finish(*start(path, args)); }

private slots:
    // Every program says it stored its word only when it did, and none waits in vain: each
    // exits 0 and every word is there, in a file none of them deleted or left empty.
    void simultaneousWritersAllStored_data() {
        QTest::addColumn<int>("programs");
        QTest::addColumn<int>("rounds");
        QTest::newRow("twenty") << 20 << 3;
        QTest::newRow("eighty") << 80 << 1;
    }
    void simultaneousWritersAllStored() {
        QFETCH(int, programs);
        QFETCH(int, rounds);
        for (int round = 0; round < rounds; ++round) {
            const QString path = m_dir.filePath(QStringLiteral("%1-%2.sqlite").arg(programs).arg(round));
            std::vector<std::unique_ptr<QProcess>> running;
            QStringList words;
            for (int i = 0; i < programs; ++i) {
                words << QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'));
                running.push_back(start(path, {QStringLiteral("add"), words.back(), QStringLiteral("--bre"), "x"}));
            }
            for (auto &p : running) {
                const Run r = finish(*p);
                QVERIFY2(r.status == 0, r.err.constData());
            }
            QVERIFY(QFileInfo(path).size() > 0);
            QCOMPARE(run(path, {QStringLiteral("list")}).out, (words.join('\n') + '\n').toUtf8());
        }
    }

    // A program killed at any moment of its first run, creating the file or not, leaves a
    // file the next run uses.
    void killedCreationLeavesAUsableFile() {
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run(m_dir.filePath(QStringLiteral("timed.sqlite")), {"add", "w", "--bre", "x"}).status, 0);
        const qint64 lifetime = timer.nsecsElapsed() / 1000;
        constexpr int kTrials = 25;
        for (int trial = 0; trial < kTrials; ++trial) {
            const QString path = m_dir.filePath(QStringLiteral("killed-%1.sqlite").arg(trial));
            auto p = start(path, {"add", "lost", "--bre", "x"});
            QVERIFY(p->waitForStarted());
            QThread::usleep(lifetime * trial / kTrials);
            p->kill();
            p->waitForFinished();
            const Run again = run(path, {"add", "again", "--bre", "y"});
            QVERIFY2(again.status == 0, again.err.constData());
            QVERIFY(run(path, {"list"}).out.contains("again\n"));
        }
    }

    // A real full disk: a file size limit makes the write fail in the child. Exit 3 with the
    // file and the reason, no statement, and the words as they were.
    void fullDiskSaysWhy() {
        const QString path = m_dir.filePath(QStringLiteral("full.sqlite"));
        QCOMPARE(run(path, {"add", "cat", "--bre", "kæt"}).status, 0);
        auto p = start(path, {"add", "dog", "--bre", QString(5000, QLatin1Char('d'))}, [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{1000, 1000};
            setrlimit(RLIMIT_FSIZE, &small);
        });
        const Run full = finish(*p);
        QCOMPARE(full.status, 3);
        QCOMPARE(QString::fromUtf8(full.err), messages::kWordsNotChanged.arg(path) + '\n' +
                                                  messages::kWordsInputOutput.arg("disk I/O error") + '\n');
        QCOMPARE(run(path, {"list"}).out, QByteArray("cat\n"));
    }

    // The words are stored before the report is written: a report that cannot be written
    // says so and does not turn the stored import into a failure.
    void importReportToAFullOutput() {
        const QString path = m_dir.filePath(QStringLiteral("import.sqlite"));
        const QString tsv = test::writeFile(m_dir.filePath(QStringLiteral("in.tsv")), "cat\tkæt\t\ndog\tdɒɡ\t\n");
        const Run r = finish(*start(path, {"import", tsv}, {}, QStringLiteral("/dev/full")));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray("vocalith-cli: the words are imported, but the output could not be written: "
                                   "No space left on device\n"));
        QCOMPARE(run(path, {"list"}).out, QByteArray("cat\ndog\n"));
    }
};

QTEST_GUILESS_MAIN(TestSharedFile)
#include "tst_sharedfile.moc"

// vocalith-cli where the system gets in the way: output that cannot be written, a locked
// lexicon, and standard input read in pieces (the same bytes as the whole text at once, in
// flat memory).

#include "cli/cli.h"
#include "engine/driver.h"
#include "engine/render.h"
#include "testsupport.h"

#include <QBuffer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <sys/resource.h>

using namespace vocalith;

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// Runs a command line in-process on the fixture lexicon (unless args name another).
Run runOn(const QStringList &args, QIODevice &in, QIODevice &out) {
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    QStringList all{QStringLiteral("vocalith-cli")};
    if (!args.contains(QStringLiteral("--lexicon")))
        all << QStringLiteral("--lexicon") << test::fixturePath(QStringLiteral("engine"));
    const int code = cli::run(all + args, {in, out, err});
    auto *buffer = qobject_cast<QBuffer *>(&out);
    return {code, buffer ? buffer->data() : QByteArray(), err.data()};
}

Run run(const QStringList &args, const QByteArray &input = {}) {
    QByteArray bytes = input;
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    return runOn(args, in, out);
}

// Standard input that arrives a few bytes at a time, as from a slow pipe.
class TrickleDevice : public QIODevice {
public:
    TrickleDevice(QByteArray data, quint32 seed) : m_data(std::move(data)), m_random(seed) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *to, qint64 max) override {
        const qint64 n = std::min<qint64>({max, m_data.size() - m_at, m_random.bounded(1, 4)});
        std::copy_n(m_data.constData() + m_at, n, to);
        m_at += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_at = 0;
    QRandomGenerator m_random;
};

// Standard output on a disk that fills up after room bytes.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    qint64 written = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 n) override {
        if (written >= m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 k = std::min(n, m_room - written);
        written += k;
        return k;
    }

private:
    qint64 m_room;
};

// Random terminal input: words the fixture knows, numbers, punctuation, runs of spaces,
// LF, CR LF and lone CR, blank lines at either end, a byte-order mark and broken UTF-8.
QByteArray randomInput(QRandomGenerator &random, int pieces) {
    static const QByteArrayList kPieces{"cat",      "father",
                                        "is",       "the",
                                        "idea",     "for",
                                        "there",    "a",
                                        "sir",      "3.5",
                                        "$5",       "(12)",
                                        ".",        ",",
                                        "!",        "?",
                                        "  ",       " ",
                                        " ",        "\n",
                                        "\r\n",     "\r",
                                        "\t",       "@",
                                        "#@",       "\xef\xbb\xbf",
                                        "\xff",     "\xe2\x82",
                                        "\xc3\xa9", "CAT",
                                        "'",        "-"};
    QByteArray text;
    for (int p = 0; p < pieces; ++p)
        text += kPieces[random.bounded(int(kPieces.size()))];
    return text;
}

QStringList randomOptions(QRandomGenerator &random) {
    QStringList args;
    if (random.bounded(4) == 0)
        args << QStringLiteral("--accent") << QStringLiteral("AmE");
    for (const RenderOptionInfo &info : kRenderOptions)
        if (random.bounded(3) == 0)
            args << QStringLiteral("--set")
                 << QStringLiteral("%1=%2").arg(QLatin1String(info.key), random.bounded(2) ? "true" : "false");
    return args;
}

} // namespace

class TestCliHardening : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // A write that fails ends the run with exit 4 and the reason, whether it is the only
    // write or one of many.
    void outputCannotBeWritten_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<qint64>("room");
        QTest::newRow("nothing fits") << QStringList{"number", "5"} << QByteArray() << qint64(0);
        QTest::newRow("cut short") << QStringList{"transcribe"} << QByteArray("cat is a dog\n").repeated(30000)
                                   << qint64(100000);
    }
    void outputCannotBeWritten() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(qint64, room);
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        FullDevice out(room);
        const Run r = runOn(args, in, out);
        QCOMPARE(r.exitCode, 4);
        QCOMPARE(out.written, room);
        QCOMPARE(r.err, QByteArray("vocalith-cli: the output could not be written: No space left on device\n"));
    }

    // Real descriptors: a full device, and a pipe whose reader has gone.
    void outputToRealDescriptors() {
        QProcess full;
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        full.start(test::binPath(QStringLiteral("vocalith-cli")),
                   {QStringLiteral("--lexicon"), test::fixturePath(QStringLiteral("engine")),
                    QStringLiteral("transcribe"), QStringLiteral("cat")});
        QVERIFY(full.waitForFinished(60000));
        QCOMPARE(full.exitStatus(), QProcess::NormalExit);
        QCOMPARE(full.exitCode(), 4);
        QVERIFY(full.readAllStandardError().contains("No space left on device"));

        const QString input = m_dir.filePath(QStringLiteral("pipe.txt"));
        QFile f(input);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("cat is a dog\n").repeated(100000));
        f.close();
        QProcess pipe;
        pipe.start(QStringLiteral("bash"),
                   {QStringLiteral("-c"),
                    QStringLiteral("\"$0\" --lexicon \"$1\" transcribe < \"$2\" | head -c 10 >/dev/null; "
                                   "exit ${PIPESTATUS[0]}"),
                    test::binPath(QStringLiteral("vocalith-cli")), test::fixturePath(QStringLiteral("engine")), input});
        QVERIFY(pipe.waitForFinished(60000));
        QCOMPARE(pipe.exitCode(), 4);
        QVERIFY(pipe.readAllStandardError().contains("Broken pipe"));
    }

    // Another connection holds the lexicon's exclusive lock: exit 3, the fixed message, and
    // the reason on a second line.
    void lockedLexicon() {
        const QString path = m_dir.filePath(QStringLiteral("locked.sqlite"));
        QVERIFY(QFile::copy(test::fixturePath(QStringLiteral("engine")), path));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            const Run r = run({QStringLiteral("--lexicon"), path, QStringLiteral("transcribe"), QStringLiteral("cat")});
            QVERIFY(q.exec(QStringLiteral("COMMIT")));
            QCOMPARE(r.exitCode, 3);
            QCOMPARE(r.err,
                     QByteArray("The database is not available. Please, reinstall Vocalith.\ndatabase is locked\n"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    }

    // Standard input read in pieces, however the bytes arrive, gives the bytes of the whole
    // text given at once (as an argument for transcribe; in one read for render).
    void stdinInPiecesEqualsWhole() {
        QRandomGenerator random(17);
        for (int round = 0; round < 300; ++round) {
            const QByteArray input = randomInput(random, random.bounded(40));
            QStringList args = randomOptions(random);
            if (random.bounded(3) == 0)
                args << QStringLiteral("--raw");
            TrickleDevice in(input, random.generate());
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            const Run pieces = runOn(QStringList{QStringLiteral("transcribe")} + args, in, out);
            const Run whole = run(QStringList{QStringLiteral("transcribe")} + args +
                                  QStringList{QStringLiteral("--"), QString::fromUtf8(input)});
            QCOMPARE(pieces.exitCode, 0);
            QCOMPARE(pieces.out, whole.out);

            const QStringList render = QStringList{QStringLiteral("render")} + randomOptions(random);
            TrickleDevice storedIn(input, random.generate());
            QBuffer rendered;
            rendered.open(QIODevice::WriteOnly);
            QCOMPARE(runOn(render, storedIn, rendered).out, run(render, input).out);
        }
    }

    // A text long enough to be cut many times, pieces of 64 KiB as a pipe gives them.
    void longStdinEqualsWhole() {
        QRandomGenerator random(23);
        QByteArray input;
        while (input.size() < 400000)
            input += randomInput(random, 50) + '\n';
        const QString text = QString::fromUtf8(input);
        auto connection = test::openFixture(QStringLiteral("engine"));
        QVERIFY(connection);
        Lexicon lexicon(*connection);
        const QString stored = Transcribe(cli::toBoxText(text), Accent::BrE, lexicon).value_or(QString());
        QVERIFY(stored.size() > 300000);

        const Run raw = run({QStringLiteral("transcribe"), QStringLiteral("--raw")}, input);
        QCOMPARE(raw.out, cli::fromBoxText(stored).toUtf8() + '\n');
        const Run shown = run({QStringLiteral("transcribe")}, input);
        QCOMPARE(shown.out,
                 cli::fromBoxText(*RenderTranscription(stored, RenderOptions{}, Accent::BrE)).toUtf8() + '\n');
        const Run rendered =
            run({QStringLiteral("render"), QStringLiteral("--set"), QStringLiteral("removecrs=false")}, raw.out);
        RenderOptions keepLines;
        keepLines.removeCRs = false;
        QCOMPARE(rendered.out, cli::fromBoxText(*RenderTranscription(stored, keepLines, Accent::BrE)).toUtf8() + '\n');
    }

    // The real program on a large input: its peak memory stays far below what holding the
    // text and its transcription would take (about 140 bytes a word).
    void flatMemory() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's own memory hides the program's");
#endif
        const QString input = m_dir.filePath(QStringLiteral("large.txt"));
        QFile f(input);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray line("The cat is a dog, there is the idea for a father; 3.5 $5.\n");
        for (int k = 0; k < 50000; ++k) // 700,000 words
            f.write(line);
        f.close();
        QProcess p;
        p.setStandardInputFile(input);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(
            test::binPath(QStringLiteral("vocalith-cli")),
            {QStringLiteral("--lexicon"), test::fixturePath(QStringLiteral("engine")), QStringLiteral("transcribe")});
        QVERIFY(p.waitForFinished(300000));
        QCOMPARE(p.exitCode(), 0);
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
        QVERIFY2(usage.ru_maxrss < 60 * 1024, QByteArray::number(qint64(usage.ru_maxrss)) + " KiB");
    }
};

QTEST_GUILESS_MAIN(TestCliHardening)
#include "tst_cli_hardening.moc"

// vocalith-cli stats and zentab, run in-process on buffers: output, refusals, exit codes.

#include "cli/cli.h"

#include <QBuffer>
#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

struct Result {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Result runCli(const QStringList &args, const QByteArray &input, bool outputWritable = true) {
    QByteArray inBytes = input, outBytes, errBytes;
    QBuffer in(&inBytes), out(&outBytes), err(&errBytes);
    in.open(QIODevice::ReadOnly);
    out.open(outputWritable ? QIODevice::WriteOnly : QIODevice::ReadOnly);
    err.open(QIODevice::WriteOnly);
    const int code = cli::run(QStringList{u"vocalith-cli"_s} + args, cli::Streams{in, out, err});
    return {code, outBytes, errBytes};
}

} // namespace

class TestCliStatistics : public QObject {
    Q_OBJECT

private slots:
    // The lines of stats that are not zero.
    void stats_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("nonZero");
        QTest::newRow("counts") << QStringList{u"stats"_s} << "/ \xcb\x88ka\xc9\xaa\xc9\x99 /\n"_ba
                                << "/k/\t1\n/a\xc9\xaa\xc9\x99/\t1\n"_ba;
        QTest::newRow("repeated words counted") << QStringList{u"stats"_s} << "k\xc3\xa6t\r\nk\xc3\xa6t"_ba
                                                << "/t/\t2\n/k/\t2\n/\xc3\xa6/\t2\n"_ba;
        QTest::newRow("--unique, lines joined by spaces")
            << QStringList{u"stats"_s, u"--unique"_s} << "k\xc3\xa6t\nk\xc3\xa6t sk\xc3\xa6t\n"_ba
            << "/t/\t2\n/k/\t2\n/s/\t1\n/\xc3\xa6/\t2\n"_ba;
        QTest::newRow("decimal references decoded") << QStringList{u"stats"_s} << "&#643;"_ba
                                                    << "/\xca\x83/\t1\n"_ba;
    }
    void stats() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, nonZero);
        const Result r = runCli(args, input);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out.count('\n'), 52);
        QVERIFY(r.out.startsWith("/p/\t"));
        QByteArray shown;
        for (const QByteArray &line : r.out.split('\n'))
            if (!line.isEmpty() && !line.endsWith("\t0"))
                shown += line + '\n';
        QCOMPARE(shown, nonZero);
    }

    void zentab() {
        const Result r = runCli({u"zentab"_s}, "\xc3\xb0\xc9\x99 k\xc3\xa6t |\r\n| \xc3\xb0\xc9\x99\n"_ba);
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 4); // header, two sections, and the final LF
        QVERIFY(lines[0].startsWith("p\tb\tt\td\tt\xca\x83\t"));
        QCOMPARE(lines[1].count('\t'), 51);
        QCOMPARE(lines[3], QByteArray());
        QVERIFY(!r.out.contains('\r'));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("stats of nothing") << QStringList{u"stats"_s} << QByteArray() << 1 << "Text box empty.\n"_ba;
        QTest::newRow("zentab of one line break") << QStringList{u"zentab"_s} << "\n"_ba << 1 << "Text box empty.\n"_ba;
        QTest::newRow("stats takes no text argument")
            << QStringList{u"stats"_s, u"k\u00E6t"_s} << QByteArray() << 2 << "vocalith-cli: stats reads"_ba;
        QTest::newRow("zentab has no --unique")
            << QStringList{u"zentab"_s, u"--unique"_s} << "a"_ba << 2 << "vocalith-cli: zentab: Unknown option"_ba;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, err);
        const Result r = runCli(args, input);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.startsWith(err), r.err.constData());
        QCOMPARE(r.out, QByteArray());
    }

    void failedWrite() {
        const Result r = runCli({u"zentab"_s}, "k"_ba, false);
        QCOMPARE(r.exitCode, 4);
    }

    void usageListsBoth() {
        const Result r = runCli({u"--help"_s}, {});
        QVERIFY(r.out.contains("\n  stats [--unique]\n  zentab\n"));
    }
};

QTEST_APPLESS_MAIN(TestCliStatistics)
#include "tst_cli_statistics.moc"

// vocalith-cli stats and zentab, run in-process on buffers: output, refusals, exit codes.

#include "cli/cli.h"
#include "statistics/zentab.h"

#include <QBuffer>
#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

std::tuple<int, QByteArray, QByteArray> runCli(const QStringList &args, QByteArray input) {
    QByteArray out, err;
    QBuffer in(&input), stdOut(&out), stdErr(&err);
    in.open(QIODevice::ReadOnly);
    stdOut.open(QIODevice::WriteOnly);
    stdErr.open(QIODevice::WriteOnly);
    const int code = cli::run(QStringList{u"vocalith-cli"_s} + args, {in, stdOut, stdErr});
    return {code, out, err};
}

} // namespace

class TestCliStatistics : public QObject {
    Q_OBJECT

private slots:
    void stats_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("shown"); // the lines that do not end in a zero count
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("references decoded") << QStringList{u"stats"_s} << "/ &#712;ka\xc9\xaa&#601; /\n"_ba << 0
                                            << "/k/\t1\n/a\xc9\xaa\xc9\x99/\t1\n"_ba << QByteArray();
        QTest::newRow("--unique over lines")
            << QStringList{u"stats"_s, u"--unique"_s} << "k\xc3\xa6t\r\nk\xc3\xa6t sk\xc3\xa6t\n"_ba << 0
            << "/t/\t2\n/k/\t2\n/s/\t1\n/\xc3\xa6/\t2\n"_ba << QByteArray();
        QTest::newRow("empty text refused")
            << QStringList{u"zentab"_s} << "\n"_ba << 1 << QByteArray() << "Text box empty.\n"_ba;
        QTest::newRow("no text argument") << QStringList{u"stats"_s, u"k"_s} << "k"_ba << 2 << QByteArray()
                                          << "vocalith-cli: stats reads its text from standard input\n"_ba;
    }
    void stats() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, err);
        const auto [code, out, errors] = runCli(args, input);
        QCOMPARE(code, exitCode);
        QVERIFY2(errors.startsWith(err), errors.constData());
        QCOMPARE(out.count('\n'), exitCode == 0 ? 52 : 0);
        QByteArray nonZero;
        for (const QByteArray &line : out.split('\n'))
            if (!line.isEmpty() && !line.endsWith("\t0"))
                nonZero += line + '\n';
        QCOMPARE(nonZero, shown);
    }

    void zentab() {
        // Input line breaks are spaces; the report's lines end in LF, the last one too.
        const auto [code, out, err] = runCli({u"zentab"_s}, "k |\r\n| \xc9\x99 "_ba);
        QCOMPARE(code, 0);
        QCOMPARE(out, (ZentabReport(u"k | | \u0259"_s).replace(u"\r\n"_s, u"\n"_s) + u'\n').toUtf8());
        QCOMPARE(out.count('\n'), 3);
    }
};

QTEST_APPLESS_MAIN(TestCliStatistics)
#include "tst_cli_statistics.moc"

// vocalith-cli rhymes and sound, run in-process: rows on stdout, the phonetics and the count
// label on stderr, exit statuses.

#include "cli/cli.h"
#include "testsupport.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vocalith;

class TestCliRhymes : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void run_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected"); // exit status|stdout|stderr, or the start of it
        // clang-format off
        QTest::newRow("perfect") << QStringList{"rhymes", "dance"} << "0|chance\t/tʃɑːns/\n|/dɑːns/\n1 words found.\n";
        QTest::newRow("options after the command")
            << QStringList{"rhymes", "--type", "Alliteration", "--accent", "ame", "cat"}
            << "0|kangaroo\t/ˌkæŋɡəˈruː/\nkettle\t/ˈketl/\n|/kæt/\n2 words found.\n";
        QTest::newRow("none")
            << QStringList{"rhymes", "--type=alliteration", "apple"} << "0||/ˈæpl/\nNo words found.\n";
        QTest::newRow("spaces") << QStringList{"rhymes", " "} << "0||No words found.\n";
        QTest::newRow("sound") << QStringList{"sound", "?æt"} << "0|cat\t/kæt/\nhat\t/hæt/\n|2 words found.\n";
        QTest::newRow("empty pattern") << QStringList{"sound", ""} << "0||No words found.\n";
        QTest::newRow("two words") << QStringList{"rhymes", "a", "b"} << "2||vocalith-cli: rhymes takes one WORD";
        QTest::newRow("no pattern") << QStringList{"sound"} << "2||vocalith-cli: sound takes one PATTERN";
        QTest::newRow("bad type") << QStringList{"rhymes", "--type", "slant", "a"} << "2||vocalith-cli: --type takes";
        QTest::newRow("no words2") << QStringList{"--lexicon", "broken", "sound", "a"} << "3||Database error: ";
        // clang-format on
    }
    void run() {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QStringList tables = schema::lexiconTables();
        tables.removeAt(1);
        QVERIFY(Connection::openReadWrite(m_dir.filePath("broken"), tables, {}));
        args.replaceInStrings(QRegularExpression("^broken$"), m_dir.filePath("broken"));
        QByteArray in, out, err;
        QBuffer inBuffer(&in), outBuffer(&out), errBuffer(&err);
        inBuffer.open(QIODevice::ReadOnly);
        outBuffer.open(QIODevice::WriteOnly);
        errBuffer.open(QIODevice::WriteOnly);
        const int code = cli::run(QStringList{"vocalith-cli", "--lexicon", test::fixturePath("rhymes")} + args,
                                  {inBuffer, outBuffer, errBuffer});
        const QString result = QString::number(code) + '|' + QString::fromUtf8(out) + '|' + QString::fromUtf8(err);
        QCOMPARE(result.left(expected.endsWith('\n') ? result.size() : expected.size()), expected);
    }
};

QTEST_GUILESS_MAIN(TestCliRhymes)
#include "tst_cli_rhymes.moc"

// vocalith-cli rhymes and sound, run in-process: rows on stdout, the phonetics and the count
// label on stderr, exit statuses.

#include "cli/cli.h"
#include "testsupport.h"

#include <QBuffer>
#include <QTemporaryDir>

using namespace vocalith;

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run runCli(const QStringList &args, const QString &lexicon = test::fixturePath(QStringLiteral("rhymes"))) {
    QByteArray in, out, err;
    QBuffer inBuffer(&in), outBuffer(&out), errBuffer(&err);
    inBuffer.open(QIODevice::ReadOnly);
    outBuffer.open(QIODevice::WriteOnly);
    errBuffer.open(QIODevice::WriteOnly);
    const int code = cli::run(QStringList{"vocalith-cli", "--lexicon", lexicon} + args,
                              cli::Streams{inBuffer, outBuffer, errBuffer});
    return {code, QString::fromUtf8(out), QString::fromUtf8(err)};
}

} // namespace

class TestCliRhymes : public QObject {
    Q_OBJECT

private slots:
    void output_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        // clang-format off
        QTest::newRow("perfect by default")
            << QStringList{"rhymes", "cat"} << "acrobat\t/ˈækrəbæt/\nhat\t/hæt/\n" << "/kæt/\n2 words found.\n";
        QTest::newRow("type, accent after the command")
            << QStringList{"rhymes", "--type", "Assonance", "--accent", "ame", "nation"}
            << "able\t/ˈeɪbəl/\napple\t/ˈæpəl/\nbasin\t/ˈbeɪsən/\nfatal\t/ˈfeɪtəl/\nnations\t/ˈneɪʃənz/\n"
               "station\t/ˈsteɪʃən/\ntabled\t/ˈteɪbəld/\n"
            << "/ˈneɪʃən/\n7 words found.\n";
        QTest::newRow("affricates shown with two letters")
            << QStringList{"rhymes", "dance"} << "chance\t/tʃɑːns/\n" << "/dɑːns/\n1 words found.\n";
        QTest::newRow("vowel-initial alliteration")
            << QStringList{"rhymes", "--type=alliteration", "apple"} << "" << "/ˈæpl/\nNo words found.\n";
        QTest::newRow("not in the lexicon")
            << QStringList{"rhymes", "zebra"} << "" << "The word is not in the database.\n";
        QTest::newRow("empty word")  << QStringList{"rhymes", ""}   << "" << "No words found.\n";
        QTest::newRow("spaces only") << QStringList{"rhymes", "  "} << "" << "No words found.\n";
        QTest::newRow("sound")
            << QStringList{"sound", "?æt"} << "cat\t/kæt/\nhat\t/hæt/\n" << "2 words found.\n";
        QTest::newRow("sound, American")
            << QStringList{"--accent", "AmE", "sound", "--", "ʧ*"} << "chance\t/tʃæns/\n" << "1 words found.\n";
        QTest::newRow("sound, nothing") << QStringList{"sound", "tʃɑːns"} << "" << "No words found.\n";
        QTest::newRow("sound, empty")   << QStringList{"sound", ""}       << "" << "No words found.\n";
        QTest::newRow("sound, spaces")  << QStringList{"sound", " "}      << "" << "The word is not in the database.\n";
        // clang-format on
    }
    void output() {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r = runCli(args);
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, out);
        QCOMPARE(r.exitCode, int(cli::kDone));
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no word") << QStringList{"rhymes"};
        QTest::newRow("two words") << QStringList{"rhymes", "cat", "hat"};
        QTest::newRow("unknown type") << QStringList{"rhymes", "--type", "slant", "cat"};
        QTest::newRow("no pattern") << QStringList{"sound"};
        QTest::newRow("unknown option") << QStringList{"sound", "--type", "perfect", "?æt"};
    }
    void usage() {
        QFETCH(QStringList, args);
        const Run r = runCli(args);
        QCOMPARE(r.exitCode, int(cli::kUsage));
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains("rhymes [--type perfect|assonance|alliteration] WORD"), qPrintable(r.err));
    }

    void lexiconFailures() {
        QTemporaryDir dir;
        Run r = runCli({"sound", "?æt"}, dir.filePath("missing.sqlite"));
        QCOMPARE(r.exitCode, int(cli::kDatabase));
        QVERIFY(r.err.startsWith("The database is not available."));

        // A lexicon without the sound table opens, and the search reports the error.
        const QString path = dir.filePath("nowords2.sqlite");
        QStringList tables = schema::lexiconTables();
        tables.removeAt(1);
        QVERIFY(Connection::openReadWrite(path, tables, schema::lexiconRequiredTables()));
        r = runCli({"sound", "?æt"}, path);
        QCOMPARE(r.exitCode, int(cli::kDatabase));
        QVERIFY2(r.err.startsWith("Database error: ") && r.err.contains("words2"), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliRhymes)
#include "tst_cli_rhymes.moc"

// vocalith-cli export and import: stdin bytes through a converter to stdout, byte for byte.

#include "testsupport.h"

#include <QProcess>

using namespace Qt::StringLiterals;

class TestCommands : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode;
        QByteArray out;
    };

    static Run cli(const QStringList &args, const QByteArray &input) {
        QProcess p;
        p.start(vocalith::test::binPath(u"vocalith-cli"_s), args);
        p.waitForStarted();
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(60000);
        return {p.exitCode(), p.readAllStandardOutput()};
    }

private slots:
    void bytes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        const QStringList toXsampa{u"export"_s, u"--to"_s, u"xsampa"_s};
        QTest::newRow("CR LF kept") << toXsampa << "ˈθɪŋk\r\nðə\r\n"_ba << "\"TINk\r\nD@\r\n"_ba;
        QTest::newRow("no line break added") << QStringList{u"import"_s, u"--from"_s, u"xsampa"_s} << "\"TINk"_ba
                                             << "ˈθɪŋk"_ba;
        QTest::newRow("lone LF kept") << QStringList{u"export"_s, u"--to"_s, u"html"_s} << "ɑ\n\n"_ba
                                      << "&#593;\n\n"_ba;
        QTest::newRow("html import") << QStringList{u"import"_s, u"--from"_s, u"html"_s} << "&#593;\r\n"_ba
                                     << "ɑ\r\n"_ba;
        QTest::newRow("hex export") << QStringList{u"export"_s, u"--to"_s, u"hex"_s} << "æ\n"_ba << "&#x00E6;\n"_ba;
        QTest::newRow("hex import") << QStringList{u"import"_s, u"--from"_s, u"hex"_s} << "&#x251;&#x02A4;\r\n"_ba
                                    << "ɑdʒ\r\n"_ba;
        QTest::newRow("braille rule order") << QStringList{u"import"_s, u"--from"_s, u"braille"_s}
                                            << "\u2816\u2807\u2810\u282E"_ba << "ɱɮ"_ba;
        QTest::newRow("braille export") << QStringList{u"export"_s, u"--to"_s, u"braille"_s} << "ɐ A"_ba
                                        << "\u2816\u2801 A"_ba;
        QTest::newRow("string expression") << QStringList{u"export"_s, u"--to"_s, u"vb"_s} << "hat"_ba
                                           << "\"hat\" "_ba;
        QTest::newRow("string expression back") << QStringList{u"import"_s, u"--from"_s, u"vb"_s}
                                                << "ChrW(593) & \"pi\""_ba << "ɑpi"_ba;
        QTest::newRow("empty") << toXsampa << QByteArray() << QByteArray();
        QTest::newRow("emoji and byte order mark") << toXsampa << "\xEF\xBB\xBF😀ʃ"_ba << "\xEF\xBB\xBF😀S"_ba;
        QTest::newRow("invalid UTF-8") << toXsampa << "\xFF" "a\xED\xA0\x80\xC3"_ba
                                       << "\uFFFD" "a\uFFFD\uFFFD\uFFFD\uFFFD"_ba;
        QTest::newRow("no database needed") << QStringList{u"--lexicon"_s, u"/nonexistent/db.sqlite"_s} + toXsampa
                                            << "ʃ"_ba << "S"_ba;
    }
    void bytes() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        const Run run = cli(args, input);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no --to") << QStringList{u"export"_s};
        QTest::newRow("no --from") << QStringList{u"import"_s};
        QTest::newRow("unknown notation") << QStringList{u"export"_s, u"--to"_s, u"sampa"_s};
        QTest::newRow("missing value") << QStringList{u"import"_s, u"--from"_s};
        QTest::newRow("wrong option") << QStringList{u"import"_s, u"--to"_s, u"html"_s};
        QTest::newRow("text argument") << QStringList{u"export"_s, u"--to"_s, u"html"_s, u"ɑ"_s};
    }
    void usage() {
        QFETCH(QStringList, args);
        const Run run = cli(args, "ɑ"_ba);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"

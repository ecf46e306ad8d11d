// vocalith-cli as scripts use it: arguments and standard input in, bytes and an exit status
// out. Most cases run in-process on buffers; a few run the real program for the bytes on
// the wire, the exit status the shell sees and the memory it takes.

#include "app/messages.h"
#include "cli/cli.h"
#include "cli/manpage.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "engine/driver.h"
#include "engine/render.h"
#include "statistics/zentab.h"
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

struct Result {
    int status;
    QByteArray out;
    QByteArray err;
};

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
// LF, CR LF and lone CR, a byte-order mark and broken UTF-8.
QByteArray randomInput(QRandomGenerator &random, int pieces) {
    static const QByteArrayList kPieces{
        "cat", "father", "is", "the", "idea",         "for",  "there",    "a",       "sir",  "3.5", "$5", "(12)",
        ".",   ",",      "!",  "?",   "  ",           " ",    " ",        "\n",      "\r\n", "\r",  "\t", "@",
        "#@",  "CAT",    "'",  "-",   "\xef\xbb\xbf", "\xff", "\xe2\x82", "\xc3\xa9"};
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

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // "@name" arguments (before "--") stand for files of the test folder, "%name" for fixture lexicons; the
    // engine fixture is used unless --lexicon is given, and the test folder's C.sqlite as the
    // contributions. A real process writes to `output` when it is set.
    QStringList arguments(QStringList args) {
        for (QString &a : args) {
            if (a == QLatin1String("--"))
                break; // the text itself
            if (a.startsWith(QLatin1Char('@')))
                a = m_dir.filePath(a.mid(1));
            else if (a.startsWith(QLatin1Char('%')))
                a = test::fixturePath(a.mid(1));
        }
        if (!args.contains(QStringLiteral("--lexicon")))
            args = QStringList{QStringLiteral("--lexicon"), test::fixturePath(QStringLiteral("engine"))} + args;
        return QStringList{QStringLiteral("--contributions"), m_dir.filePath(QStringLiteral("C.sqlite"))} + args;
    }

    Result cli(const QStringList &args, QIODevice &in, QIODevice &out) {
        QBuffer err;
        err.open(QIODevice::WriteOnly);
        const int status = cli::run(QStringList{QStringLiteral("vocalith-cli")} + arguments(args), {in, out, err});
        const auto *buffer = qobject_cast<QBuffer *>(&out);
        return {status, buffer ? buffer->data() : QByteArray(), err.data()};
    }

    Result cli(QStringList args, const QByteArray &input, bool process = false, const QString &output = {}) {
        if (process) {
            args = arguments(args);
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
        QByteArray in = input;
        QBuffer inBuffer(&in), outBuffer;
        inBuffer.open(QIODevice::ReadOnly);
        outBuffer.open(QIODevice::WriteOnly);
        return cli(args, inBuffer, outBuffer);
    }

    // A lexicon with the given tables, each with a word column only.
    void makeTables(const QString &name, const QStringList &tables) {
        QStringList create;
        for (const QString &t : tables)
            create << QStringLiteral("CREATE TABLE %1 (word TEXT)").arg(t);
        QVERIFY(Connection::openReadWrite(m_dir.filePath(name), create, {}));
    }

private slots:
    // Each case starts from the same two contributed words.
    void init() {
        QFile::remove(m_dir.filePath(QStringLiteral("C.sqlite")));
        auto db = contributions::open(m_dir.filePath(QStringLiteral("C.sqlite")));
        QVERIFY(db);
        contributions::ContributionStore store(*db);
        store.save(contributions::normalised(QStringLiteral("cat"), QStringLiteral("kat"), QString()));
        store.save(contributions::normalised(QStringLiteral("o'clock"), QString(), QStringLiteral("əˈklɑk")));
    }

    void initTestCase() {
        test::writeFile(m_dir.filePath("garbage.sqlite"), QByteArray(4096, 'x'));
        test::writeFile(m_dir.filePath("vocalith.xml"),
                        "<?xml version='1.0'?><vocalith><editor slash='false' keepspaces='FALSE'/></vocalith>");
        test::writeFile(m_dir.filePath("in.tsv"), "word\tBrE\tAmE\nDog\tdɒɡ\t\ncat\t\tkæt\nbroken\n");
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
        QTest::newRow("rhymes") << QStringList{"--lexicon", "%rhymes", "rhymes", "dance"} << QByteArray() << false << 0
                                << QByteArray("chance\t/tʃɑːns/\n") << QByteArray("/dɑːns/\n1 words found.\n");
        QTest::newRow("alliteration, options after the command")
            << QStringList{"--lexicon", "%rhymes", "rhymes", "--type", "Alliteration", "--accent", "ame", "cat"} << QByteArray()
            << false << 0 << QByteArray("kangaroo\t/ˌkæŋɡəˈruː/\nkettle\t/ˈketl/\n") << QByteArray("/kæt/\n2 words found.\n");
        QTest::newRow("alliteration on a vowel") << QStringList{"--lexicon", "%rhymes", "rhymes", "--type=alliteration", "apple"}
                                                 << QByteArray() << false << 0 << QByteArray() << QByteArray("/ˈæpl/\nNo words found.\n");
        QTest::newRow("sound") << QStringList{"--lexicon", "%rhymes", "sound", "?æt"} << QByteArray() << false << 0
                               << QByteArray("cat\t/kæt/\nhat\t/hæt/\n") << QByteArray("2 words found.\n");
        QTest::newRow("empty pattern") << QStringList{"--lexicon", "%rhymes", "sound", ""} << QByteArray() << false << 0
                                       << QByteArray() << QByteArray("No words found.\n");
        QTest::newRow("rhymes of two words") << QStringList{"rhymes", "a", "b"} << QByteArray() << false << 2 << QByteArray()
                                             << QByteArray("vocalith-cli: rhymes takes one WORD");
        QTest::newRow("unknown rhyme type") << QStringList{"rhymes", "--type", "slant", "a"} << QByteArray() << false << 2
                                            << QByteArray() << QByteArray("vocalith-cli: --type takes");
        QTest::newRow("sound without words2") << QStringList{"--lexicon", "@broken.sqlite", "sound", "a"} << QByteArray()
                                              << false << 3 << QByteArray() << QByteArray("Database error: ");
        QTest::newRow("zentab") << QStringList{"zentab"} << QByteArray("k |\r\n| ə ") << false << 0
                                << (zentabReport(QStringLiteral("k | | ə")).replace("\r\n", "\n") + '\n').toUtf8() << QByteArray();
        QTest::newRow("statistics of an empty text") << QStringList{"stats"} << QByteArray("\n") << false << 1 << QByteArray()
                                                     << QByteArray("Text box empty.\n");
        QTest::newRow("statistics of an argument") << QStringList{"stats", "k"} << QByteArray() << false << 2 << QByteArray()
                                                   << QByteArray("vocalith-cli: stats reads its text from standard input\n");
        QTest::newRow("my words, american")
            << QStringList{"--accent", "AmE", "transcribe", "--use-contributions", "--raw", "cat", "o'clock"}
            << QByteArray() << false << 0 << QByteArray("kæt əˈklɑk\n") << QByteArray();
        QTest::newRow("my words unusable") << QStringList{"--contributions", "@", "transcribe", "--use-contributions", "cat"}
                                           << QByteArray() << false << 3 << QByteArray()
                                           << (messages::kWordsNotOpened.arg(QFileInfo(m_dir.filePath("")).absoluteFilePath()) + '\n' +
                                               messages::kWordsCannotOpen.arg("not a regular file") + '\n').toUtf8();
        QTest::newRow("my words not a database") << QStringList{"--contributions", "@garbage.sqlite", "contributions", "list"}
                                                 << QByteArray() << false << 3 << QByteArray()
                                                 << (messages::kWordsNotOpened.arg(m_dir.filePath("garbage.sqlite")) + '\n' +
                                                     messages::kWordsDamaged.arg("file is not a database") + '\n').toUtf8();
        // Refusals of number and sound have a failure status; a final blank line, read in
        // pieces, makes no empty phrase.
        QTest::newRow("not a number") << QStringList{"number", "abc"} << QByteArray() << false << 1
                                      << QByteArray("Invalid Number\n") << QByteArray();
        QTest::newRow("number too big") << QStringList{"number", "1000000000000000000000"} << QByteArray() << false << 1
                                        << QByteArray("Number too big\n") << QByteArray();
        QTest::newRow("sound: pattern too long") << QStringList{"--lexicon", "%rhymes", "sound", QString(1001, 'k')}
                                                 << QByteArray() << false << 1 << QByteArray()
                                                 << QByteArray("The sound is too long (more than 1000 characters).\n");
        QTest::newRow("final blank line") << QStringList{"transcribe", "--set", "removecrs=false"} << QByteArray("cat\n\ndog\n\n")
                                          << false << 0 << QByteArray("/ kæt /\n/ dɒɡ /\n") << QByteArray();
        QTest::newRow("speak: empty text") << QStringList{"speak", "--wav", "@s.wav"} << QByteArray(" \n") << false << 1
                                           << QByteArray() << QByteArray("Text box empty.\n");
        QTest::newRow("speak: nothing English") << QStringList{"speak", "--wav", "@s.wav"} << QByteArray("ʘ ǃ") << false
                                                << 1 << QByteArray()
                                                << QByteArray("Not spoken: ʘ, ǃ (2 in all)\n"
                                                              "Nothing to speak: the text has no English phoneme.\n");
        QTest::newRow("speak: no file") << QStringList{"speak", "--rate", "100"} << QByteArray("kæt") << false << 2
                                        << QByteArray() << QByteArray("vocalith-cli: speak needs --wav FILE\n");
        QTest::newRow("speak: rate too high") << QStringList{"speak", "--rate", "261", "--wav", "@s.wav"} << QByteArray("kæt")
                                              << false << 2 << QByteArray()
                                              << QByteArray("vocalith-cli: --rate takes words a minute from 80 to 260, not \"261\"\n");
        QTest::newRow("speak: file in no folder") << QStringList{"speak", "--wav", "@none/s.wav"} << QByteArray("kæt") << false
                                                  << 4 << QByteArray()
                                                  << ("vocalith-cli: the output could not be written: " +
                                                      m_dir.filePath("none/s.wav").toUtf8() + ": No such file or directory\n");
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

    // The 52 lines of the counts; those of the symbols that occur are checked.
    void statistics_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("counted");
        QTest::newRow("references decoded")
            << QStringList{"stats"} << QByteArray("/ &#712;kaɪ&#601; /\n") << QByteArray("/k/\t1\n/aɪə/\t1\n");
        QTest::newRow("unique words over lines") << QStringList{"stats", "--unique"} << QByteArray("kæt\r\nkæt skæt\n")
                                                 << QByteArray("/t/\t2\n/k/\t2\n/s/\t1\n/æ/\t2\n");
    }
    void statistics() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, counted);
        const Result r = cli(args, input);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.count('\n'), 52);
        QByteArray nonZero;
        for (const QByteArray &line : r.out.split('\n'))
            if (!line.isEmpty() && !line.endsWith("\t0"))
                nonZero += line + '\n';
        QCOMPARE(nonZero, counted);
    }

    // The user's words: what each command prints, and the list afterwards.
    void contributions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");     // what stderr starts with
        QTest::addColumn<QByteArray>("list"); // "contributions list" afterwards
        const QByteArray both = "cat\no'clock\n";
        // clang-format off
        QTest::newRow("show, not stored") << QStringList{"show", "dog"} << 1 << QByteArray()
                                          << contributions::kNotStored.arg("dog") << both;
        QTest::newRow("add, a word like sql") << QStringList{"add", "--ame", "x", "--", "X'); drop table words; --"} << 0
                                              << QByteArray() << "" << both + "x'); drop table words; --\n";
        QTest::newRow("add without transcription") << QStringList{"add", "dog"} << 1 << QByteArray()
                                                   << contributions::kNoTranscription << both;
        QTest::newRow("add a punctuation token") << QStringList{"add", "dog", "--bre", "dɒɡ <.>"} << 1 << QByteArray()
                                                 << contributions::kMarkInTranscription << both;
        QTest::newRow("delete asks nothing") << QStringList{"delete", "o'clock"} << 0 << QByteArray() << "" << QByteArray("cat\n");
        QTest::newRow("export") << QStringList{"export"} << 0 << QByteArray("word\tBrE\tAmE\ncat\tkat\t\no'clock\t\təˈklɑk\n")
                                << "" << both;
        QTest::newRow("show") << QStringList{"show", "CAT"} << 0 << QByteArray("cat\tkat\t\n") << "" << both;
        QTest::newRow("import with a refused line") << QStringList{"import", "@in.tsv"} << 1
                                                    << QByteArray("1 added, 1 updated, 1 refused.\n")
                                                    << "line 4: wrong number of columns (1 instead of 3)\n"
                                                    << QByteArray("cat\ndog\no'clock\n");
        QTest::newRow("import a file that is not text") << QStringList{"import", "%engine"} << 1 << QByteArray()
                                                        << contributions::kImportNotText + '\n' << both;
        QTest::newRow("unknown subcommand") << QStringList{"remove", "cat"} << 2 << QByteArray() << "vocalith-cli: " << both;
        // clang-format on
    }
    void contributions() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, list);
        const Result r = cli(QStringList{QStringLiteral("contributions")} + args, QByteArray());
        QVERIFY2(r.err.startsWith(err.toUtf8()), r.err.constData());
        QCOMPARE(r.out, out);
        QCOMPARE(r.status, status);
        QCOMPARE(cli({QStringLiteral("contributions"), QStringLiteral("list")}, QByteArray()).out, list);
    }

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
        const Result r = cli(args, in, out);
        QCOMPARE(r.status, 4);
        QCOMPARE(out.written, room);
        QCOMPARE(r.err, QByteArray("vocalith-cli: the output could not be written: No space left on device\n"));
    }

    // A pipe whose reader has gone: the real program says so and exits 4.
    void closedPipe() {
        const QString input =
            test::writeFile(m_dir.filePath("pipe.txt"), QByteArray("cat is a dog\n").repeated(100000));
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
            const Result r = cli(
                {QStringLiteral("--lexicon"), path, QStringLiteral("transcribe"), QStringLiteral("cat")}, QByteArray());
            QVERIFY(q.exec(QStringLiteral("COMMIT")));
            QCOMPARE(r.status, 3);
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
            QStringList args = QStringList{QStringLiteral("transcribe")} + randomOptions(random);
            if (random.bounded(3) == 0)
                args << QStringLiteral("--raw");
            TrickleDevice in(input, random.generate());
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            const Result pieces = cli(args, in, out);
            QCOMPARE(pieces.status, 0);
            QCOMPARE(pieces.out, cli(args + QStringList{QStringLiteral("--"), QString::fromUtf8(input)}, {}).out);

            const QStringList render = QStringList{QStringLiteral("render")} + randomOptions(random);
            TrickleDevice storedIn(input, random.generate());
            QBuffer rendered;
            rendered.open(QIODevice::WriteOnly);
            QCOMPARE(cli(render, storedIn, rendered).out, cli(render, input).out);
        }
    }

    // A text long enough to be cut many times, in pieces of the size a pipe gives.
    void longStdinEqualsWhole() {
        QRandomGenerator random(23);
        QByteArray input;
        while (input.size() < 400000)
            input += randomInput(random, 50) + '\n';
        auto connection = test::openFixture(QStringLiteral("engine"));
        QVERIFY(connection);
        Lexicon lexicon(*connection);
        const QString stored =
            Transcribe(cli::toBoxText(QString::fromUtf8(input)), Accent::BrE, lexicon).value_or(QString());
        QVERIFY(stored.size() > 300000);
        const Result raw = cli({QStringLiteral("transcribe"), QStringLiteral("--raw")}, input);
        QCOMPARE(raw.out, cli::fromBoxText(stored).toUtf8() + '\n');
        RenderOptions keepLines;
        keepLines.removeCRs = false;
        const Result rendered =
            cli({QStringLiteral("render"), QStringLiteral("--set"), QStringLiteral("removecrs=false")}, raw.out);
        QCOMPARE(rendered.out, cli::fromBoxText(*RenderTranscription(stored, keepLines, Accent::BrE)).toUtf8() + '\n');
    }

    // The real program on a large input: its peak memory stays far below what holding the
    // text and its transcription would take (about 140 bytes a word).
    void flatMemory() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's own memory hides the program's");
#endif
        const QByteArray line("The cat is a dog, there is the idea for a father; 3.5 $5.\n");
        const QString input = test::writeFile(m_dir.filePath("large.txt"), line.repeated(50000)); // 700,000 words
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

    // Standard input that cannot be read (a folder) or does not fit in memory (an address
    // space limit, the real program): exit 1 with the reason, not an empty success or an
    // uncaught exception.
    void inputCannotBeRead_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input"); // a path in the test folder
        QTest::addColumn<qint64>("memory"); // the address space limit, 0: none
        QTest::addColumn<QByteArray>("err");
        const QByteArray folder = "vocalith-cli: the input could not be read: Is a directory\n";
        QTest::newRow("transcribe, a folder") << QStringList{"transcribe"} << "." << 0ll << folder;
        QTest::newRow("stats, a folder") << QStringList{"stats"} << "." << 0ll << folder;
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer reserves terabytes of address space
        QTest::newRow("stats, too large for memory")
            << QStringList{"stats"} << "huge.txt" << (qint64(256) << 20)
            << QByteArray("vocalith-cli: not enough memory to finish the command\n");
#endif
    }
    void inputCannotBeRead() {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(qint64, memory);
        QFETCH(QByteArray, err);
        QFile huge(m_dir.filePath("huge.txt"));
        QVERIFY(huge.exists() || (huge.open(QIODevice::WriteOnly) && huge.resize(qint64(2) << 30))); // sparse
        QProcess p;
        p.setStandardInputFile(m_dir.filePath(input));
        if (memory)
            p.setChildProcessModifier([memory] {
                const rlimit limit{rlim_t(memory), rlim_t(memory)};
                setrlimit(RLIMIT_AS, &limit);
            });
        p.start(test::binPath(QStringLiteral("vocalith-cli")), arguments(args));
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.readAllStandardError(), err);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
    }

    // speak writes a WAV file of espeak-ng's voice: the same bytes from a second process, another
    // for the other accent; what it cannot say is noted on stderr.
    void speakWritesWav() {
        const QByteArray text = "/ ðə ˈfɑː.ðə / ɪz ʘ ˈkʌm.ɪŋ /\n";
        QByteArrayList files;
        for (const char *accent : {"BrE", "BrE", "AmE"}) {
            const QString path = m_dir.filePath(QStringLiteral("speak-%1.wav").arg(files.size()));
            const Result r = cli({QStringLiteral("--accent"), accent, QStringLiteral("speak"), QStringLiteral("--rate"),
                                  QStringLiteral("200"), QStringLiteral("--wav"), path},
                                 text, true);
            QCOMPARE(r.status, 0);
            QCOMPARE(r.err, QByteArray("Not spoken: ʘ\n"));
            QCOMPARE(r.out, QByteArray());
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            files << f.readAll();
            QVERIFY(files.back().startsWith("RIFF") && files.back().size() > 22050);
        }
        QCOMPARE(files[1], files[0]);
        QVERIFY(files[2] != files[0]);
    }

    // The usage lists every command and is printed on request.
    void help() {
        const Result r = cli({QStringLiteral("--help")}, {}, false);
        QCOMPARE(r.status, 0);
        for (const char *command : {"transcribe", "render", "number", "export", "import", "rhymes", "sound", "stats",
                                    "zentab", "contributions", "speak", "about"})
            QVERIFY2(r.out.contains(QByteArray("\n  ") + command), command);
    }

    // The manual is made from the usage's table: every command line of --help is in it, with
    // what the command does; --help does not offer --man.
    void manPage() {
        const Result help = cli({QStringLiteral("--help")}, {});
        const Result man = cli({QStringLiteral("--man")}, {});
        QCOMPARE(man.status, 0);
        QVERIFY(!help.out.contains("--man"));
        const QString page = QString::fromUtf8(man.out);
        QVERIFY(page.startsWith(".TH VOCALITH\\-CLI 1 \"January 2014\" \"Vocalith 1.7f\""));
        const QStringList lines = QString::fromUtf8(help.out).split('\n');
        QVERIFY(page.contains("\n.nf\n" + cli::roffEscaped(lines[0].mid(7)) + '\n' +
                              cli::roffEscaped(lines[1].trimmed()) + "\n.fi\n"));
        int commands = 0;
        for (const QString &line : lines) {
            if (!line.startsWith("  ") || line.startsWith("   ")) // the commands, not the usage's second line
                continue;
            const QString synopsis = line.trimmed(), name = synopsis.section(' ', 0, 0);
            const QString description = cli::commandDescription(name);
            QVERIFY2(!description.isEmpty(), qPrintable(name));
            QVERIFY2(page.contains(".TP\n\\fB" + cli::roffEscaped(synopsis) + "\\fR\n" + cli::roffEscaped(description) +
                                   '\n'),
                     qPrintable(name));
            ++commands;
        }
        QVERIFY(commands >= 11);
    }

    void roffEscaped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("roff");
        // clang-format off
        QTest::newRow("plain") << "words (ə) | x" << "words (ə) | x";
        QTest::newRow("options") << "--set KEY -x" << "\\-\\-set KEY \\-x";
        QTest::newRow("backslash") << "a\\b" << "a\\eb";
        QTest::newRow("dot starts a request") << ".TH" << "\\&.TH";
        QTest::newRow("quote starts a request") << "'x" << "\\&'x";
        QTest::newRow("dot inside") << "a. b" << "a. b";
        // clang-format on
    }

    void roffEscaped() {
        QFETCH(QString, text);
        QFETCH(QString, roff);
        QCOMPARE(cli::roffEscaped(text), roff);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

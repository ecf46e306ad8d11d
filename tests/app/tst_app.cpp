// The app's core: settings file, data folder, panel switching, About texts, font sizes,
// text files in and out, the work in progress and where windows go on a screen.

#include "app/about.h"
#include "app/fontsize.h"
#include "app/panels.h"
#include "app/paths.h"
#include "app/screenfit.h"
#include "app/settings.h"
#include "app/textfiles.h"
#include "app/userfiles.h"
#include "app/work.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "statistics/zentab.h"
#include "storage/files.h"
#include "testsupport.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vocalith;

using MetadataRows = QList<std::pair<QString, QVariant>>;
Q_DECLARE_METATYPE(MetadataRows)
Q_DECLARE_METATYPE(vocalith::Panel)
using Widths = QVector<int>;

namespace {

const QStringList kInstalled = {"DejaVu Sans", "Lucida Sans Unicode", "Charis SIL", "Arial Unicode MS",
                                "Gentium",     "Doulos SIL Compact"};

QString writeFile(const QTemporaryDir &dir, const QByteArray &content) {
    return test::writeFile(dir.filePath(QStringLiteral("vocalith.xml")), content);
}

// A lexicon file with the given metadata rows (a null value for an empty QVariant).
QString makeLexicon(const QTemporaryDir &dir, const MetadataRows &rows) {
    const QString path = dir.filePath(QStringLiteral("lexicon.sqlite"));
    auto db = Connection::openReadWrite(path, schema::lexiconTables(), schema::lexiconRequiredTables());
    for (const auto &[attribute, value] : rows)
        db->execute(QStringLiteral("INSERT INTO metadata (attribute, Value) VALUES (?, ?)"), {attribute, value});
    db->execute(QStringLiteral("INSERT INTO contributors VALUES ('Ann', 'Leeds', 'vowels')"));
    return path;
}

const MetadataRows kFull = {{"dbversion", "2.0"},  {"dbdate", "March 2015"},       {"dbtext", "A test lexicon"},
                            {"dbwords", "125000"}, {"www", "https://example.org"}, {"email", "a@example.org"}};

// Frames as "T P H R L" letters of the visible ones, captions as "t r u" of the lit ones.
QString frames(const PanelState &s) {
    QString out;
    const char letters[] = "TPHRL";
    for (int f = 0; f < 5; ++f)
        if (s.frames[size_t(f)])
            out += QLatin1Char(letters[f]);
    return out;
}

QString captions(const PanelState &s) {
    QString out;
    const char letters[] = "tru";
    for (int c = 0; c < 3; ++c)
        if (s.captions[size_t(c)])
            out += QLatin1Char(letters[c]);
    return out;
}

QString tags(const PanelState &s) { return s.tags[0] + s.tags[1] + s.tags[2] + s.tags[3]; }

// Runs write in a child process whose files cannot grow beyond 16 bytes, SIGXFSZ ignored, so
// that its writes fail as on a full disk ("File too large"). Gives "1" or "0" for what write
// returned, followed by its message.
QByteArray onFullDisk(const std::function<bool(QString *)> &write) {
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
        QString message;
        const bool written = write(&message);
        const QByteArray report = (written ? "1" : "0") + message.toUtf8();
        [[maybe_unused]] const ssize_t n = ::write(channel[1], report.constData(), size_t(report.size()));
        ::_exit(0); // no destructors: the parent's temporary folders stay
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    ::close(channel[0]);
    waitpid(child, nullptr, 0);
    return report;
}

dev_t deviceOf(const QString &path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_dev;
}

QByteArray contentOf(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Files from "name=content name=content".
void makeFiles(const QString &folder, const QString &spec) {
    for (const QString &file : spec.split(' ', Qt::SkipEmptyParts))
        test::writeFile(QDir(folder).filePath(file.section('=', 0, 0)), file.section('=', 1).toUtf8());
}

// A folder's files as makeFiles takes them, in name order.
QString folderState(const QString &folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.sort();
    QStringList files;
    for (const QString &name : names)
        files << name + '=' + QString::fromUtf8(contentOf(QDir(folder).filePath(name)));
    return files.join(' ');
}

QStringList asList(const UserFiles &files) { return {files.settings, files.work, files.contributions, files.notice}; }

// settleUserFiles where the program's folder cannot be written: in a child process that is
// not root (root writes anywhere), with the folders opened to it.
QStringList settleReadOnly(const QTemporaryDir &dir, const QString &program, const QString &user) {
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QDir().mkpath(dir.filePath("home"));
    for (const char *folder : {"home", "home/.local", "home/.local/share", "home/.local/share/Vocalith"})
        ::chmod(QFile::encodeName(dir.filePath(folder)).constData(), 0777);
    ::chmod(QFile::encodeName(program).constData(), 0555);
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(1);
        const QByteArray report = asList(settleUserFiles(program, user)).join('\n').toUtf8();
        [[maybe_unused]] const ssize_t n = ::write(channel[1], report.constData(), size_t(report.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    ::close(channel[0]);
    waitpid(child, nullptr, 0);
    ::chmod(QFile::encodeName(program).constData(), 0755);
    return QString::fromUtf8(report).split('\n');
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutFile() {
        QTemporaryDir dir;
        Settings s;
        s.editor.list = false; // the window's current states stay when there is no file
        QVERIFY(!LoadSettings(dir.filePath("none.xml"), kInstalled, s));
        QCOMPARE(s.accent, Accent::BrE);
        QCOMPARE(s.fontSize, QStringLiteral("12"));
        QCOMPARE(s.unicodeFonts, (QStringList{"Lucida Sans Unicode", "Charis SIL", "Arial Unicode MS", "Gentium"}));
        QCOMPARE(s.fontName, QStringLiteral("Lucida Sans Unicode"));
        QCOMPARE(s.brailleFonts, (QStringList{"Braille", "Code2000", "DejaVu Sans", "Free Mono", "ghUBraille",
                                              "Komikaze", "Y.OzFont"}));
        QCOMPARE(s.brailleFontName, QStringLiteral("Braille"));
        QVERIFY(!s.editor.list);
        // A file that cannot be read gives the defaults too.
        s.accent = Accent::AmE;
        QVERIFY(!LoadSettings(writeFile(dir, "<vocalith language='AmE'"), kInstalled, s));
        QCOMPARE(s.accent, Accent::BrE);
    }

    void loadRules_data() {
        // clang-format off
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const QByteArray fonts = "<unicodefonts size='14' bold='TRUE' italic='no' underline='false' name='charis sil'>"
                                 "<font name='CHARIS SIL'/><font name='Not Installed'/><font name='gentium'/></unicodefonts>";
        QTest::newRow("AME in capitals") << QByteArray("<vocalith language='AME'/>") << "accent" << "AmE";
        QTest::newRow("other language") << QByteArray("<vocalith language='fr'/>") << "accent" << "BrE";
        QTest::newRow("size") << "<vocalith>" + fonts + "</vocalith>" << "size" << "14";
        QTest::newRow("size not numeric")
            << QByteArray("<vocalith><unicodefonts size='big'/></vocalith>") << "size" << "12";
        QTest::newRow("size too large")
            << QByteArray("<vocalith><unicodefonts size='99999999'/></vocalith>") << "size" << "12";
        QTest::newRow("size 0") << QByteArray("<vocalith><unicodefonts size='0'/></vocalith>") << "size" << "12";
        QTest::newRow("size negative")
            << QByteArray("<vocalith><unicodefonts size='-4'/></vocalith>") << "size" << "12";
        QTest::newRow("bold in any case") << "<vocalith>" + fonts + "</vocalith>" << "bold" << "true";
        QTest::newRow("installed names, not installed dropped")
            << "<vocalith>" + fonts + "</vocalith>" << "fonts" << "Charis SIL|Gentium";
        QTest::newRow("font box shows the name") << "<vocalith>" + fonts + "</vocalith>" << "name" << "charis sil";
        QTest::newRow("braille fonts")
            << QByteArray("<vocalith><braillefonts name='B2'><font name='B1'/><font name='B2'/></braillefonts></vocalith>")
            << "braille" << "B1|B2/B2";
        QTest::newRow("braille name missing")
            << QByteArray("<vocalith><braillefonts><font name='B1'/></braillefonts></vocalith>") << "braille"
            << "B1/Braille";
        QTest::newRow("braille name without fonts")
            << QByteArray("<vocalith><braillefonts name='B2'/></vocalith>") << "braille"
            << "Braille|Code2000|DejaVu Sans|Free Mono|ghUBraille|Komikaze|Y.OzFont/Braille";
        // list, removestress, slash: an absent attribute leaves the option as it was (list is on);
        // any value but true is false.
        QTest::newRow("editor") << QByteArray("<vocalith><editor removestress='True' slash='yes'/></vocalith>") << "editor" << "1 1 0 0 0";
        QTest::newRow("use my words") << QByteArray("<vocalith><editor usecontributions='TRUE'/></vocalith>") << "editor" << "1 0 1 1 0";
        QTest::newRow("guess unknown words") << QByteArray("<vocalith><editor guessunknown='true'/></vocalith>") << "editor" << "1 0 1 0 1";
        // clang-format on
    }

    void loadRules() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        Settings s;
        QVERIFY(LoadSettings(writeFile(dir, xml), kInstalled, s));
        const QHash<QString, QString> got = {
            {"accent", accentCode(s.accent)},
            {"size", s.fontSize},
            {"bold", s.bold ? "true" : "false"},
            {"fonts", s.unicodeFonts.join('|')},
            {"name", s.fontName},
            {"braille", s.brailleFonts.join('|') + '/' + s.brailleFontName},
            {"editor", QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(s.editor.list)
                           .arg(s.editor.removeStress)
                           .arg(s.editor.slash)
                           .arg(s.useContributions)
                           .arg(s.guessUnknown)},
        };
        QCOMPARE(got.value(field), expected);
    }

    void roundTrip() {
        QTemporaryDir dir;
        Settings out = defaultSettings(kInstalled);
        out.accent = Accent::AmE;
        out.fontSize = QStringLiteral("13");
        out.italic = true;
        out.fontName = QStringLiteral("Gentium");
        out.editor.removeStress = true;
        out.editor.showSyllables = false;
        out.editor.keepPunctuation = true;
        out.useContributions = true;
        out.guessUnknown = true;
        out.brailleFonts = {"DejaVu Sans"};
        out.brailleFontName = QStringLiteral("DejaVu Sans");
        const QString path = writeFile(dir, QByteArray(5000, 'x')); // replaced whole
        QVERIFY(SaveSettings(path, out));
        Settings in;
        QVERIFY(LoadSettings(path, kInstalled, in));
        QCOMPARE(settingsDocument(in), settingsDocument(out));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"vocalith.xml"});
    }

    void documentLayout() {
        const QByteArray text = settingsDocument(defaultSettings(kInstalled));
        QVERIFY(text.startsWith("<?xml version='1.0'?>\n<vocalith language=\"BrE\">"));
        QDomDocument doc;
        QVERIFY(bool(doc.setContent(text)));
        QStringList children;
        for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            children << e.tagName();
        QCOMPARE(children, (QStringList{"unicodefonts", "editor", "braillefonts"}));
        // The nine display options, usecontributions and guessunknown.
        QCOMPARE(doc.documentElement().firstChildElement("editor").attributes().count(), 11);
        // Attributes in the order of the file layout.
        QVERIFY(text.indexOf("size=") < text.indexOf("bold=") && text.indexOf("underline=") < text.indexOf("name="));
        QVERIFY(text.indexOf("keepspaces=") < text.indexOf("removestress=") &&
                text.indexOf("slash=") < text.indexOf("list="));
    }

    void failedSaveKeepsNothingHalfWritten() {
        QTemporaryDir dir;
        const QString blocker = test::writeFile(dir.filePath("file"), {});
        QString error;
        // The folder of the path is a file: nothing can be written there.
        QVERIFY(!SaveSettings(blocker + "/vocalith.xml", defaultSettings({}), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"file"});
    }

    // Where the user's files go at the first start of this version, from beside the program.
    // Folders are given as "name=content ..."; where says for settings, work and word list
    // whether the user's folder (u) or the program's (p) is used.
    void userFilesSettle_data() {
        QTest::addColumn<QString>("beside");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("besideAfter");
        QTest::addColumn<QString>("mineAfter");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("notice"); // @ stands for the user's folder
        const QString all = "vocalith.xml, work.json, ContributionDB.sqlite";
        // clang-format off
        QTest::newRow("nothing beside") << "" << "" << "" << "" << "" << "uuu" << "";
        QTest::newRow("moved")
            << "vocalith.xml=s work.json=w ContributionDB.sqlite=c x=y" << "" << ""
            << "x=y" << "ContributionDB.sqlite=c vocalith.xml=s work.json=w" << "uuu" << kUserFilesMoved.arg(all, "@");
        QTest::newRow("moved across file systems")
            << "vocalith.xml=s work.json=w ContributionDB.sqlite=c" << "" << "otherfs"
            << "" << "ContributionDB.sqlite=c vocalith.xml=s work.json=w" << "uuu" << kUserFilesMoved.arg(all, "@");
        QTest::newRow("collision: the user's wins, the other is kept")
            << "vocalith.xml=old work.json=w" << "vocalith.xml=new" << ""
            << "vocalith.xml.beside-program=old" << "vocalith.xml=new work.json=w" << "uuu"
            << kUserFilesMoved.arg("work.json", "@") + ' ' +
                   kUserFileSetAside.arg("vocalith.xml", "vocalith.xml.beside-program", "@");
        QTest::newRow("collision again")
            << "work.json=old work.json.beside-program=older" << "work.json=new" << ""
            << "work.json.beside-program=older work.json.beside-program.2=old" << "work.json=new" << "uuu"
            << kUserFileSetAside.arg("work.json", "work.json.beside-program.2", "@");
        QTest::newRow("read-only program folder: copied, the original stays")
            << "work.json=w" << "" << "readonly" << "work.json=w" << "work.json=w" << "uuu"
            << kUserFilesCopied.arg("work.json", "@", qt_error_string(EACCES));
        QTest::newRow("read-only program folder, next start")
            << "work.json=w" << "work.json=mine" << "readonly" << "work.json=w" << "work.json=mine" << "uuu" << "";
        QTest::newRow("no user folder: used in place")
            << "ContributionDB.sqlite=c" << "" << "nofolder" << "ContributionDB.sqlite=c" << "" << "uup"
            << kUserFileInPlace.arg("ContributionDB.sqlite", "@", qt_error_string(ENOTDIR));
        QTest::newRow("word list with its journal: used in place")
            << "ContributionDB.sqlite=c ContributionDB.sqlite-journal=j" << "" << ""
            << "ContributionDB.sqlite=c ContributionDB.sqlite-journal=j" << "" << "uup" << "*";
        // clang-format on
    }

    void userFilesSettle() {
        QFETCH(QString, beside);
        QFETCH(QString, mine);
        QFETCH(QString, condition);
        QFETCH(QString, besideAfter);
        QFETCH(QString, mineAfter);
        QFETCH(QString, where);
        QFETCH(QString, notice);
        QTemporaryDir dir;
        QTemporaryDir otherFs(QStringLiteral("/dev/shm/vocalith-test-XXXXXX"));
        const bool otherFsRow = condition == "otherfs";
        if (otherFsRow && (!otherFs.isValid() || deviceOf(otherFs.path()) == deviceOf(dir.path())))
            QSKIP("no second file system at /dev/shm");
        const QString program = (otherFsRow ? otherFs.path() : dir.path()) + "/bin";
        const QString user = dir.filePath("home/.local/share/Vocalith");
        QVERIFY(QDir().mkpath(program));
        makeFiles(program, beside);
        if (!mine.isEmpty()) {
            QVERIFY(QDir().mkpath(user));
            makeFiles(user, mine);
        }
        if (condition == "nofolder" && QDir().mkpath(dir.filePath("home")))
            test::writeFile(dir.filePath("home/.local"), "a file where the folder would be");

        const QStringList settled =
            condition == "readonly" ? settleReadOnly(dir, program, user) : asList(settleUserFiles(program, user));
        QCOMPARE(settled.size(), 4);
        QString places;
        const QStringList names = {kSettingsFileName, kWorkFileName, kContributionsFileName};
        for (int k = 0; k < 3; ++k) {
            const QString folder = QFileInfo(settled[k]).absolutePath();
            QCOMPARE(QFileInfo(settled[k]).fileName(), names[k]);
            places += folder == user ? 'u' : folder == program ? 'p' : '?';
        }
        QCOMPARE(places, where);
        QCOMPARE(folderState(program), besideAfter);
        QCOMPARE(folderState(user), mineAfter);
        if (notice == "*")
            QVERIFY(settled[3].startsWith(kUserFileInPlace.arg(kContributionsFileName, user, QString()).chopped(3)));
        else
            QCOMPARE(settled[3], QString(notice).replace('@', user));
    }

    // Two programs started at once on the same files: each ends up with the one moved file,
    // and nothing is lost (at most a copy set aside beside the program).
    void userFilesTwoProgramsAtOnce_data() {
        QTest::addColumn<bool>("otherFs");
        QTest::newRow("same file system") << false;
        QTest::newRow("across file systems") << true;
    }

    void userFilesTwoProgramsAtOnce() {
        QFETCH(bool, otherFs);
        QTemporaryDir dir;
        QTemporaryDir shm(QStringLiteral("/dev/shm/vocalith-test-XXXXXX"));
        if (otherFs && (!shm.isValid() || deviceOf(shm.path()) == deviceOf(dir.path())))
            QSKIP("no second file system at /dev/shm");
        const QByteArray words(200000, 'w'); // big enough for the copies to overlap
        for (int round = 0; round < 20; ++round) {
            const QString program = (otherFs ? shm.path() : dir.path()) + QStringLiteral("/bin%1").arg(round);
            const QString user = dir.filePath(QStringLiteral("user%1").arg(round));
            QVERIFY(QDir().mkpath(program));
            test::writeFile(QDir(program).filePath(kContributionsFileName), words);
            int go[2];
            QVERIFY(pipe(go) == 0);
            pid_t children[2];
            for (pid_t &child : children) {
                child = fork();
                if (child == 0) {
                    ::close(go[1]);
                    char c;
                    [[maybe_unused]] const ssize_t n = ::read(go[0], &c, 1);
                    const UserFiles files = settleUserFiles(program, user);
                    ::_exit(files.contributions == QDir(user).filePath(kContributionsFileName) ? 0 : 1);
                }
            }
            ::close(go[0]);
            ::close(go[1]); // both children read the end of the pipe at once
            for (pid_t child : children) {
                int status = 0;
                waitpid(child, &status, 0);
                QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            }
            QCOMPARE(contentOf(QDir(user).filePath(kContributionsFileName)), words);
            QCOMPARE(QDir(user).entryList(QDir::Files | QDir::Hidden), QStringList{kContributionsFileName});
            for (const QString &left : QDir(program).entryList(QDir::Files | QDir::Hidden)) {
                QVERIFY2(left.startsWith(kContributionsFileName + kBesideProgramSuffix), qPrintable(left));
                QCOMPARE(contentOf(QDir(program).filePath(left)), words);
            }
        }
    }

    void sequence_data() {
        // clang-format off
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("frames");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QString>("tags");
        const int T = int(Panel::Transcription), R = int(Panel::Rhymes), U = int(Panel::Update),
                  L = int(Panel::Language);
        QTest::newRow("start") << QList<int>{} << "TP" << "t" << "1000";
        QTest::newRow("rhymes") << QList<int>{R} << "PR" << "r" << "0100";
        QTest::newRow("rhymes then update") << QList<int>{R, U} << "PH" << "u" << "0010";
        QTest::newRow("update then accent keeps colours") << QList<int>{U, L} << "PL" << "u" << "0001";
        QTest::newRow("active rhymes twice") << QList<int>{R, R} << "PR" << "r" << "0100";
        QTest::newRow("round") << QList<int>{R, U, L, R, T} << "TP" << "t" << "1000";
        // clang-format on
    }

    void sequence() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, frames);
        QFETCH(QString, captions);
        QFETCH(QString, tags);
        PanelState s = initialPanelState();
        for (int c : clicks)
            switchPanel(s, Panel(c));
        QCOMPARE(::frames(s), frames);
        QCOMPARE(::captions(s), captions);
        QCOMPARE(::tags(s), tags);
    }

    void activePanelIsNoOp() {
        PanelState s = initialPanelState();
        switchPanel(s, Panel::Rhymes);
        s.frames[size_t(PanelFrame::Phonetics)] = false; // whatever the frames show now
        const PanelState before = s;
        QVERIFY(!switchPanel(s, Panel::Rhymes));
        QVERIFY(s == before);
    }

    void tagReading_data() {
        // clang-format off
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("text") << "x" << false;
        // clang-format on
    }

    void tagReading() {
        QFETCH(QString, tag);
        QFETCH(bool, on);
        QCOMPARE(tagIsOn(tag), on);
    }

    void texts_data() {
        // clang-format off
        QTest::addColumn<MetadataRows>("rows");
        QTest::addColumn<QStringList>("lines");
        const QString title = QStringLiteral("Vocalith version 1.7f (January 2014)");
        QTest::newRow("all rows") << kFull
                                  << QStringList{title, "Database version 2.0 (March 2015)", "A test lexicon.",
                                                 "This tool is based on a database that contains 125000 words.",
                                                 "https://example.org", "a@example.org"};
        auto partial = kFull;
        partial[1].second = QVariant(); // null dbdate
        partial.removeAt(5);            // no email
        QTest::newRow("null date, no email")
            << partial
            << QStringList{title, "", "A test lexicon.",
                           "This tool is based on a database that contains 125000 words.", "https://example.org", ""};
        // clang-format on
    }

    void texts() {
        QFETCH(MetadataRows, rows);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = makeLexicon(dir, rows);
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY(db);
        Lexicon lexicon(*db);
        QCOMPARE(readAboutTexts(lexicon).lines(), lines);
    }

    void contributors() {
        QTemporaryDir dir;
        auto db = Connection::openReadOnly(makeLexicon(dir, kFull), schema::lexiconRequiredTables());
        const auto list = readContributors(*db);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].name + '|' + list[0].from + '|' + list[0].contribution, QStringLiteral("Ann|Leeds|vowels"));
    }

    void fontSizes_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size"); // 0: refused
        QTest::newRow("12") << "12" << 12.0;
        QTest::newRow("decimal") << "10.5" << 10.5;
        QTest::newRow("abc") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("negative") << "-4" << 0.0;
        QTest::newRow("huge") << "1,000,000" << 0.0;
        // clang-format on
    }

    void fontSizes() {
        QFETCH(QString, text);
        QFETCH(double, size);
        QCOMPARE(parseFontSize(text).value_or(0.0), size);
    }

    void decodeText_data() {
        // clang-format off
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // "-": not a text
        QTest::newRow("UTF-8, LF") << QByteArray("a\nb\xC3\xBC") << u"a\r\nb\u00FC"_qs;
        QTest::newRow("UTF-8 with BOM, CR LF") << QByteArray("\xEF\xBB\xBFx\r\ny") << "x\r\ny";
        QTest::newRow("lone CR, tab, page break") << QByteArray("a\rb\tc\fd") << "a\r\nb\tc\fd";
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\x83\x02\n\0", 6) << u"\u0283\r\n"_qs;
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\x02\x83", 4) << u"\u0283"_qs;
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("Latin-1") << QByteArray("caf\xE9") << "-";
        QTest::newRow("NUL byte") << QByteArray("a\0b", 3) << "-";
        QTest::newRow("UTF-16 without BOM") << QByteArray("a\0b\0", 4) << "-";
        QTest::newRow("UTF-16 of odd length") << QByteArray("\xFF\xFE\x61", 3) << "-";
        QTest::newRow("UTF-16 lone surrogate") << QByteArray("\xFF\xFE\x00\xD8", 4) << "-";
        QTest::newRow("UTF-16 surrogate pair") << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6) << u"\U0001F600"_qs;
        // clang-format on
    }

    void decodeText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeTextFile(bytes).value_or(QStringLiteral("-")), text);
    }

    void readTextFileErrors() {
        QTemporaryDir dir;
        QVERIFY(readTextFile(dir.filePath("none.txt")).error.startsWith("The file none.txt could not be read"));
        QFile big(dir.filePath("big.txt"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxTextFileBytes + 1));
        big.close();
        QCOMPARE(readTextFile(big.fileName()).error, kFileTooLarge.arg("big.txt").arg(16));
        // A FIFO is refused at once: opening it would wait for a writer.
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.txt")).constData(), 0600) == 0);
        QCOMPARE(readTextFile(dir.filePath("fifo.txt")).error, kFileNotReadable.arg("fifo.txt", "not a regular file"));
    }

    void transcriptionFiles() {
        const QString text = u"/ \u0283 <\u00E6> & \"it's\" /\r\n| a  b |"_qs;
        QCOMPARE(transcriptionText(text), u"/ \u0283 <\u00E6> & \"it's\" /\n| a  b |"_qs.toUtf8());
        const QString page = QString::fromUtf8(transcriptionHtml(text, "Charis SIL"));
        QVERIFY(page.contains(u"/ \u0283 &lt;\u00E6&gt; &amp; &quot;it&#39;s&quot; /\n| a  b |</div>"_qs));
        QVERIFY(page.contains("font-family: \"Charis SIL\", " + kIpaFontStack + ";"));
        QVERIFY(page.contains("white-space: pre-wrap") && page.contains("<meta charset=\"utf-8\">"));
        // A font name cannot end the style sheet.
        const QString hostile = QString::fromUtf8(transcriptionHtml("x", "A</style><script>\"\\"));
        QCOMPARE(hostile.count("<style>"), 1);
        QVERIFY(hostile.contains("font-family: \"Astylescript\", "));
        QVERIFY(!hostile.contains("<script>"));
    }

    void formats_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("html");
        QTest::newRow("txt") << "a/b.txt" << false;
        QTest::newRow("html") << "a/b.html" << true;
        QTest::newRow("HTM") << "b.HTM" << true;
        QTest::newRow("no ending") << "html" << false;
    }

    void formats() {
        QFETCH(QString, path);
        QFETCH(bool, html);
        QCOMPARE(formatForFileName(path) == TranscriptionFormat::Html, html);
    }

    void saveTranscriptionRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Aussprache \u0283\u00FC.txt"_qs);
        const QString text = u"/ \u02C8\u0283\u0254\u02D0 /\r\n/ k\u00E6t /"_qs;
        QVERIFY(writeTranscription(path, text, "Charis SIL"));
        QCOMPARE(readTextFile(path).text.value_or(QString()), text);
        QString message;
        QVERIFY(!writeTranscription(dir.filePath("none/x.txt"), text, {}, &message));
        QVERIFY(message.startsWith("The transcription could not be saved to x.txt: "));
    }

    // Every writer of the programs over an existing file on a disk that fills up: false, the
    // reason in the message, the old file as it was and no temporary file left.
    void fullDiskKeepsOldFile_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("name");
        QTest::newRow("settings") << "settings"
                                  << "vocalith.xml";
        QTest::newRow("work in progress") << "work"
                                          << "work.json";
        QTest::newRow("transcription as text") << "transcription"
                                               << "t.txt";
        QTest::newRow("transcription as HTML") << "transcription"
                                               << "t.html";
        QTest::newRow("my words") << "export"
                                  << "mine.tsv";
        QTest::newRow("Zentab report") << "zentab"
                                       << "report.tsv";
        QTest::newRow("large, cut short") << "writer" << u"alt \u00E6.txt"_qs;
    }

    void fullDiskKeepsOldFile() {
        QFETCH(QString, writer);
        QFETCH(QString, name);
        QTemporaryDir dir, dbDir;
        const QString path = test::writeFile(dir.filePath(name), "old\n");
        const QString db = dbDir.filePath("C.sqlite");
        contributions::ContributionStore(*contributions::open(db)).save(contributions::normalised("cat", "kat", ""));
        const QHash<QString, std::function<bool(QString *)>> writers = {
            {"settings", [&](QString *m) { return SaveSettings(path, defaultSettings(kInstalled), m); }},
            {"work",
             [&](QString *m) {
                 return writeWork(path, {"cat", "kat", Accent::BrE, "/ kat /", {}}, m);
             }},
            {"transcription",
             [&](QString *m) {
                 return writeTranscription(path, u"/ \u0283i\u02D0p \u026Az \u0259 \u0283i\u02D0p /"_qs, {}, m);
             }},
            {"export",
             [&](QString *m) {
                 return contributions::ContributionStore(*contributions::open(db)).exportFile(path, m);
             }},
            {"zentab", [&](QString *m) { return saveZentabReport(path, zentabReport("k"), m); }},
            {"writer", [&](QString *m) { return writeFileAtomically(path, QByteArray(100000, 'x'), m); }},
        };
        const QByteArray report = onFullDisk(writers.value(writer));
        QVERIFY2(report.startsWith("0") && report.contains("File too large"), report.constData());
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{name});
    }

    void workRoundTrip() {
        WorkInProgress out;
        out.input = u"Good morning,\r\nsir.\t\u0001"_qs;
        out.stored = u"\u0261\u028Ad <,>\r\ns\u025C\u02D0"_qs;
        out.transcriptionAccent = Accent::AmE;
        out.editor = u"/ \u0261\u028Ad /"_qs;
        out.recent.pick(u"\u0283"_qs, "vl postalveolar fricative");
        QTemporaryDir dir;
        const QString path = dir.filePath(kWorkFileName);
        QVERIFY(writeWork(path, out));
        const WorkRead in = readWork(path);
        QCOMPARE(int(in.state), int(WorkFileState::Read));
        QVERIFY(in.work == out);
        // Members may be missing: they are empty.
        const auto bare = parseWork(R"({"vocalith-work": 1, "input": "x"})");
        QVERIFY(bare && bare->input == "x" && bare->stored.isEmpty() && !bare->transcriptionAccent);
        QVERIFY(bare->recent == RecentSymbols());
    }

    // Settings and work files that cannot be read: nothing of them used, the reason, no wait
    // (a FIFO blocks an open for ever; the DOM parser takes quadratic time on nested
    // elements), and the file set aside for the next save.
    void unreadableFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size"); // -1: a FIFO; larger than content: that size
        QTest::addColumn<QString>("reason");
        const QString xml = kSettingsFileName, json = kWorkFileName;
        const QByteArray nested = "<vocalith>" + QByteArray("<a>").repeated(140000) +
                                  QByteArray("</a>").repeated(140000) + "</vocalith>"; // 980 kB
        // clang-format off
        QTest::newRow("settings: not XML") << xml << QByteArray("<vocalith language='AmE'") << 0ll
                                           << "line 1: Premature end of document";
        QTest::newRow("settings: nested elements") << xml << nested << 0ll << "elements nested more than 64 deep";
        QTest::newRow("settings: over 1 MB") << xml << QByteArray("<vocalith/>") << kMaxSettingsBytes + 1
                                             << "larger than 1 MB";
        QTest::newRow("settings: FIFO") << xml << QByteArray() << -1ll << "not a regular file";
        QTest::newRow("work: FIFO") << json << QByteArray() << -1ll << "not a regular file";
        QTest::newRow("work: over 64 MB") << json << QByteArray("{}") << kMaxWorkBytes + 1 << "larger than 64 MB";
        QTest::newRow("work: not JSON") << json << QByteArray("{\"vocalith-work\": 1, \"input\": ") << 0ll << "";
        QTest::newRow("work: a list") << json << QByteArray("[1]") << 0ll << "not a work file of this version";
        QTest::newRow("work: another version") << json << QByteArray(R"({"vocalith-work": 2})") << 0ll << "";
        QTest::newRow("work: a number for a text") << json << QByteArray(R"({"vocalith-work": 1, "editor": 5})") << 0ll
                                                   << "a text of the wrong type";
        QTest::newRow("work: recent not a list") << json << QByteArray(R"({"vocalith-work": 1, "recent": "x"})") << 0ll << "";
        QTest::newRow("work: recent without symbol")
            << json << QByteArray(R"({"vocalith-work": 1, "recent": [{"tooltip": ""}]})") << 0ll << "";
        // clang-format on
    }

    void unreadableFiles() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (size < 0)
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::resize(test::writeFile(path, content), std::max<qint64>(size, content.size())));
        const bool work = name == kWorkFileName;
        QString why;
        QElapsedTimer clock;
        clock.start();
        if (work) {
            const WorkRead read = readWork(path);
            QCOMPARE(int(read.state), int(WorkFileState::Damaged));
            QVERIFY(read.work == WorkInProgress());
            why = read.reason;
        } else {
            Settings s;
            QVERIFY(!LoadSettings(path, kInstalled, s, &why));
            QCOMPARE(settingsDocument(s), settingsDocument(defaultSettings(kInstalled)));
        }
        QVERIFY2(clock.elapsed() < 500, QByteArray::number(clock.elapsed()) + " ms");
        QVERIFY2(!why.isEmpty() && why.contains(reason), qPrintable(why));
        const QString kept = work ? kWorkDamagedKept : kSettingsDamagedKept;
        QCOMPARE(setAsideDamaged(path, why, kept, {}), kept.arg(why, name + kDamagedSuffix));
        QVERIFY(!QFileInfo::exists(path) && QFileInfo::exists(path + kDamagedSuffix));
        QCOMPARE(int(readWork(path).state), int(WorkFileState::Missing));
        Settings s;
        QVERIFY(!LoadSettings(path, kInstalled, s, &why));
        QCOMPARE(why, QString()); // missing, not damaged
    }

    void fitIntoArea_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("expected");
        const QRect area(0, 30, 1024, 570); // a 1024x600 screen under a panel
        QTest::addColumn<QRect>("area");
        QTest::newRow("fits") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300) << area;
        QTest::newRow("off the bottom right") << QRect(900, 500, 400, 300) << QRect(624, 300, 400, 300) << area;
        QTest::newRow("above the top") << QRect(10, 0, 400, 300) << QRect(10, 30, 400, 300) << area;
        QTest::newRow("taller") << QRect(10, 0, 600, 900) << QRect(10, 30, 600, 570) << area;
        QTest::newRow("larger both ways") << QRect(-5, -5, 2000, 900) << area << area;
    }

    void fitIntoArea() {
        QFETCH(QRect, window);
        QFETCH(QRect, expected);
        QFETCH(QRect, area);
        QCOMPARE(vocalith::fitIntoArea(window, area), expected);
    }

    void placeAvoiding_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("preferred");
        QTest::addColumn<QRect>("line");
        QTest::addColumn<QRect>("expected");
        // A 1024x600 screen; the editor's caret line runs across 400..1000.
        const QSize chart(560, 300);
        QTest::newRow("clear of the line")
            << chart << QPoint(0, 250) << QRect(400, 100, 600, 20) << QRect(QPoint(0, 250), chart);
        QTest::newRow("beside it, to the right")
            << QSize(200, 300) << QPoint(500, 50) << QRect(400, 100, 400, 20) << QRect(800, 50, 200, 300);
        QTest::newRow("below it") << chart << QPoint(450, 0) << QRect(400, 100, 600, 20)
                                  << QRect(QPoint(450, 120), chart);
        QTest::newRow("above it") << chart << QPoint(450, 300) << QRect(400, 500, 600, 20)
                                  << QRect(QPoint(450, 200), chart);
        QTest::newRow("cut below it") << QSize(560, 580) << QPoint(450, 0) << QRect(400, 100, 600, 20)
                                      << QRect(450, 120, 560, 480);
        QTest::newRow("no room: the preferred place")
            << QSize(560, 580) << QPoint(450, 0) << QRect(0, 250, 1024, 20) << QRect(450, 0, 560, 580);
    }

    void placeAvoiding() {
        QFETCH(QSize, size);
        QFETCH(QPoint, preferred);
        QFETCH(QRect, line);
        QFETCH(QRect, expected);
        const QRect area(0, 0, 1024, 600);
        const QRect placed = vocalith::placeAvoiding(size, preferred, line, area, 400);
        QCOMPARE(placed, expected);
        QVERIFY(area.contains(placed));
    }

    void columnWidths_data() {
        QTest::addColumn<Widths>("contents");
        QTest::addColumn<int>("total");
        QTest::addColumn<Widths>("expected");
        QTest::newRow("they fit") << Widths{100, 300, 200} << 700 << Widths{100, 300, 200};
        QTest::newRow("the widest cut") << Widths{100, 900, 200} << 700 << Widths{100, 400, 200};
        QTest::newRow("two cut alike") << Widths{100, 900, 500} << 700 << Widths{100, 300, 300};
        QTest::newRow("all cut, remainder spread") << Widths{400, 400, 400} << 301 << Widths{101, 100, 100};
    }

    void columnWidths() {
        QFETCH(Widths, contents);
        QFETCH(int, total);
        QFETCH(Widths, expected);
        QCOMPARE(fitColumnWidths(contents, total), expected);
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"

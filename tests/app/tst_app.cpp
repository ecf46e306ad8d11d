// The app's core: settings file, data folder, panel switching, About texts and font sizes.

#include "app/about.h"
#include "app/fontsize.h"
#include "app/panels.h"
#include "app/paths.h"
#include "app/settings.h"
#include "testsupport.h"

#include <QDomDocument>
#include <QTemporaryDir>

using namespace vocalith;

using MetadataRows = QList<std::pair<QString, QVariant>>;
Q_DECLARE_METATYPE(MetadataRows)
Q_DECLARE_METATYPE(vocalith::Panel)

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

    void dataFolderFallsBack() {
        QTemporaryDir dir;
        QCOMPARE(chooseDataFolder(dir.path(), dir.filePath("user")), dir.path());
        test::writeFile(dir.filePath("notafolder"), {});
        const QString user = dir.filePath("user/data");
        QCOMPARE(chooseDataFolder(dir.filePath("notafolder"), user), user);
        QVERIFY(QFileInfo(user).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"notafolder"});
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
        QCOMPARE(ReadAboutTexts(lexicon).lines(), lines);
    }

    void contributors() {
        QTemporaryDir dir;
        auto db = Connection::openReadOnly(makeLexicon(dir, kFull), schema::lexiconRequiredTables());
        const auto list = ReadContributors(*db);
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
        QCOMPARE(ParseFontSize(text).value_or(0.0), size);
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"

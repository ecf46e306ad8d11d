// The settings file: defaults, loading rules, round trip, atomic save, data folder.

#include "app/paths.h"
#include "app/settings.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace vocalith;

namespace {

const QStringList kInstalled = {"DejaVu Sans", "Lucida Sans Unicode", "Charis SIL", "Arial Unicode MS", "Gentium",
                                "Doulos SIL Compact"};

QString writeFile(const QTemporaryDir &dir, const QByteArray &content) {
    const QString path = dir.filePath(QStringLiteral("vocalith.xml"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

} // namespace

class TestSettings : public QObject {
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
    }

    void unparsableFileGivesDefaults() {
        QTemporaryDir dir;
        Settings s;
        s.accent = Accent::AmE;
        QVERIFY(!LoadSettings(writeFile(dir, "<vocalith language='AmE'"), kInstalled, s));
        QCOMPARE(s.accent, Accent::BrE);
    }

    void loadRules_data() {
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
        QTest::newRow("italic other value") << "<vocalith>" + fonts + "</vocalith>" << "italic" << "false";
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
            {"italic", s.italic ? "true" : "false"},
            {"fonts", s.unicodeFonts.join('|')},
            {"name", s.fontName},
            {"braille", s.brailleFonts.join('|') + '/' + s.brailleFontName},
        };
        QCOMPARE(got.value(field), expected);
    }

    void editorAttributes() {
        QTemporaryDir dir;
        Settings s;
        s.editor.list = true;
        s.editor.removeStress = false;
        // list absent: unchanged; removestress in capitals; slash any other value: cleared.
        QVERIFY(LoadSettings(writeFile(dir, "<vocalith><editor removestress='True' slash='yes'/></vocalith>"),
                             kInstalled, s));
        QVERIFY(s.editor.list);
        QVERIFY(s.editor.removeStress);
        QVERIFY(!s.editor.slash);
        QVERIFY(!s.useContributions); // off unless the file turns it on
        QVERIFY(LoadSettings(writeFile(dir, "<vocalith><editor usecontributions='TRUE'/></vocalith>"), kInstalled, s));
        QVERIFY(s.useContributions);
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
        out.brailleFonts = {"DejaVu Sans"};
        out.brailleFontName = QStringLiteral("DejaVu Sans");
        const QString path = dir.filePath("vocalith.xml");
        QVERIFY(SaveSettings(path, out));
        Settings in;
        QVERIFY(LoadSettings(path, kInstalled, in));
        QCOMPARE(accentCode(in.accent), accentCode(out.accent));
        QCOMPARE(in.fontSize, out.fontSize);
        QCOMPARE(in.bold, out.bold);
        QCOMPARE(in.italic, out.italic);
        QCOMPARE(in.underline, out.underline);
        QCOMPARE(in.fontName, out.fontName);
        QCOMPARE(in.unicodeFonts, out.unicodeFonts);
        QVERIFY(in.editor == out.editor);
        QVERIFY(in.useContributions);
        QCOMPARE(in.brailleFonts, out.brailleFonts);
        QCOMPARE(in.brailleFontName, out.brailleFontName);
    }

    void documentLayout() {
        QDomDocument doc;
        QVERIFY(bool(doc.setContent(settingsDocument(defaultSettings(kInstalled)))));
        QCOMPARE(doc.firstChild().nodeName(), QStringLiteral("xml"));
        const QDomElement root = doc.documentElement();
        QCOMPARE(root.tagName(), QStringLiteral("vocalith"));
        QStringList children;
        for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            children << e.tagName();
        QCOMPARE(children, (QStringList{"unicodefonts", "editor", "braillefonts"}));
        const QDomNamedNodeMap editor = root.firstChildElement("editor").attributes();
        QCOMPARE(editor.count(), 10); // the nine display options and usecontributions
        for (int i = 0; i < editor.count(); ++i)
            QVERIFY(QStringList({"true", "false"}).contains(editor.item(i).nodeValue()));
        const QByteArray text = settingsDocument(defaultSettings(kInstalled));
        // Attributes in the order of the file layout.
        QVERIFY(text.indexOf("size=") < text.indexOf("bold=") && text.indexOf("underline=") < text.indexOf("name="));
        QVERIFY(text.indexOf("keepspaces=") < text.indexOf("removestress=") &&
                text.indexOf("slash=") < text.indexOf("list="));
    }

    void failedSaveKeepsNothingHalfWritten() {
        QTemporaryDir dir;
        const QString blocker = dir.filePath("file");
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QString error;
        // The folder of the path is a file: nothing can be written there.
        QVERIFY(!SaveSettings(blocker + "/vocalith.xml", defaultSettings({}), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"file"});
    }

    void saveReplacesWholeFile() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, QByteArray(5000, 'x'));
        QVERIFY(SaveSettings(path, defaultSettings({})));
        Settings s;
        QVERIFY(LoadSettings(path, {}, s));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"vocalith.xml"});
    }

    void dataFolderFallsBack() {
        QTemporaryDir dir;
        QCOMPARE(chooseDataFolder(dir.path(), dir.filePath("user")), dir.path());
        QFile f(dir.filePath("notafolder"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString user = dir.filePath("user/data");
        QCOMPARE(chooseDataFolder(dir.filePath("notafolder"), user), user);
        QVERIFY(QFileInfo(user).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"notafolder"});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

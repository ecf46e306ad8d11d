// The main window driven through its controls: start-up, panels, accent, fonts, the
// Transcribe run, display options, the editor with keyboard, shortcuts and chart, About.

#include "app/messages.h"
#include "app/texts.h"
#include "app/ui/aboutdialog.h"
#include "app/ui/mainwindow.h"
#include "app/ui/messagebox.h"
#include "app/ui/picturebutton.h"
#include "editor/ui/ipachartdialog.h"
#include "engine/lexicon/schema.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDomDocument>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace vocalith;

namespace {

// Message boxes answered at once; what they said is kept.
struct RecordedMessages : MessageBoxes {
    QList<std::pair<MessageKind, QString>> shown;
    void show(QWidget *, MessageKind kind, const QString &text) override { shown.append({kind, text}); }
};

const QStringList kFonts = {"DejaVu Sans", "Charis SIL"};

// word, BrE, AmE
const char16_t *const kWords[][3] = {
    {u"good", u"\u0261\u028Ad", u"\u0261\u028Ad"},
    {u"morning", u"\u02C8m\u0254\u02D0.n\u026A\u014B", u"\u02C8m\u0254\u02D0r.n\u026A\u014B"},
    {u"sir", u"s\u025C\u02D0(r)", u"s\u025C\u02D0r"},
    {u"idea", u"a\u026A\u02C8d\u026A\u0259", u"a\u026A\u02C8di\u02D0.\u0259"},
    {u"apple", u"\u02C8\u00E6p.l\u0329", u"\u02C8\u00E6p.\u0259l"},
    {u"cat", u"k\u00E6t", u"k\u00E6t"},
};

void makeLexicon(const QString &path, bool brokenWords = false) {
    QStringList tables = schema::lexiconTables();
    if (brokenWords) // a words table without the accent columns: every lookup fails
        tables[0] = QStringLiteral("CREATE TABLE words (word TEXT)");
    auto db = Connection::openReadWrite(path, tables, schema::lexiconRequiredTables());
    QVERIFY(db);
    if (!brokenWords)
        for (const auto &w : kWords)
            db->execute(QStringLiteral("INSERT INTO words (word, BrE, AmE) VALUES (?, ?, ?)"),
                        {QString::fromUtf16(w[0]), QString::fromUtf16(w[1]), QString::fromUtf16(w[2])});
    const std::pair<const char *, const char *> metadata[] = {
        {"dbversion", "2.0"}, {"dbdate", "March 2015"}, {"dbwords", "125000"}, {"email", "me@example.org"}};
    for (const auto &[attribute, value] : metadata)
        db->execute(QStringLiteral("INSERT INTO metadata VALUES (?, ?)"), {QString(attribute), QString(value)});
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    RecordedMessages m_messages;
    std::unique_ptr<MainWindow> m_window;

    StartupPaths paths() const {
        return {m_dir->filePath("VocalithDB.sqlite"), m_dir->filePath("ContributionDB.sqlite"),
                m_dir->filePath("vocalith.xml")};
    }

    MainWindow &start(const QString &settingsPath = {}) {
        StartupPaths p = paths();
        if (!settingsPath.isEmpty())
            p.settings = settingsPath;
        m_window = std::make_unique<MainWindow>(p, m_messages, kFonts);
        const bool started = m_window->startUp();
        [&] { QVERIFY(started); }();
        return *m_window;
    }

    template <typename T> T *get(const char *name) const {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    QString editor() const { return get<QPlainTextEdit>("txtText")->toPlainText(); }

    // An attribute of the saved settings file ("editor/slash", "/language").
    QString saved(const QString &element, const QString &attribute) const {
        QFile f(paths().settings);
        QDomDocument doc;
        if (!f.open(QIODevice::ReadOnly) || !doc.setContent(&f))
            return QStringLiteral("<unreadable>");
        const QDomElement root = doc.documentElement();
        return (element.isEmpty() ? root : root.firstChildElement(element)).attribute(attribute);
    }

    void transcribe(const QString &text) {
        get<QPlainTextEdit>("txtWords")->setPlainText(text);
        get<QToolButton>("picGo")->click();
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        makeLexicon(paths().lexicon);
        m_messages.shown.clear();
    }

    void cleanup() {
        m_window.reset();
        delete m_dir;
    }

    // ------------------------------------------------------------ start-up

    void startWithoutLexicon() {
        QFile::remove(paths().lexicon);
        MainWindow w(paths(), m_messages, kFonts);
        QVERIFY(!w.startUp());
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].first, MessageKind::Critical);
        QCOMPARE(m_messages.shown[0].second, messages::kLexiconNotAvailable);
        QVERIFY(!w.isVisible());
    }

    void startWithUnusableContributions() {
        QFile f(paths().contributions);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        start();
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].first, MessageKind::Critical);
        QCOMPARE(m_messages.shown[0].second, messages::kContributionsNotAvailable);
        auto *notice = get<QLabel>("lblContribution");
        QCOMPARE(notice->text(), messages::kContributionsImpossible);
        QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(!get<QFrame>("fraHelpMe")->isEnabled());
        // The rest works: the panel shows, and Transcribe runs.
        get<QToolButton>("picUpdate")->click();
        QVERIFY(!get<QFrame>("fraHelpMe")->isHidden());
        transcribe("good");
        QCOMPARE(editor(), u"/ \u0261\u028Ad /"_qs);
    }

    void startCreatesContributionsAndSettings() {
        start();
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(QFileInfo::exists(paths().contributions));
        QVERIFY(get<QFrame>("fraHelpMe")->isEnabled());
        // Start-up saves the state it loaded.
        QCOMPARE(saved("", "language"), QStringLiteral("BrE"));
        QCOMPARE(saved("unicodefonts", "name"), QStringLiteral("Charis SIL"));
        QCOMPARE(get<QLabel>("lblMail")->text(), QStringLiteral("me@example.org"));
        QCOMPARE(m_window->windowTitle(), texts::mainWindowCaption());
        QCOMPARE(get<QToolButton>("picGo")->text(), QStringLiteral("Transcribe"));
    }

    void startRestoresSettings() {
        QFile f(paths().settings);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version='1.0'?><vocalith language='AME'><unicodefonts size='16' bold='true' name='Charis SIL'>"
                "<font name='charis sil'/></unicodefonts><editor slash='false' showsyllables='false'/></vocalith>");
        f.close();
        start();
        QVERIFY(get<QRadioButton>("optAmE")->isChecked());
        QVERIFY(!get<QCheckBox>("chkIntrusiveR")->isEnabled());
        QVERIFY(!get<QCheckBox>("chkSlash")->isChecked());
        QVERIFY(get<QCheckBox>("chkPunctuation")->isEnabled());
        QCOMPARE(get<PictureButton>("picNegrita")->tag(), QStringLiteral("1"));
        const QFont font = get<QPlainTextEdit>("txtText")->font();
        QCOMPARE(font.pointSizeF(), 16.0);
        QVERIFY(font.bold());
        QCOMPARE(font.family(), QStringLiteral("Charis SIL"));
        QCOMPARE(get<QPlainTextEdit>("txtWords")->font(), font);
    }

    void namedControls() {
        start();
        QStringList names = {"txtWords", "txtText", "picGo", "lblF5", "picStop", "lblStatus", "pgbTranscription",
                             "optBrE", "optAmE", "cmbFont", "cmbFontSize", "picNegrita", "picItalic", "picUnderline",
                             "fraText", "fraPhonetics", "fraRhymes", "fraHelpMe", "fraLanguage", "fraFont",
                             "fraKeyboard", "picClear", "picClearPhonetics", "picRemoveCRLF", "picTranscription",
                             "picRhymes", "picUpdate", "picLanguage", "lblAme", "lblBrE", "picAbout", "picExit",
                             "lblWebSite", "lblTextoAyuda", "lblContribution", "lblMail", "picStatistics", "picZentab",
                             "picImport", "picExport", "lstRhymeWords", "txtRhymeWord", "txtRhymeSound", "txtBrE",
                             "txtAmE", "picTDown1", "Picture2", "picSlash", "picVertical", "picAddIPASymbol",
                             "chkKeepSpaces", "chkStress", "chkPunctuation", "chkSyllabicConsonants", "chkIntrusiveR",
                             "chkSyllables", "chkRemoveCRs", "chkList", "chkSlash"};
        for (int i = 0; i < 50; ++i)
            names << QStringLiteral("picPhoneme_%1").arg(i);
        for (int i = 0; i < 13; ++i)
            names << QStringLiteral("picIPASymbol_%1").arg(i);
        QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
        for (const QString &name : names)
            QVERIFY2(m_window->findChildren<QWidget *>(name).size() == 1, qPrintable(name));
    }

    // ------------------------------------------------------------ panels and accent

    void panels_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("visible");  // frames not hidden
        QTest::addColumn<QString>("lit");      // panel captions in the active colour
        QTest::addColumn<QString>("tags");
        QTest::newRow("start") << QStringList{} << "fraText fraPhonetics" << "picTranscription" << "1000";
        QTest::newRow("active panel") << QStringList{"picTranscription"} << "fraText fraPhonetics"
                                      << "picTranscription" << "1000";
        QTest::newRow("rhymes") << QStringList{"picRhymes"} << "fraPhonetics fraRhymes" << "picRhymes" << "0100";
        QTest::newRow("rhymes, update") << QStringList{"picRhymes", "picUpdate"} << "fraPhonetics fraHelpMe"
                                        << "picUpdate" << "0010";
        QTest::newRow("update, accent") << QStringList{"picUpdate", "picLanguage"} << "fraPhonetics fraLanguage"
                                        << "picUpdate" << "0001";
        QTest::newRow("accent, transcription") << QStringList{"picLanguage", "picTranscription"}
                                               << "fraText fraPhonetics" << "picTranscription" << "1000";
    }

    void panels() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, visible);
        QFETCH(QString, lit);
        QFETCH(QString, tags);
        start();
        for (const QString &c : clicks)
            m_window->findChild<QToolButton *>(c)->click();
        QStringList shown;
        for (const char *f : {"fraText", "fraPhonetics", "fraHelpMe", "fraRhymes", "fraLanguage"})
            if (!get<QWidget>(f)->isHidden())
                shown << QString::fromLatin1(f);
        QCOMPARE(shown.join(' '), visible);
        QStringList active;
        QString tagText;
        for (const char *b : {"picTranscription", "picRhymes", "picUpdate", "picLanguage"}) {
            auto *button = get<PictureButton>(b);
            tagText += button->property("Tag").toString();
            if (QString(b) != "picLanguage") {
                const unsigned colour = button->captionColour();
                QVERIFY(colour == texts::kActiveCaption || colour == texts::kInactiveCaption);
                if (colour == texts::kActiveCaption)
                    active << QString::fromLatin1(b);
            }
        }
        QCOMPARE(active.join(' '), lit);
        QCOMPARE(tagText, tags);
    }

    void accentChoice() {
        start();
        get<QRadioButton>("optAmE")->click();
        QVERIFY(!get<QCheckBox>("chkIntrusiveR")->isEnabled());
        QCOMPARE(get<ClickLabel>("lblAme")->captionColour(), texts::kActiveCaption);
        QCOMPARE(get<ClickLabel>("lblBrE")->captionColour(), texts::kInactiveCaption);
        QCOMPARE(saved("", "language"), QStringLiteral("AmE"));
        QTest::mouseClick(get<ClickLabel>("lblBrE"), Qt::LeftButton);
        QVERIFY(get<QRadioButton>("optBrE")->isChecked());
        QVERIFY(get<QCheckBox>("chkIntrusiveR")->isEnabled());
        QCOMPARE(get<ClickLabel>("lblBrE")->captionColour(), texts::kActiveCaption);
        QCOMPARE(saved("", "language"), QStringLiteral("BrE"));
        // A caption click picks the accent without switching the panel.
        QCOMPARE(get<PictureButton>("picLanguage")->tag(), QStringLiteral("0"));
    }

    void accentChangeNeitherRendersNorTranscribes() {
        start();
        transcribe("idea apple");
        const QString shown = editor();
        QCOMPARE(shown, u"/ a\u026A\u02C8d\u026A\u0259r \u02C8\u00E6p.l\u0329 /"_qs);
        get<QRadioButton>("optAmE")->click();
        QCOMPARE(editor(), shown);
        get<QToolButton>("picGo")->click();
        QCOMPARE(editor(), u"/ a\u026A\u02C8di\u02D0.\u0259 \u02C8\u00E6p.\u0259l /"_qs);
    }

    // ------------------------------------------------------------ fonts

    void fontSize_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("messages");
        QTest::newRow("abc") << "abc" << 12.0 << 1;
        QTest::newRow("13, not in the list") << "13" << 13.0 << 0;
        QTest::newRow("empty") << "" << 12.0 << 1;
    }

    void fontSize() {
        QFETCH(QString, typed);
        QFETCH(double, size);
        QFETCH(int, messages);
        start();
        auto *box = get<QComboBox>("cmbFontSize");
        box->setEditText(typed);
        emit box->lineEdit()->editingFinished();
        QCOMPARE(m_messages.shown.size(), messages);
        if (messages) {
            QCOMPARE(m_messages.shown[0].first, MessageKind::Plain);
            QCOMPARE(m_messages.shown[0].second, QStringLiteral("The font size must be a number"));
        }
        QCOMPARE(get<QPlainTextEdit>("txtText")->font().pointSizeF(), size);
        QCOMPARE(get<QPlainTextEdit>("txtWords")->font().pointSizeF(), size);
        QCOMPARE(box->currentText(), QString::number(size));
        QCOMPARE(saved("unicodefonts", "size"), QString::number(size));
    }

    void styleToggles_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("attribute");
        QTest::newRow("bold") << "picNegrita" << "bold";
        QTest::newRow("italic") << "picItalic" << "italic";
        QTest::newRow("underline") << "picUnderline" << "underline";
    }

    void styleToggles() {
        QFETCH(QString, button);
        QFETCH(QString, attribute);
        start();
        auto *b = m_window->findChild<PictureButton *>(button);
        const auto style = [&](const QFont &f) {
            return attribute == "bold" ? f.bold() : attribute == "italic" ? f.italic() : f.underline();
        };
        for (const bool on : {true, false}) {
            b->click();
            QCOMPARE(b->tag(), on ? QStringLiteral("1") : QStringLiteral("0"));
            QCOMPARE(b->picture(), on ? QStringLiteral("boton_sel") : QStringLiteral("boton"));
            QCOMPARE(style(get<QPlainTextEdit>("txtText")->font()), on);
            QCOMPARE(style(get<QPlainTextEdit>("txtWords")->font()), on);
            QCOMPARE(saved("unicodefonts", attribute), on ? QStringLiteral("true") : QStringLiteral("false"));
        }
    }

    // ------------------------------------------------------------ transcription and options

    void transcribeRestoresControls() {
        start();
        transcribe("good morning, sir.");
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad \u02C8m\u0254\u02D0.n\u026A\u014B <,> s\u025C\u02D0 <.>"_qs);
        QCOMPARE(editor(), u"/ \u0261\u028Ad \u02C8m\u0254\u02D0.n\u026A\u014B / s\u025C\u02D0 /"_qs);
        QVERIFY(get<QToolButton>("picGo")->isEnabled());
        QVERIFY(get<QLabel>("lblStatus")->isHidden());
        QVERIFY(get<QProgressBar>("pgbTranscription")->isHidden());
        QCOMPARE(get<QProgressBar>("pgbTranscription")->value(), 0);
        QVERIFY(get<QToolButton>("picStop")->isHidden());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::clipboard()->text(), editor());
    }

    void emptyInputChangesNothing() {
        start();
        transcribe("good");
        const QString shown = editor();
        transcribe("   ");
        QCOMPARE(editor(), shown);
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad"_qs);
    }

    void stopKeepsFinishedSegments() {
        start();
        QString status;
        QTimer::singleShot(0, this, [&] {
            status = get<QLabel>("lblStatus")->text();
            QVERIFY(!get<QToolButton>("picGo")->isEnabled());
            QVERIFY(!get<QToolButton>("picStop")->isHidden());
            get<QToolButton>("picStop")->click();
        });
        transcribe("good\ncat\nmorning");
        QCOMPARE(status, u"Line 1 out of 5. Word: good /\u0261\u028Ad/"_qs);
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad"_qs);
        QVERIFY(get<QToolButton>("picGo")->isEnabled());
        QVERIFY(get<QToolButton>("picStop")->isHidden());
        // The next run starts afresh.
        get<QToolButton>("picGo")->click();
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad\r\nk\u00E6t\r\n\u02C8m\u0254\u02D0.n\u026A\u014B"_qs);
    }

    void databaseErrorIsShownAndWorkGoesOn() {
        QFile::remove(paths().lexicon);
        makeLexicon(paths().lexicon, true);
        start();
        get<QPlainTextEdit>("txtText")->setPlainText("kept");
        transcribe("good");
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].first, MessageKind::Critical);
        QVERIFY(m_messages.shown[0].second.startsWith("Database error: "));
        QCOMPARE(editor(), QStringLiteral("kept"));
        QVERIFY(get<QToolButton>("picGo")->isEnabled());
        QVERIFY(get<QLabel>("lblStatus")->isHidden());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void optionClicks_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("savedKey");
        QTest::addColumn<QString>("savedValue");
        const QString good = u"\u0261\u028Ad"_qs, morning = u"\u02C8m\u0254\u02D0.n\u026A\u014B"_qs,
                      plain = u"\u02C8m\u0254\u02D0n\u026A\u014B"_qs, sir = u"s\u025C\u02D0"_qs;
        QTest::newRow("bar delimiter") << QStringList{"chkSlash"} << "| " + good + " " + morning + " | " + sir + " |"
                                       << "slash" << "false";
        QTest::newRow("no syllables") << QStringList{"chkSyllables"} << "/ " + good + " " + plain + " / " + sir + " /"
                                      << "showsyllables" << "false";
        QTest::newRow("punctuation kept") << QStringList{"chkSyllables", "chkPunctuation"}
                                          << good + " " + plain + ", " + sir + "." << "keeppunctuation" << "true";
        QTest::newRow("stress removed") << QStringList{"chkStress"}
                                        << "/ " + good + u" m\u0254\u02D0.n\u026A\u014B / "_qs + sir + " /"
                                        << "removestress" << "true";
        QTest::newRow("spaces removed") << QStringList{"chkKeepSpaces"}
                                        << "/" + good + "." + morning + "/" + sir + "/" << "keepspaces" << "false";
    }

    void optionClicks() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, shown);
        QFETCH(QString, savedKey);
        QFETCH(QString, savedValue);
        start();
        transcribe("good morning, sir.");
        const QString stored = m_window->storedTranscription();
        for (const QString &c : clicks)
            m_window->findChild<QCheckBox *>(c)->click();
        QCOMPARE(editor(), shown);
        QCOMPARE(m_window->storedTranscription(), stored);
        QCOMPARE(saved("editor", savedKey), savedValue);
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    }

    void syllablesToggleThePunctuationBox() {
        start();
        auto *punctuation = get<QCheckBox>("chkPunctuation");
        QVERIFY(!punctuation->isEnabled());
        get<QCheckBox>("chkSyllables")->click();
        QVERIFY(punctuation->isEnabled());
        get<QCheckBox>("chkSyllables")->click();
        QVERIFY(!punctuation->isEnabled());
    }

    void editingThenTogglingRendersTheEditedText() {
        start();
        transcribe("good");
        auto *text = get<QPlainTextEdit>("txtText");
        text->moveCursor(QTextCursor::End);
        QTest::keyClicks(text, " k");
        QTest::keyClick(text, Qt::Key_X, Qt::ShiftModifier);
        QTest::keyClicks(text, "t");
        QCOMPARE(m_window->storedTranscription(), u"/ \u0261\u028Ad / k\u00E6t"_qs);
        get<QCheckBox>("chkSlash")->click();
        QCOMPARE(editor(), u"| / \u0261\u028Ad / k\u00E6t |"_qs);
    }

    void editingWithoutSpacesDisablesKeepSpaces() {
        start();
        transcribe("good cat");
        auto *keep = get<QCheckBox>("chkKeepSpaces");
        keep->click();
        QVERIFY(keep->isEnabled());
        get<QToolButton>("picPhoneme_47")->click(); // the stress button
        QVERIFY(!keep->isEnabled());
        get<QToolButton>("picGo")->click();
        QVERIFY(keep->isEnabled());
    }

    void clearingTheEditorKeepsTheStoredTranscription() {
        start();
        transcribe("good");
        get<QToolButton>("picClearPhonetics")->click();
        QCOMPARE(editor(), QString());
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad"_qs);
        get<QCheckBox>("chkSlash")->click();
        QCOMPARE(editor(), u"| \u0261\u028Ad |"_qs);
    }

    void clearAndRemoveCR() {
        start();
        auto *words = get<QPlainTextEdit>("txtWords");
        words->setPlainText("good\nmorning\n\ncat");
        get<QToolButton>("picRemoveCRLF")->click();
        QCOMPARE(words->toPlainText(), QStringLiteral("good morning cat"));
        get<QToolButton>("picClear")->click();
        QCOMPARE(words->toPlainText(), QString());
    }

    // ------------------------------------------------------------ editor

    void shortcuts_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys"); // letters typed; "S" is Shift+s
        QTest::addColumn<QString>("expected");
        QTest::newRow("g is IPA g") << "txtText" << "g" << u"\u0261"_qs;
        QTest::newRow("Shift+G is G") << "txtText" << "G" << "G";
        QTest::newRow("Shift+S, Shift+H, x") << "txtText" << "SHx" << u"\u0283t\u0283d\u0292"_qs;
        QTest::newRow("long vowel") << "txtText" << "B>" << u"\u025C\u02D0"_qs;
        QTest::newRow("comma") << "txtText" << "a,b" << u"a\u02CCb"_qs;
        QTest::newRow("brackets") << "txtText" << "[{" << u"\u02C8\u02CC"_qs;
        QTest::newRow("plain letters") << "txtText" << "pbtd" << "pbtd";
        QTest::newRow("in txtBrE") << "txtBrE" << "gS8," << u"\u0261\u0283\u03B8\u02CC"_qs;
        QTest::newRow("in txtAmE") << "txtAmE" << "3E" << u"\u0292\u0259"_qs;
    }

    void shortcuts() {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        start();
        auto *target = m_window->findChild<QWidget *>(box);
        for (const QChar c : keys) {
            const char ch = c.toLatin1();
            const bool shift = c.isUpper() || QStringLiteral("{>").contains(c);
            QTest::keyClick(target, ch, shift ? Qt::ShiftModifier : Qt::NoModifier);
        }
        const QString text = qobject_cast<QLineEdit *>(target) ? qobject_cast<QLineEdit *>(target)->text()
                                                              : qobject_cast<QPlainTextEdit *>(target)->toPlainText();
        QCOMPARE(text, expected);
        if (box != "txtText")
            QCOMPARE(editor(), QString());
    }

    void editorTextIntoTheContributionFields() {
        start();
        get<QPlainTextEdit>("txtText")->setPlainText("&#593;b");
        get<QToolButton>("picTDown1")->click();
        QCOMPARE(get<QLineEdit>("txtBrE")->text(), u"\u0251b"_qs);
        QCOMPARE(get<QLineEdit>("txtAmE")->text(), QString());
        get<QToolButton>("Picture2")->click();
        QCOMPARE(get<QLineEdit>("txtAmE")->text(), u"\u0251b"_qs);
    }

    void modifiedKeysAreNotShortcuts() {
        start();
        auto *text = get<QPlainTextEdit>("txtText");
        QTest::keyClicks(text, "ab");
        // Ctrl+A reaches the box: it selects everything.
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("ab"));
        text->moveCursor(QTextCursor::End);
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(text, Qt::Key_H, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(!editor().contains(u"\u0283"_qs));
        QVERIFY(!editor().contains(u"\u0292"_qs));
    }

    void keyboardButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("theta") << "picPhoneme_10" << u"a\u03B8b"_qs;
        QTest::newRow("affricate") << "picPhoneme_5" << u"ad\u0292b"_qs;
        QTest::newRow("syllabic mark") << "picPhoneme_49" << u"a\u0329b"_qs;
        QTest::newRow("length mark") << "picIPASymbol_0" << u"a\u02D0b"_qs;
        QTest::newRow("slash") << "picSlash" << "a/b";
        QTest::newRow("bar") << "picVertical" << "a|b";
    }

    void keyboardButtons() {
        QFETCH(QString, button);
        QFETCH(QString, expected);
        start();
        auto *text = get<QPlainTextEdit>("txtText");
        text->setPlainText("ab");
        QTextCursor c = text->textCursor();
        c.setPosition(1);
        text->setTextCursor(c);
        m_window->findChild<QToolButton *>(button)->click();
        QCOMPARE(editor(), expected);
        QCOMPARE(text->textCursor().position(), expected.size() - 1);
        QCOMPARE(m_window->storedTranscription(), expected);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    }

    void selectionAndLineBreaks() {
        start();
        auto *text = get<QPlainTextEdit>("txtText");
        text->setPlainText(u"\u00C7b\ncd"_qs);
        QTextCursor c = text->textCursor();
        c.setPosition(3);
        c.setPosition(4, QTextCursor::KeepAnchor); // "c"
        text->setTextCursor(c);
        get<QToolButton>("picPhoneme_14")->click();
        QCOMPARE(editor(), u"\u00C7b\n\u0283d"_qs);
        QCOMPARE(text->textCursor().position(), 4);
        QCOMPARE(m_window->storedTranscription(), u"\u00C7b\r\n\u0283d"_qs);
    }

    void chartPicks() {
        start();
        get<QToolButton>("picAddIPASymbol")->click();
        IpaChartDialog *chart = m_window->chart();
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(chart->objectName(), QStringLiteral("frmIPASymbols"));
        QCOMPARE(chart->findChildren<QToolButton *>().size(), 135);
        auto *recent1 = get<QToolButton>("picIPASymbol_1");
        const QString former1 = recent1->property("symbol").toString();

        chart->findChild<QToolButton *>("picPhoneme_62")->click(); // ʃ
        QCOMPARE(editor(), u"\u0283"_qs);
        QCOMPARE(recent1->text(), u"\u0283"_qs);
        QCOMPARE(recent1->toolTip(), QStringLiteral("vl postalveolar fricative"));
        QCOMPARE(get<QToolButton>("picIPASymbol_2")->property("symbol").toString(), former1);

        const auto before = m_window->recentSymbols().buttons();
        chart->findChild<QToolButton *>("picPhoneme_62")->click();
        QCOMPARE(editor(), u"\u0283\u0283"_qs);
        QVERIFY(m_window->recentSymbols().buttons() == before);

        chart->findChild<QToolButton *>("picPhoneme_88")->click(); // ː, though button 0 shows it
        QCOMPARE(recent1->property("symbol").toString(), u"\u02D0"_qs);
        QCOMPARE(get<QToolButton>("picIPASymbol_2")->property("symbol").toString(), u"\u0283"_qs);

        // A recent button inserts its symbol.
        recent1->click();
        QCOMPARE(editor(), u"\u0283\u0283\u02D0\u02D0"_qs);
        QVERIFY(chart->isVisible());
    }

    // ------------------------------------------------------------ About and shutdown

    void aboutReadsOnce() {
        start();
        get<QToolButton>("picAbout")->click();
        AboutDialog *about = m_window->about();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->findChild<QLabel *>("lblDatabase")->text(), QStringLiteral("Database version 2.0 (March 2015)"));
        QCOMPARE(about->findChild<QLabel *>("lblDatabaseNumWords")->text(),
                 QStringLiteral("This tool is based on a database that contains 125000 words."));
        QCOMPARE(about->findChild<QLabel *>("lblDatabaseText")->text(), QString()); // no dbtext row
        QCOMPARE(about->findChild<QLabel *>("lblTitulo")->text(), QStringLiteral("Vocalith version 1.7f (January 2014)"));
        about->findChild<QToolButton *>("picSalir")->click();
        QVERIFY(!about->isVisible());
        {
            auto db = Connection::openReadWrite(paths().lexicon, {}, {});
            db->execute("UPDATE metadata SET Value = '3.0' WHERE attribute = 'dbversion'");
        }
        get<QToolButton>("picAbout")->click();
        QCOMPARE(m_window->about(), about);
        QCOMPARE(about->findChild<QLabel *>("lblDatabase")->text(), QStringLiteral("Database version 2.0 (March 2015)"));
    }

    void closingSavesTheSettings() {
        start();
        get<QCheckBox>("chkList")->click();
        QVERIFY(QFile::remove(paths().settings));
        m_window->show();
        get<QToolButton>("picExit")->click();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(saved("editor", "list"), QStringLiteral("false"));
    }

    void closingDuringARunWaitsForIt() {
        start();
        m_window->show();
        QTimer::singleShot(0, this, [&] { m_window->close(); });
        transcribe("good\ncat\nmorning");
        QVERIFY(!m_window->isVisible());
        QVERIFY(!m_window->transcribing());
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad"_qs);
    }

    void unwritableSettingsAreReportedOnce() {
        QFile blocker(m_dir->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        start(m_dir->filePath("blocker/vocalith.xml"));
        get<QCheckBox>("chkList")->click();
        get<QCheckBox>("chkSlash")->click();
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].first, MessageKind::Information);
        QVERIFY(m_messages.shown[0].second.startsWith("The settings could not be saved"));
    }

    void f5Transcribes() {
        start();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        auto *words = get<QPlainTextEdit>("txtWords");
        words->setPlainText("cat");
        words->setFocus();
        QTest::keyClick(words, Qt::Key_F5);
        QCOMPARE(editor(), u"/ k\u00E6t /"_qs);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

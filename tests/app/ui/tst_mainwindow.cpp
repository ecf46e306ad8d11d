// The main window driven through its controls, each wiring path once: start-up, a panel,
// the accent, fonts, the Transcribe run, a display option, the editor with a shortcut, a
// keyboard key and the chart, About and closing, the work in progress, the file commands,
// the input box's keys and undo of the commands that replace a box's text. The rules
// behind them have their own tests.

#include "app/messages.h"
#include "app/textfiles.h"
#include "app/texts.h"
#include "app/ui/aboutdialog.h"
#include "app/ui/mainwindow.h"
#include "app/work.h"
#include "editor/ipachart.h"
#include "editor/optiontips.h"
#include "editor/ui/ipachartdialog.h"
#include "editor/ui/resultpanel.h"
#include "encodings/ui/importexportwindow.h"
#include "testsupport.h"
#include "widgets/messagebox.h"
#include "widgets/picturebutton.h"
#include "widgets/textbox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDomDocument>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
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

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    RecordedMessages m_messages;
    std::unique_ptr<MainWindow> m_window;

    StartupPaths paths() const {
        return {m_dir->filePath("VocalithDB.sqlite"), m_dir->filePath("ContributionDB.sqlite"),
                m_dir->filePath("vocalith.xml"), m_dir->filePath("work.json")};
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

    template <typename T = QWidget>
    T *get(const char *name) const {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    void click(const char *name) const { get<QAbstractButton>(name)->click(); }
    QString editor() const { return get<QPlainTextEdit>("txtText")->toPlainText(); }
    // Exactly one message box was shown, of this kind, with a text starting so.
    void oneMessage(MessageKind kind, const QString &start) const {
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].first == kind);
        QVERIFY2(m_messages.shown[0].second.startsWith(start), qPrintable(m_messages.shown[0].second));
    }

    // An attribute of the saved settings file ("editor", "slash"; "" for the root element).
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
        click("picGo");
    }

    // The Import window's X-SAMPA tab into the editor.
    void importXSampa(const QString &text) const {
        click("picImport");
        auto *window = m_window->findChild<ResultPanel *>()->importExportWindow();
        window->findChild<QPlainTextEdit *>("txtTexto0")->setPlainText(text);
        window->findChild<QAbstractButton *>("picImport")->click();
    }

    void showActive() const {
        m_window->show();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        QVERIFY(QFile::copy(test::fixturePath("engine"), paths().lexicon));
        m_messages.shown.clear();
    }

    void cleanup() {
        m_window.reset();
        delete m_dir;
    }

    void startWithoutLexicon() {
        QFile::remove(paths().lexicon);
        MainWindow w(paths(), m_messages, kFonts);
        QVERIFY(!w.startUp());
        oneMessage(MessageKind::Critical, messages::kLexiconNotAvailable);
    }

    void startWithUnusableContributions() {
        test::writeFile(paths().contributions, QByteArray(4096, 'x'));
        start();
        const QString why = messages::kWordsNotOpened.arg(paths().contributions) + '\n' +
                            messages::kWordsDamaged.arg("file is not a database");
        oneMessage(MessageKind::Critical, why);
        QCOMPARE(get<QLabel>("lblContribution")->text(), why);
        QVERIFY(!get("fraHelpMe")->isEnabled());
        transcribe("good");
        QCOMPARE(editor(), u"/ \u0261\u028Ad /"_qs);
    }

    void startCreatesFilesAndNamesControls() {
        start();
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(QFileInfo::exists(paths().contributions));
        QCOMPARE(saved("unicodefonts", "name"), QStringLiteral("Charis SIL"));
        QCOMPARE(get<QLabel>("lblMail")->text(), QStringLiteral("test@example.org"));
        QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
        // clang-format off
        QStringList names = QStringLiteral(
            "txtWords txtText picGo lblF5 picStop lblStatus pgbTranscription optBrE optAmE cmbFont cmbFontSize "
            "picNegrita picItalic picUnderline fraText fraPhonetics fraRhymes fraHelpMe fraLanguage fraFont "
            "fraKeyboard picClear picClearPhonetics picRemoveCRLF picTranscription picRhymes picUpdate picLanguage "
            "lblAme lblBrE picAbout picExit lblWebSite lblTextoAyuda lblContribution lblMail picStatistics picZentab "
            "picImport picExport lstRhymeWords txtRhymeWord txtRhymeSound txtBrE txtAmE picTDown1 Picture2 picSlash "
            "picVertical picAddIPASymbol chkKeepSpaces chkStress chkPunctuation chkSyllabicConsonants chkIntrusiveR "
            "chkSyllables chkRemoveCRs chkList chkSlash").split(u' ');
        // clang-format on
        for (int i = 0; i < 50; ++i)
            names << QStringLiteral("picPhoneme_%1").arg(i);
        for (int i = 0; i < 13; ++i)
            names << QStringLiteral("picIPASymbol_%1").arg(i);
        for (const QString &name : names)
            QVERIFY2(m_window->findChildren<QWidget *>(name).size() == 1, qPrintable(name));
    }

    void startRestoresSettings() {
        test::writeFile(
            paths().settings,
            "<?xml version='1.0'?><vocalith language='AME'><unicodefonts size='16' bold='true' name='Charis SIL'>"
            "<font name='charis sil'/></unicodefonts><editor slash='false'/></vocalith>");
        start();
        QVERIFY(get<QRadioButton>("optAmE")->isChecked());
        QVERIFY(!get<QCheckBox>("chkSlash")->isChecked());
        const QFont font = get("txtText")->font();
        QVERIFY(font.pointSizeF() == 16.0 && font.bold() && font.family() == QStringLiteral("Charis SIL"));
        QCOMPARE(get("txtWords")->font(), font);
    }

    void panelSwitch() {
        start();
        click("picRhymes");
        QVERIFY(get("fraText")->isHidden() && !get("fraRhymes")->isHidden());
        QCOMPARE(get<PictureButton>("picRhymes")->captionColour(), texts::kActiveCaption);
        QCOMPARE(get<PictureButton>("picTranscription")->captionColour(), texts::kInactiveCaption);
        QCOMPARE(get("picRhymes")->property("Tag").toString(), QStringLiteral("1"));
    }

    // At the window's least size every panel fits without scrolling, wrapped texts included
    // (the rhymes panel's Sound tab, the notice of a contribution database that cannot open).
    void panelsFitTheLeastSize() {
        test::writeFile(paths().contributions, QByteArray(4096, 'x'));
        start();
        m_window->resize(get("content")->minimumSize());
        m_window->show();
        auto *scroll = get<QScrollArea>("scrollArea");
        auto fits = [&](const char *step) {
            QApplication::processEvents();
            QVERIFY2(!scroll->verticalScrollBar()->isVisible() && !scroll->horizontalScrollBar()->isVisible(), step);
        };
        fits("transcription");
        click("picRhymes");
        fits("rhymes, word");
        QTest::mouseClick(get("lblRhyme_1"), Qt::LeftButton);
        fits("rhymes, sound");
        click("picUpdate");
        fits("contributions");
        click("picLanguage");
        fits("accent");
    }

    // The accent is saved at once; it changes neither the shown nor the stored transcription.
    void accentChoice() {
        start();
        transcribe("idea");
        const QString shown = editor();
        click("optAmE");
        QVERIFY(!get("chkIntrusiveR")->isEnabled());
        QCOMPARE(get<ClickLabel>("lblAme")->captionColour(), texts::kActiveCaption);
        QCOMPARE(saved("", "language"), QStringLiteral("AmE"));
        QCOMPARE(editor(), shown);
        // The status line says how to have the shown transcription in the new accent.
        QVERIFY(!get("lblStatus")->isHidden());
        QCOMPARE(get<QLabel>("lblStatus")->text(), texts::accentRedoStatus(false));
        QTest::mouseClick(get("lblBrE"), Qt::LeftButton);
        QVERIFY(get<QRadioButton>("optBrE")->isChecked());
        QCOMPARE(saved("", "language"), QStringLiteral("BrE"));
        QVERIFY(get("lblStatus")->isHidden());
    }

    void fontSizeAndStyle() {
        start();
        auto *box = get<QComboBox>("cmbFontSize");
        box->setEditText("abc");
        emit box->lineEdit()->editingFinished();
        oneMessage(MessageKind::Plain, messages::kFontSizeNotNumber);
        QCOMPARE(box->currentText(), QStringLiteral("12"));
        box->setEditText("13");
        emit box->lineEdit()->editingFinished();
        QCOMPARE(get("txtWords")->font().pointSizeF(), 13.0);
        QCOMPARE(saved("unicodefonts", "size"), QStringLiteral("13"));
        click("picItalic");
        QVERIFY(get("txtText")->font().italic());
        QCOMPARE(saved("unicodefonts", "italic"), QStringLiteral("true"));
    }

    void transcribeRestoresControls() {
        start();
        get<QPlainTextEdit>("txtWords")->setPlainText("good\nmorning,\n\nsir.");
        click("picRemoveCRLF");
        QCOMPARE(get<QPlainTextEdit>("txtWords")->toPlainText(), QStringLiteral("good morning, sir."));
        click("picGo");
        const QString stored = u"\u0261\u028Ad \u02C8m\u0254\u02D0.n\u026A\u014B <,> s\u025C\u02D0 <.>"_qs;
        QCOMPARE(m_window->storedTranscription(), stored);
        QCOMPARE(editor(), u"/ \u0261\u028Ad \u02C8m\u0254\u02D0.n\u026A\u014B / s\u025C\u02D0 /"_qs);
        QVERIFY(get("picGo")->isEnabled());
        QVERIFY(get("lblStatus")->isHidden() && get("pgbTranscription")->isHidden() && get("picStop")->isHidden());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::clipboard()->text(), editor());
        click("picClear");
        QCOMPARE(get<QPlainTextEdit>("txtWords")->toPlainText(), QString());
        click("picGo"); // nothing to do: nothing changes
        QCOMPARE(m_window->storedTranscription(), stored);
    }

    void stopKeepsFinishedSegments() {
        start();
        QString status;
        QTimer::singleShot(0, this, [&] {
            status = get<QLabel>("lblStatus")->text();
            QVERIFY(m_window->transcribing());
            QVERIFY(!get("picGo")->isEnabled());
            click("picStop");
        });
        transcribe("good\ncat\nmorning");
        QCOMPARE(status, u"Line 1 out of 5. Word: good /\u0261\u028Ad/"_qs);
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad"_qs);
        QVERIFY(get("picStop")->isHidden());
        m_window->transcribe(); // the next run starts afresh
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad\r\nk\u00E6t\r\n\u02C8m\u0254\u02D0.n\u026A\u014B"_qs);
    }

    void databaseErrorIsShownAndWorkGoesOn() {
        // A words table without the accent columns: every lookup fails.
        QStringList tables = schema::lexiconTables();
        tables[0] = QStringLiteral("CREATE TABLE words (word TEXT)");
        QFile::remove(paths().lexicon);
        QVERIFY(Connection::openReadWrite(paths().lexicon, tables, {}));
        start();
        get<QPlainTextEdit>("txtText")->setPlainText("kept");
        transcribe("good");
        oneMessage(MessageKind::Critical, "Database error: ");
        QCOMPARE(editor(), QStringLiteral("kept"));
        QVERIFY(get("picGo")->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // An option click renders the stored transcription again, saves and copies it.
    void optionClick() {
        start();
        transcribe("good morning, sir.");
        const QString stored = m_window->storedTranscription();
        QVERIFY(!get("chkPunctuation")->isEnabled());
        QCOMPARE(get("chkPunctuation")->toolTip(), kPunctuationDisabledTip);
        click("chkSyllables");
        QVERIFY(get("chkPunctuation")->isEnabled());
        QCOMPARE(get("chkPunctuation")->toolTip(), displayOptionTip("chkPunctuation"));
        const QString shown = u"/ \u0261\u028Ad \u02C8m\u0254\u02D0n\u026A\u014B / s\u025C\u02D0 /"_qs;
        QCOMPARE(editor(), shown);
        QCOMPARE(m_window->storedTranscription(), stored);
        QCOMPARE(saved("editor", "showsyllables"), QStringLiteral("false"));
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    }

    // "Guess unknown words" is saved at once and used by the next run.
    void guessUnknownWords() {
        start();
        transcribe("good blorf");
        QCOMPARE(m_window->storedTranscription(), u"\u0261\u028Ad <blorf>"_qs);
        click("chkGuessUnknown");
        QCOMPARE(saved("editor", "guessunknown"), QStringLiteral("true"));
        transcribe("good blorf");
        QVERIFY2(m_window->storedTranscription().startsWith(u"\u0261\u028Ad \u2248"_qs),
                 qPrintable(m_window->storedTranscription()));
    }

    // What is typed in the editor becomes the stored transcription; spaces typed away
    // disable Keep spaces until the next run; clearing the box keeps what is stored.
    void editingTheTranscription() {
        start();
        transcribe("good");
        auto *text = get<QPlainTextEdit>("txtText");
        text->moveCursor(QTextCursor::End);
        QTest::keyClicks(text, " k");
        QTest::keyClick(text, Qt::Key_X, Qt::ShiftModifier);
        QTest::keyClicks(text, "t");
        QCOMPARE(m_window->storedTranscription(), u"/ \u0261\u028Ad / k\u00E6t"_qs);
        click("chkSlash"); // the text's delimiters stay; the open phrase at its end is closed
        QCOMPARE(editor(), u"/ \u0261\u028Ad / k\u00E6t |"_qs);
        click("chkKeepSpaces");
        QVERIFY(get("chkKeepSpaces")->isEnabled());
        click("picPhoneme_47");
        QVERIFY(!get("chkKeepSpaces")->isEnabled());
        click("picClearPhonetics");
        QCOMPARE(editor(), QString());
        QVERIFY(!m_window->storedTranscription().isEmpty());
        click("picGo");
        QVERIFY(get("chkKeepSpaces")->isEnabled());
    }

    // Each command that replaces a box's whole text is one undo step of that box: Ctrl+Z
    // brings the text before back exactly, with the editor's stored transcription and the
    // state of Keep spaces, and the work saved is that; Ctrl+Shift+Z and Ctrl+Y redo it.
    void wholeBoxCommandsUndo_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("inputBox");
        QTest::newRow("Transcribe over corrections") << "picGo" << false;
        QTest::newRow("Clear text of the editor") << "picClearPhonetics" << false;
        QTest::newRow("display option") << "chkSlash" << false;
        QTest::newRow("Import") << "import" << false;
        QTest::newRow("Clear text of the input") << "picClear" << true;
        QTest::newRow("Remove CR") << "picRemoveCRLF" << true;
        QTest::newRow("Open text") << "picOpenText" << true;
    }
    void wholeBoxCommandsUndo() {
        QFETCH(QString, command);
        QFETCH(bool, inputBox);
        start();
        const QString file = test::writeFile(m_dir->filePath("opened.txt"), "opened\ntext");
        m_window->setFileChoosers([&](QWidget *) { return file; }, [](QWidget *) { return QString(); });
        click("chkKeepSpaces"); // spaces removed: a hand edit then disables the box
        transcribe("good morning\nsir");
        auto *text = get<QPlainTextEdit>("txtText");
        text->moveCursor(QTextCursor::End);
        QTest::keyClicks(text, " k");
        QVERIFY(!get("chkKeepSpaces")->isEnabled());

        auto *changed = get<QPlainTextEdit>(inputBox ? "txtWords" : "txtText");
        auto *other = get<QPlainTextEdit>(inputBox ? "txtText" : "txtWords");
        const QString otherText = other->toPlainText();
        auto state = [&] {
            return QStringList{changed->toPlainText(), m_window->storedTranscription(),
                               get("chkKeepSpaces")->isEnabled() ? "Keep spaces on" : "Keep spaces off"};
        };
        const QStringList before = state();
        if (command == "import")
            importXSampa("k{t");
        else
            click(qPrintable(command));
        const QStringList after = state();
        QVERIFY(after[0] != before[0]);

        auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers) { QTest::keyClick(changed, k, modifiers); };
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(state(), before);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(state(), after);
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(state(), after);
        QCOMPARE(other->toPlainText(), otherText);
        QVERIFY(m_window->saveWork());
        const WorkInProgress saved = ReadWork(paths().work).work;
        QCOMPARE(saved.editor, m_window->findChild<ResultPanel *>()->editorText());
        QCOMPARE(saved.stored, m_window->storedTranscription());
        QVERIFY(m_messages.shown.isEmpty());
    }

    // A run that replaces text the user made in the editor says that Ctrl+Z brings it back,
    // until Ctrl+Z has.
    void transcribeOverCorrectionsSaysSo_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("said");
        QTest::newRow("a run") << "" << false;
        QTest::newRow("a hand edit") << "edit" << true;
        QTest::newRow("a hand edit rendered again") << "edit chkSlash" << true;
        QTest::newRow("an import") << "import" << true;
        QTest::newRow("an empty editor") << "edit picClearPhonetics" << false;
    }
    void transcribeOverCorrectionsSaysSo() {
        QFETCH(QString, before);
        QFETCH(bool, said);
        start();
        transcribe("good");
        for (const QString &step : before.split(' ', Qt::SkipEmptyParts)) {
            if (step == "edit") {
                QTest::keyClicks(get("txtText"), "k");
            } else if (step == "import") {
                importXSampa("k{t");
            } else {
                click(qPrintable(step));
            }
        }
        transcribe("sir");
        QCOMPARE(!get("lblStatus")->isHidden() && get<QLabel>("lblStatus")->text() == kCorrectionsReplaced, said);
        QTest::keyClick(get("txtText"), Qt::Key_Z, Qt::ControlModifier); // the note goes with its use
        QVERIFY(get("lblStatus")->isHidden());
    }

    // Undoing a run brings back the accent of the transcription it replaced: the status
    // line and the saved work say it.
    void undoingARunBringsItsAccentBack() {
        start();
        transcribe("morning");
        click("optAmE");
        transcribe("morning");
        QVERIFY(get("lblStatus")->isHidden());
        QTest::keyClick(get("txtText"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(get<QLabel>("lblStatus")->text(), texts::accentRedoStatus(false));
        QVERIFY(m_window->saveWork());
        QCOMPARE(ReadWork(paths().work).work.transcriptionAccent, std::optional(Accent::BrE));
    }

    // A box's history keeps no more text than its limit, however often a large text is
    // replaced; the latest step can always be undone.
    void undoHistoryIsBounded() {
        start();
        auto *box = get<QPlainTextEdit>("txtWords");
        // A third of the limit and a little more, in lines of a hundred characters.
        auto text = [](char c) { return QString(99, QLatin1Char(c)).append('\n').repeated(kUndoTextLimit / 300 + 1); };
        for (char c = 'a'; c <= 'f'; ++c)
            QVERIFY(replaceBoxText(box, text(c)));
        // Each third step started the history afresh, before the step itself.
        box->undo();
        QCOMPARE(box->toPlainText(), text('e'));
        box->undo();
        QCOMPARE(box->toPlainText(), text('d'));
        QVERIFY(!box->document()->isUndoAvailable());
    }

    // Shortcut keys in the editor and in the contribution fields; modified keys are no shortcuts.
    void shortcuts() {
        start();
        auto *text = get("txtText");
        QTest::keyClick(text, 'S', Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(text, 'a');
        QCOMPARE(editor(), u"\u0283a"_qs);
        QTest::keyClick(get("txtBrE"), 'g');
        QCOMPARE(get<QLineEdit>("txtBrE")->text(), u"\u0261"_qs);
        get<QPlainTextEdit>("txtText")->setPlainText("&#593;b");
        get<QLineEdit>("txtBrE")->clear();
        click("picTDown1");
        QCOMPARE(get<QLineEdit>("txtBrE")->text(), u"\u0251b"_qs);
    }

    // A keyboard key replaces the selection, across a line break, and moves the caret.
    void keyboardKey() {
        start();
        auto *text = get<QPlainTextEdit>("txtText");
        text->setPlainText(u"\u00C7b\ncd"_qs);
        QTextCursor c = text->textCursor();
        c.setPosition(3);
        c.setPosition(4, QTextCursor::KeepAnchor); // "c"
        text->setTextCursor(c);
        click("picPhoneme_10");
        QCOMPARE(editor(), u"\u00C7b\n\u03B8d"_qs);
        QCOMPARE(text->textCursor().position(), 4);
        QCOMPARE(m_window->storedTranscription(), u"\u00C7b\r\n\u03B8d"_qs);
        QCOMPARE(QGuiApplication::clipboard()->text(), editor());
    }

    void chartPicks() {
        start();
        click("picAddIPASymbol");
        IpaChartDialog *chart = m_window->chart();
        QVERIFY(chart && chart->isVisible());
        auto *recent1 = get<QToolButton>("picIPASymbol_1");
        QCOMPARE(chart->findChild<QToolButton *>("picPhoneme_0")->toolTip(), chartToolTip(0));
        QCOMPARE(get<QLabel>("lblIPASymbolKey_0")->text(), u"\u21E7."_qs);
        chart->findChild<QToolButton *>("picPhoneme_62")->click(); // ʃ
        QCOMPARE(editor(), u"\u0283"_qs);
        QCOMPARE(recent1->text(), u"\u0283"_qs);
        QCOMPARE(get<QLabel>("lblIPASymbolKey_1")->text(), u"\u21E7S"_qs);
        QCOMPARE(recent1->toolTip(), QStringLiteral("vl postalveolar fricative"));
        QCOMPARE(m_window->recentSymbols().button(1).symbol, u"\u0283"_qs);
        recent1->click();
        QCOMPARE(editor(), u"\u0283\u0283"_qs);
        QVERIFY(chart->isVisible());
    }

    void aboutReadsOnce() {
        start();
        click("picAbout");
        AboutDialog *about = m_window->about();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->findChild<QLabel *>("lblDatabase")->text(),
                 QStringLiteral("Database version 2.0 (March 2015)"));
        about->findChild<QToolButton *>("picSalir")->click();
        QVERIFY(!about->isVisible());
        Connection::openReadWrite(paths().lexicon, {}, {})->execute("UPDATE metadata SET Value = '3.0'");
        click("picAbout");
        QCOMPARE(m_window->about(), about);
        QCOMPARE(about->findChild<QLabel *>("lblDatabase")->text(),
                 QStringLiteral("Database version 2.0 (March 2015)"));
    }

    // F5 in the words box transcribes; the exit button closes the window and saves.
    void f5AndExit() {
        start();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        auto *words = get<QPlainTextEdit>("txtWords");
        words->setPlainText("cat");
        words->setFocus();
        QTest::keyClick(words, Qt::Key_F5);
        QCOMPARE(editor(), u"/ k\u00E6t /"_qs);
        click("chkList");
        QVERIFY(QFile::remove(paths().settings));
        click("picExit");
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
        test::writeFile(m_dir->filePath("blocker"), {});
        start(m_dir->filePath("blocker/vocalith.xml"));
        click("chkList");
        click("chkSlash");
        oneMessage(MessageKind::Information, "The settings could not be saved");
    }

    // The screen follows a run at intervals: the bar reaches the last segment, and a click
    // on Stop seen at one of those moments ends the run at the next segment.
    void progressAndStopWithTheInterval() {
        start();
        auto *bar = get<QProgressBar>("pgbTranscription");
        QList<int> values;
        connect(bar, &QProgressBar::valueChanged, this, [&](int v) { values << v; });
        transcribe("good\ncat\nmorning");
        QCOMPARE(values.mid(values.size() - 2), (QList<int>{5, 0}));

        m_window->setProgressInterval(2);
        const QStringList lines(10000, QStringLiteral("good cat"));
        QString status;
        int looks = 0;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (m_window->transcribing() && ++looks == 3) {
                status = get<QLabel>("lblStatus")->text();
                click("picStop");
                poll.stop();
            }
        });
        poll.start();
        transcribe(lines.join('\n'));
        const QRegularExpressionMatch line = QRegularExpression("^Line (\\d+) out of 19999\\. ").match(status);
        QVERIFY2(line.hasMatch(), qPrintable(status));
        const int done = line.captured(1).toInt() / 2 + 1; // segments alternate: a line, a line break
        QVERIFY(done < 10000);
        QCOMPARE(m_window->storedTranscription(), QStringList(done, u"\u0261\u028Ad k\u00E6t"_qs).join("\r\n"));
    }

    // What the user was doing comes back in the next session, and is saved a few seconds
    // after a change even when the program does not close normally.
    void workInProgressKept() {
        start();
        transcribe("idea");
        click("picAddIPASymbol");
        m_window->chart()->findChild<QToolButton *>("picPhoneme_62")->click(); // ʃ at the caret
        const QString stored = m_window->storedTranscription(), shown = editor();
        QVERIFY(m_window->close());
        start();
        QCOMPARE(get<QPlainTextEdit>("txtWords")->toPlainText(), QStringLiteral("idea"));
        QCOMPARE(m_window->storedTranscription(), stored);
        QCOMPARE(editor(), shown);
        QCOMPARE(get<QToolButton>("picIPASymbol_1")->text(), u"\u0283"_qs);
        QVERIFY(get("lblStatus")->isHidden());
        // A transcription of the other accent is said so at once.
        click("optAmE");
        QVERIFY(m_window->close());
        start();
        QCOMPARE(get<QLabel>("lblStatus")->text(), texts::accentRedoStatus(false));

        get<QPlainTextEdit>("txtWords")->setPlainText("cat");
        QTRY_COMPARE_WITH_TIMEOUT(ReadWork(paths().work).work.input, QStringLiteral("cat"), 10000);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void damagedWorkStartsEmpty() {
        test::writeFile(paths().work, R"({"vocalith-work": 1, "input": 5})");
        start();
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(get<QPlainTextEdit>("txtWords")->toPlainText(), QString());
        QVERIFY(!get("lblStatus")->isHidden());
        QVERIFY(get<QLabel>("lblStatus")->text().startsWith("The saved work could not be read"));
        QVERIFY(QFileInfo::exists(paths().work + kDamagedSuffix));
        transcribe("cat");
        QVERIFY(get("lblStatus")->isHidden());
    }

    void damagedSettingsSetAside() {
        test::writeFile(paths().settings, "<vocalith><unicodefonts size='20'>");
        start();
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(get<QLabel>("lblStatus")->text(),
                 kSettingsDamagedKept.arg("line 1: Premature end of document", "vocalith.xml.damaged"));
        QCOMPARE(get<QComboBox>("cmbFontSize")->currentText(), kDefaultFontSize);
    }

    // Ctrl+O, Ctrl+S and the buttons, with file names outside ASCII; errors in a box.
    void openAndSaveFiles() {
        QString openFrom =
            test::writeFile(m_dir->filePath(u"\u00DCbung \u0283.txt"_qs), QByteArray("\xFF\xFE"
                                                                                     "c\0a\0t\0\r\0\n\0s\0i\0r\0",
                                                                                     18));
        QString saveTo = m_dir->filePath(u"L\u00F6sung \u0259.txt"_qs);
        start();
        m_window->setFileChoosers([&](QWidget *) { return openFrom; }, [&](QWidget *) { return saveTo; });
        showActive();
        auto *words = get<QPlainTextEdit>("txtWords");
        words->setPlainText("before");
        words->setFocus();
        QTest::keyClick(words, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(words->toPlainText(), QStringLiteral("cat\nsir"));
        words->undo();
        QCOMPARE(words->toPlainText(), QStringLiteral("before"));
        click("picOpenText");
        click("picGo");
        QTest::keyClick(words, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadTextFile(saveTo).text.value_or("-"), m_window->findChild<ResultPanel *>()->editorText());
        saveTo = m_dir->filePath(u"L\u00F6sung \u0259.html"_qs);
        click("picSaveTranscription");
        QVERIFY(ReadTextFile(saveTo).text.value_or("-").contains(u"k\u00E6t"_qs));
        QVERIFY(m_messages.shown.isEmpty());

        openFrom = test::writeFile(m_dir->filePath("picture.png"), "\x89PNG\r\n\x1A\n");
        click("picOpenText");
        oneMessage(MessageKind::Information, kFileNotText.arg("picture.png"));
        QCOMPARE(words->toPlainText(), QStringLiteral("cat\nsir"));
        m_messages.shown.clear();
        saveTo = m_dir->filePath("missing folder/x.txt");
        click("picSaveTranscription");
        oneMessage(MessageKind::Critical, "The transcription could not be saved to x.txt");
    }

    void dropATextFile() {
        start();
        const QString file = test::writeFile(m_dir->filePath(u"d\u00E9pos.txt"_qs), "good\n");
        auto *view = get<QPlainTextEdit>("txtWords")->viewport();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &drop);
        QCOMPARE(get<QPlainTextEdit>("txtWords")->toPlainText(), QStringLiteral("good\n"));
    }

    void tabLeavesTheInputBox() {
        start();
        showActive();
        auto *words = get<QPlainTextEdit>("txtWords");
        words->setFocus();
        QTest::keyClick(words, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(words->toPlainText(), QStringLiteral("\t"));
        QTest::keyClick(words, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), get("picGo"));
        QTest::keyClick(get("picGo"), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), words);
        QCOMPARE(words->toPlainText(), QStringLiteral("\t"));
    }

    // The offscreen screen (800x800) is smaller than the window: the About window and the
    // chart stay on it, and the chart leaves the editor's caret line in view.
    void aboutAndChartOnASmallScreen() {
        start();
        m_window->resize(1300, 1000); // a tall editor, a chart beside its button covering its middle
        showActive();
        const QRect area = m_window->screen()->availableGeometry();
        click("picAbout");
        QVERIFY(area.contains(m_window->about()->geometry()));
        m_window->about()->hide();
        auto *text = get<QPlainTextEdit>("txtText");
        text->setPlainText(QStringList(40, "a").join('\n'));
        QTextCursor caret(text->document()->findBlockByNumber(16));
        text->setTextCursor(caret);
        click("picAddIPASymbol");
        const QRect chart = m_window->chart()->geometry();
        QVERIFY(area.contains(chart));
        const QRect at = text->cursorRect();
        const QRect line(text->viewport()->mapToGlobal(QPoint(0, at.top())), QSize(text->width(), at.height()));
        QVERIFY(!chart.intersects(line));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

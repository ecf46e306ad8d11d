// A Transcribe run from the main window and the editor side it fills, each wiring path
// once: a run shows its result and gives the controls back, Stop keeps what is done,
// closing during a run, a database error, a display option, the guesses, editing, the
// undo step of each command that replaces a box's whole text, the shortcut keys, the
// keyboard and the chart. The run itself (its thread, progress and stop) has its core test.

#include "app/texts.h"
#include "app/work.h"
#include "editor/ipachart.h"
#include "editor/optiontips.h"
#include "editor/ui/ipachartdialog.h"
#include "editor/ui/resultpanel.h"
#include "encodings/ui/importexportwindow.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

using namespace vocalith;
using namespace vocalith::test;

class TestTranscribe : public QObject, WindowTest {
    Q_OBJECT

    // The Import window's X-SAMPA tab into the editor.
    void importXSampa(const QString &text) const {
        click("picImport");
        ImportExportWindow *window = m_window->importExportWindow();
        window->findChild<QPlainTextEdit *>("txtTexto0")->setPlainText(text);
        window->findChild<QAbstractButton *>("picImport")->click();
    }

private slots:
    void init() { prepare(); }
    void cleanup() { tidy(); }

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

    // The status line and the bar follow a run (the bar reaches the last segment); Stop ends
    // it at the next segment with the lines done; the next run starts afresh.
    void progressAndStop() {
        start();
        auto *bar = get<QProgressBar>("pgbTranscription");
        QList<int> values;
        connect(bar, &QProgressBar::valueChanged, this, [&](int v) { values << v; });
        transcribe("good\ncat\nmorning");
        QCOMPARE(values.mid(values.size() - 2), (QList<int>{5, 0}));

        m_window->setProgressInterval(0);
        const int lines = 20000;
        QString status;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (status.isEmpty() && bar->value() > 0) {
                status = get<QLabel>("lblStatus")->text();
                QVERIFY(!get("picGo")->isEnabled());
                get<QAbstractButton>("picStop")->click();
            }
        });
        poll.start();
        transcribe(QStringList(lines, "good cat").join('\n'));
        poll.stop();
        const QRegularExpression word(u"^Line \\d+ out of 39999\\. Word: (good /\u0261\u028Ad/|cat /k\u00E6t/)$"_qs);
        QVERIFY2(word.match(status).hasMatch(), qPrintable(status));
        QString stored = m_window->storedTranscription();
        if (stored.endsWith("\r\n")) // stopped after a line break
            stored.chop(2);
        const QStringList done = stored.split("\r\n");
        QVERIFY(done.size() < lines);
        QCOMPARE(done, QStringList(done.size(), u"\u0261\u028Ad k\u00E6t"_qs));
        QVERIFY(get("picStop")->isHidden() && get("picGo")->isEnabled());
        andWaitForARun([&] { m_window->transcribe(); });
        QCOMPARE(m_window->storedTranscription().count("\r\n"), lines - 1);
    }

    // Closing during a run stops it; the window closes, as it always does, once the run has
    // ended with what it had done.
    void closingDuringARun() {
        start();
        m_window->show();
        bool refused = false;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (get<QProgressBar>("pgbTranscription")->value() > 0) {
                refused = !m_window->close();
                poll.stop();
            }
        });
        poll.start();
        transcribe(QStringList(20000, "good cat").join('\n'));
        QVERIFY(refused);
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_window->storedTranscription().count("\r\n") < 19999);
        QCOMPARE(readWork(paths().work).work.stored, m_window->storedTranscription()); // saved on closing
    }

    // A long result with its lines goes into the editor a part at a time; a display option
    // clicked meanwhile applies once it is in.
    void optionClickedWhileTheResultGoesIn() {
        start();
        click("chkRemoveCRs");
        bool clicked = false;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!clicked && get<QPlainTextEdit>("txtText")->isReadOnly()) {
                get<QAbstractButton>("chkSlash")->click();
                clicked = true;
            }
        });
        poll.start();
        transcribe(QStringList(60000, "good cat").join('\n'));
        QVERIFY(clicked);
        QVERIFY(!get<QPlainTextEdit>("txtText")->isReadOnly());
        QCOMPARE(editor().count('\n'), 59999);
        QVERIFY(editor().startsWith(u"| \u0261\u028Ad k\u00E6t |\n"_qs) && !editor().contains('/'));
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
        const QString file = writeFile(m_dir->filePath("opened.txt"), "opened\ntext");
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
        const WorkInProgress saved = readWork(paths().work).work;
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
        QCOMPARE(readWork(paths().work).work.transcriptionAccent, std::optional(Accent::BrE));
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
};

QTEST_MAIN(TestTranscribe)
#include "tst_transcribe.moc"

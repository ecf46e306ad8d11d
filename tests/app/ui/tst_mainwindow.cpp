// The main window driven through its controls, each wiring path once: start-up, a panel,
// the accent, fonts, About and closing, the work in progress, the file commands and the
// input box's keys. The Transcribe run and the editor side are in tst_transcribe; the
// rules behind them have their own tests.

#include "app/messages.h"
#include "app/textfiles.h"
#include "app/texts.h"
#include "app/ui/aboutdialog.h"
#include "app/work.h"
#include "editor/ui/ipachartdialog.h"
#include "editor/ui/resultpanel.h"
#include "storage/files.h"
#include "widgets/picturebutton.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

using namespace vocalith;
using namespace vocalith::test;

class TestMainWindow : public QObject, WindowTest {
    Q_OBJECT

private slots:
    void init() { prepare(); }
    void cleanup() { tidy(); }

    void startWithoutLexicon() {
        QFile::remove(paths().lexicon);
        MainWindow w(paths(), m_messages, test::kWindowFonts);
        QVERIFY(!w.startUp());
        oneMessage(MessageKind::Critical, messages::kLexiconNotAvailable);
    }

    void startWithUnusableContributions() {
        writeFile(paths().contributions, QByteArray(4096, 'x'));
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
        writeFile(paths().settings,
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
        writeFile(paths().contributions, QByteArray(4096, 'x'));
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
        andWaitForARun([&] { QTest::keyClick(words, Qt::Key_F5); });
        QCOMPARE(editor(), u"/ k\u00E6t /"_qs);
        click("chkList");
        QVERIFY(QFile::remove(paths().settings));
        click("picExit");
        QVERIFY(!m_window->isVisible());
        QCOMPARE(saved("editor", "list"), QStringLiteral("false"));
    }

    void unwritableSettingsAreReportedOnce() {
        writeFile(m_dir->filePath("blocker"), {});
        start(m_dir->filePath("blocker/vocalith.xml"));
        click("chkList");
        click("chkSlash");
        oneMessage(MessageKind::Information, "The settings could not be saved");
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

        m_window->setWorkSaveDelay(20);
        get<QPlainTextEdit>("txtWords")->setPlainText("cat");
        QCOMPARE(readWork(paths().work).work.input, QStringLiteral("idea")); // not at once
        QTRY_COMPARE(readWork(paths().work).work.input, QStringLiteral("cat"));
        QVERIFY(m_messages.shown.isEmpty());
    }

    void damagedWorkStartsEmpty() {
        writeFile(paths().work, R"({"vocalith-work": 1, "input": 5})");
        start();
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(get<QPlainTextEdit>("txtWords")->toPlainText(), QString());
        QVERIFY(!get("lblStatus")->isHidden());
        QVERIFY(get<QLabel>("lblStatus")->text().startsWith("The saved work could not be read"));
        QVERIFY(QFileInfo::exists(paths().work + kDamagedSuffix));
        transcribe("cat");
        QVERIFY(get("lblStatus")->isHidden());
    }

    // The status line says so; where the user's files went follows it.
    void damagedSettingsSetAside() {
        writeFile(paths().settings, "<vocalith><unicodefonts size='20'>");
        StartupPaths p = paths();
        p.notice = QStringLiteral("Your files vocalith.xml were beside the program; they are now in /x.");
        m_window = std::make_unique<MainWindow>(p, m_messages, kWindowFonts);
        QVERIFY(m_window->startUp());
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(get<QLabel>("lblStatus")->text(),
                 kSettingsDamagedKept.arg("line 1: Premature end of document", "vocalith.xml.damaged") + ' ' +
                     p.notice);
        QCOMPARE(get<QComboBox>("cmbFontSize")->currentText(), kDefaultFontSize);
    }

    // Ctrl+O, Ctrl+S and the buttons, with file names outside ASCII; errors in a box.
    void openAndSaveFiles() {
        QString openFrom =
            writeFile(m_dir->filePath(u"\u00DCbung \u0283.txt"_qs), QByteArray("\xFF\xFE"
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
        QCOMPARE(readTextFile(saveTo).text.value_or("-"), m_window->findChild<ResultPanel *>()->editorText());
        saveTo = m_dir->filePath(u"L\u00F6sung \u0259.html"_qs);
        click("picSaveTranscription");
        QVERIFY(readTextFile(saveTo).text.value_or("-").contains(u"k\u00E6t"_qs));
        QVERIFY(m_messages.shown.isEmpty());

        openFrom = writeFile(m_dir->filePath("picture.png"), "\x89PNG\r\n\x1A\n");
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
        const QString file = writeFile(m_dir->filePath(u"d\u00E9pos.txt"_qs), "good\n");
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

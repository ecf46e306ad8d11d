// The import and export window driven from the main window: export of the editor's text,
// import from the visible tab, Close, the tabs and the Braille font box with its setting.

#include "app/ui/mainwindow.h"
#include "app/ui/messagebox.h"
#include "editor/ui/resultpanel.h"
#include "encodings/notations.h"
#include "encodings/ui/importexportwindow.h"
#include "engine/render.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDomDocument>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

struct RecordedMessages : MessageBoxes {
    QStringList shown;
    void show(QWidget *, MessageKind, const QString &text) override { shown << text; }
};

template <typename T>
T *child(const QObject *parent, const QString &name) {
    T *w = parent ? parent->findChild<T *>(name) : nullptr;
    [&] { QVERIFY2(w, qPrintable(name)); }();
    return w;
}

// Installed fonts as the system lists them; two of them are Braille fonts of the settings.
const QStringList kInstalled = {u"Charis SIL"_s, u"DejaVu Sans"_s, u"FREE MONO"_s};

} // namespace

class TestImportExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordedMessages m_messages;
    std::unique_ptr<MainWindow> m_main;

    QString settingsPath() const { return m_dir.filePath(u"vocalith.xml"_s); }
    ResultPanel *panel() const { return child<ResultPanel>(m_main.get(), u"fraPhonetics"_s); }
    QPlainTextEdit *editor() const { return child<QPlainTextEdit>(panel(), u"txtText"_s); }
    ImportExportWindow *window() const { return panel()->importExportWindow(); }
    QPlainTextEdit *box(int i) const { return child<QPlainTextEdit>(window(), u"txtTexto%1"_s.arg(i)); }
    void click(const QObject *parent, const QString &name) const { child<QToolButton>(parent, name)->click(); }

    void startMain() {
        m_main = std::make_unique<MainWindow>(
            StartupPaths{test::fixturePath(u"engine"_s), m_dir.filePath(u"ContributionDB.sqlite"_s), settingsPath()},
            m_messages, kInstalled);
        QVERIFY(m_main->startUp());
    }

private slots:
    void init() {
        QFile::remove(settingsPath());
        startMain();
    }
    void cleanup() { m_main.reset(); }

    void exportAll() {
        const QString text = u"/ \u02C8h\u00E6pi /\r\nd\u0292\u026An"_s;
        editor()->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
        const QString stored = panel()->storedTranscription();
        click(panel(), u"picExport"_s);
        QVERIFY(window()->isVisible() && window()->isModal());
        QCOMPARE(window()->windowTitle(), u"Exported transcription"_s);
        QVERIFY(child<QToolButton>(window(), u"picImport"_s)->isHidden());
        for (int i = 0; i < 5; ++i) {
            const QString expected = kNotations[size_t(i)].exportFn(text).replace(u"\r\n"_s, u"\n"_s);
            QCOMPARE(box(i)->toPlainText(), expected);
        }
        QCOMPARE(box(1)->toPlainText(), u"/ &#712;h&#230;pi /\nd&#658;&#618;n"_s);
        click(window(), u"picCopy1"_s);
        QCOMPARE(QApplication::clipboard()->text(), box(1)->toPlainText());
        click(window(), u"picSalir"_s);
        QVERIFY(!window()->isVisible());
        QCOMPARE(editor()->toPlainText(), QString(text).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(panel()->storedTranscription(), stored);
    }

    // Text in two boxes; the visible tab decides what is imported.
    void importVisibleTab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("expected");
        QTest::newRow("X-SAMPA") << 0 << u"\u0283\u026Ap"_s;
        QTest::newRow("HTML (decimal)") << 1 << u"\u0251\u02D0 &#x251;"_s;
    }
    void importVisibleTab() {
        QFETCH(int, tab);
        QFETCH(QString, expected);
        editor()->setPlainText(u"old"_s);
        click(panel(), u"picImport"_s);
        QCOMPARE(window()->windowTitle(), u"Import transcription"_s);
        QVERIFY(!child<QToolButton>(window(), u"picImport"_s)->isHidden());
        QCOMPARE(child<QLabel>(window(), u"lblHelp1"_s)->text(),
                 u"Enter or copy the HTML text (IPA symbols coded using Unicode decimal numbers) you want to "
                 "import and press Import button"_s);
        box(0)->setPlainText(u"SIp"_s);
        box(1)->setPlainText(u"&#593;&#720; &#x251;"_s);
        QTest::mouseClick(child<QLabel>(window(), u"lblTexto%1"_s.arg(tab)), Qt::LeftButton);
        QCOMPARE(window()->selectedTab(), tab);
        click(window(), u"picImport"_s);
        QVERIFY(!window()->isVisible());
        QCOMPARE(editor()->toPlainText(), expected);
        QCOMPARE(panel()->storedTranscription(), expected);

        // The imported text is what the display options render from now on.
        auto *stress = child<QCheckBox>(panel(), u"chkStress"_s);
        stress->click();
        QCOMPARE(editor()->toPlainText(),
                 RenderTranscription(expected, panel()->options(), Accent::BrE).value().replace(u"\r\n"_s, u"\n"_s));
    }

    void closeAfterImportOpening() {
        editor()->setPlainText(u"k\u00E6t"_s);
        click(panel(), u"picExport"_s);
        click(window(), u"picSalir"_s);
        click(panel(), u"picImport"_s);
        for (int i = 0; i < 5; ++i)
            QVERIFY(box(i)->toPlainText().isEmpty());
        box(0)->setPlainText(u"dOg"_s);
        click(window(), u"picSalir"_s);
        QCOMPARE(editor()->toPlainText(), u"k\u00E6t"_s);
        QCOMPARE(panel()->storedTranscription(), u"k\u00E6t"_s);
    }

    void tabs() {
        click(panel(), u"picExport"_s);
        QCOMPARE(window()->selectedTab(), 0);
        for (int tab : {3, 1, 4, 0}) {
            QTest::mouseClick(child<QLabel>(window(), u"lblTexto%1"_s.arg(tab)), Qt::LeftButton);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(box(i)->isVisible(), i == tab);
                const QColor caption =
                    child<QLabel>(window(), u"lblTexto%1"_s.arg(i))->palette().color(QPalette::WindowText);
                QCOMPARE(caption, i == tab ? QColor(0, 0, 0) : QColor(192, 192, 192));
            }
            QCOMPARE(child<QFrame>(window(), u"fraFont"_s)->isVisible(), tab == 3);
        }
        // The selected tab stays for the next opening.
        QTest::mouseClick(child<QLabel>(window(), u"lblTexto2"_s), Qt::LeftButton);
        click(window(), u"picSalir"_s);
        click(panel(), u"picImport"_s);
        QVERIFY(box(2)->isVisible());
    }

    void brailleFont() {
        click(panel(), u"picImport"_s);
        auto *fonts = child<QComboBox>(window(), u"cmbFont"_s);
        QCOMPARE(fonts->count(), 2); // the installed Braille fonts, in the system's order and spelling
        QCOMPARE(fonts->itemText(0), u"DejaVu Sans"_s);
        QCOMPARE(fonts->itemText(1), u"FREE MONO"_s);
        QCOMPARE(fonts->currentText(), u"Braille"_s);
        QCOMPARE(box(3)->font().family(), QFont(u"Braille"_s).family());

        fonts->setCurrentIndex(0); // the user picks DejaVu Sans
        QCOMPARE(box(3)->font().family(), u"DejaVu Sans"_s);
        QFile file(settingsPath());
        QDomDocument doc;
        QVERIFY(file.open(QIODevice::ReadOnly) && doc.setContent(&file));
        QCOMPARE(doc.documentElement().firstChildElement(u"braillefonts"_s).attribute(u"name"_s), u"DejaVu Sans"_s);

        // The next start opens the Braille box in that font.
        m_main.reset();
        startMain();
        click(panel(), u"picImport"_s);
        QCOMPARE(child<QComboBox>(window(), u"cmbFont"_s)->currentText(), u"DejaVu Sans"_s);
        QCOMPARE(box(3)->font().family(), u"DejaVu Sans"_s);
    }
};

QTEST_MAIN(TestImportExport)
#include "tst_importexport.moc"

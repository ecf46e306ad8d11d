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
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

struct NoMessages : MessageBoxes {
    void show(QWidget *, MessageKind, const QString &text) override { QFAIL(qPrintable(text)); }
};

} // namespace

class TestImportExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    NoMessages m_messages;
    std::unique_ptr<MainWindow> m_main;

    template <typename T>
    T *child(const QObject *parent, const QString &name) const {
        T *w = parent ? parent->findChild<T *>(name) : nullptr;
        [&] { QVERIFY2(w, qPrintable(name)); }();
        return w;
    }
    ResultPanel *panel() const { return child<ResultPanel>(m_main.get(), u"fraPhonetics"_s); }
    QPlainTextEdit *editor() const { return child<QPlainTextEdit>(panel(), u"txtText"_s); }
    ImportExportWindow *window() const { return panel()->importExportWindow(); }
    QPlainTextEdit *box(int i) const { return child<QPlainTextEdit>(window(), u"txtTexto%1"_s.arg(i)); }
    void click(QObject *parent, const QString &name) const { child<QToolButton>(parent, name)->click(); }
    void clickTab(int i) const { QTest::mouseClick(child<QLabel>(window(), u"lblTexto%1"_s.arg(i)), Qt::LeftButton); }

    void startMain() {
        // Installed fonts in the system's order; two are Braille fonts of the settings.
        m_main = std::make_unique<MainWindow>(
            StartupPaths{test::fixturePath(u"engine"_s), m_dir.filePath(u"ContributionDB.sqlite"_s),
                         m_dir.filePath(u"vocalith.xml"_s)},
            m_messages, QStringList{u"Charis SIL"_s, u"FREE MONO"_s, u"DejaVu Sans"_s});
        QVERIFY(m_main->startUp());
    }

private slots:
    void init() {
        QFile::remove(m_dir.filePath(u"vocalith.xml"_s));
        startMain();
    }
    void cleanup() { m_main.reset(); }

    void exportAll() {
        editor()->setPlainText(u"/ \u02C8h\u00E6pi /\nd\u0292\u026An"_s);
        click(panel(), u"picExport"_s);
        QVERIFY(window()->isVisible() && window()->isModal());
        QCOMPARE(window()->windowTitle(), u"Exported transcription"_s);
        QVERIFY(child<QToolButton>(window(), u"picImport"_s)->isHidden());
        for (int i = 0; i < 5; ++i) // each from the editor's text (CR LF line breaks)
            QCOMPARE(box(i)->toPlainText(),
                     kNotations[size_t(i)].exportFn(u"/ \u02C8h\u00E6pi /\r\nd\u0292\u026An"_s).replace(u'\r', ""));
        click(window(), u"picCopy1"_s);
        QCOMPARE(QApplication::clipboard()->text(), u"/ &#712;h&#230;pi /\nd&#658;&#618;n"_s);
        click(window(), u"picSalir"_s);
        QCOMPARE(panel()->storedTranscription(), u"/ \u02C8h\u00E6pi /\r\nd\u0292\u026An"_s);
    }

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
        QVERIFY(child<QLabel>(window(), u"lblHelp1"_s)->text().startsWith(u"Enter or copy the HTML text (IPA"_s));
        box(0)->setPlainText(u"SIp"_s);
        box(1)->setPlainText(u"&#593;&#720; &#x251;"_s);
        clickTab(tab);
        click(window(), u"picImport"_s);
        QVERIFY(!window()->isVisible());
        QCOMPARE(editor()->toPlainText(), expected);
        // The imported text is what the display options render from now on.
        child<QCheckBox>(panel(), u"chkStress"_s)->click();
        QCOMPARE(editor()->toPlainText(), RenderTranscription(expected, panel()->options(), Accent::BrE).value());
    }

    void closeAfterImportOpening() {
        editor()->setPlainText(u"k\u00E6t"_s);
        click(panel(), u"picExport"_s);
        click(window(), u"picSalir"_s);
        click(panel(), u"picImport"_s);
        QVERIFY(box(0)->toPlainText().isEmpty() && box(4)->toPlainText().isEmpty());
        box(0)->setPlainText(u"dOg"_s);
        click(window(), u"picSalir"_s);
        QCOMPARE(editor()->toPlainText(), u"k\u00E6t"_s);
        QCOMPARE(panel()->storedTranscription(), u"k\u00E6t"_s);
    }

    void tabsAndBrailleFont() {
        click(panel(), u"picImport"_s);
        for (int tab : {3, 1}) {
            clickTab(tab);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(box(i)->isVisible(), i == tab);
                QCOMPARE(child<QLabel>(window(), u"lblTexto%1"_s.arg(i))->palette().color(QPalette::WindowText),
                         i == tab ? QColor(0, 0, 0) : QColor(192, 192, 192));
            }
            QCOMPARE(child<QWidget>(window(), u"fraFont"_s)->isVisible(), tab == 3);
        }
        auto *fonts = child<QComboBox>(window(), u"cmbFont"_s);
        QCOMPARE(fonts->currentText(), u"Braille"_s);
        QCOMPARE(fonts->itemText(0), u"FREE MONO"_s); // the system's order and spelling
        fonts->setCurrentIndex(1);                    // the user picks DejaVu Sans
        QCOMPARE(box(3)->font().family(), u"DejaVu Sans"_s);

        // Saved at once: the next start opens the Braille box in that font.
        m_main.reset();
        startMain();
        click(panel(), u"picImport"_s);
        QCOMPARE(child<QComboBox>(window(), u"cmbFont"_s)->currentText(), u"DejaVu Sans"_s);
        QCOMPARE(box(3)->font().family(), u"DejaVu Sans"_s);
    }
};

QTEST_MAIN(TestImportExport)
#include "tst_importexport.moc"

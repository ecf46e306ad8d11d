// The Statistics and Zentab windows driven from the editor's buttons: each wiring path once
// (the counting rules are tested in the core).

#include "app/ui/messagebox.h"
#include "app/ui/twips.h"
#include "editor/ui/resultpanel.h"
#include "statistics/ui/statisticswindow.h"
#include "statistics/ui/zentabwindow.h"
#include "statistics/zentab.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <stdexcept>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

struct RecordedMessages : MessageBoxes {
    QStringList shown;
    void show(QWidget *, MessageKind, const QString &text) override { shown << text; }
};

const int kRowK = 6, kRowT = 2;

} // namespace

class TestStatisticsWindows : public QObject {
    Q_OBJECT

    RecordedMessages m_messages;
    std::unique_ptr<ResultPanel> m_panel;

    template <typename T>
    T *child(const QObject *parent, const QString &name) const {
        T *w = parent ? parent->findChild<T *>(name) : nullptr;
        [&] { QVERIFY2(w, qPrintable(name)); }();
        return w;
    }
    // The user types the text into the editor and clicks the button.
    void run(const QString &button, const QString &text) {
        child<QPlainTextEdit>(m_panel.get(), u"txtText"_s)->setPlainText(text);
        child<QToolButton>(m_panel.get(), button)->click();
    }
    QString value(int row) const {
        return child<QLabel>(m_panel->statisticsWindow(), u"lblValue%1"_s.arg(row))->text();
    }

private slots:
    void init() {
        m_messages.shown.clear();
        m_panel = std::make_unique<ResultPanel>(m_messages);
    }
    void cleanup() { m_panel.reset(); }

    void emptyEditor() {
        run(u"picStatistics"_s, {});
        run(u"picZentab"_s, {});
        QCOMPARE(m_messages.shown, QStringList({u"Text box empty."_s, u"Text box empty."_s}));
        QVERIFY(!m_panel->statisticsWindow() && !m_panel->zentabWindow());
    }

    void statistics() {
        run(u"picStatistics"_s, u"k\u00E6t &#712;k\u00E6t\r\nt"_s);
        StatisticsWindow *w = m_panel->statisticsWindow();
        QVERIFY(w->isVisible() && w->isModal());
        QCOMPARE(value(kRowT), u"3"_s);
        QCOMPARE(child<QLabel>(w, u"lblShare%1"_s.arg(kRowT))->text(), u"42.9%"_s);
        const QWidget *bar = child<QWidget>(w, u"picValue%1"_s.arg(kRowT));
        QCOMPARE(bar->width(), twipsToPixels(900, w->logicalDpiX()));
        QCOMPARE(bar->palette().color(QPalette::Window), QColor(163, 0, 0));
        QVERIFY(child<QWidget>(w, u"Frame2"_s)->isHidden());
        child<QToolButton>(w, u"picCopyTable"_s)->click();
        QCOMPARE(QApplication::clipboard()->text().section(u'\n', kRowK, kRowK), u"/k/\t2\t28.6"_s);

        // Close hides; the next command counts its own text in the same window.
        child<QToolButton>(w, u"picSalir"_s)->click();
        QVERIFY(!w->isVisible());
        run(u"picStatistics"_s, u"k"_s);
        QCOMPARE(m_panel->statisticsWindow(), w);
        QCOMPARE(value(kRowT), u"0"_s);
    }

    void duplicates() {
        // The box acts only while Keep spaces is ticked.
        auto *keepSpaces = child<QCheckBox>(m_panel.get(), u"chkKeepSpaces"_s);
        keepSpaces->setChecked(false);
        run(u"picStatistics"_s, u"k\u00E6t k\u00E6t"_s);
        auto *box = child<QCheckBox>(m_panel->statisticsWindow(), u"chkDeleteDuplicates"_s);
        QVERIFY(!box->isEnabled());
        box->setChecked(true);
        run(u"picStatistics"_s, u"k\u00E6t k\u00E6t"_s);
        QCOMPARE(value(kRowK), u"2"_s);
        keepSpaces->setChecked(true);
        run(u"picStatistics"_s, u"k\u00E6t k\u00E6t"_s);
        QCOMPARE(value(kRowK), u"1"_s);
        // A click while a count runs: that count stops and the new one shows.
        QTimer::singleShot(0, box, [box] { box->click(); });
        run(u"picStatistics"_s, u"k\u00E6t k\u00E6t"_s);
        QCOMPARE(value(kRowK), u"2"_s);
    }

    void manyWords() {
        // 100,000 words: counts beyond 16 bits in both windows.
        const QString text = u"k\u00E6t "_s.repeated(100000);
        run(u"picStatistics"_s, text);
        QCOMPARE(value(kRowK), u"100000"_s);
        run(u"picZentab"_s, text);
        QCOMPARE(m_panel->zentabWindow()->report().section(u"\r\n"_s, 1).section(u'\t', kRowK, kRowK), u"100000"_s);
    }

    void zentab() {
        run(u"picZentab"_s, u"k\u00E6t |\r\n&#240;&#601;"_s);
        ZentabWindow *w = m_panel->zentabWindow();
        QVERIFY(w->isVisible() && !w->isModal());
        const QString report = ZentabReport(u"k\u00E6t | \u00F0\u0259"_s);
        QCOMPARE(w->report(), report);
        QCOMPARE(child<QPlainTextEdit>(w, u"txtStatistics"_s)->toPlainText(), QString(report).replace(u'\r', ""));

        // Every activation builds the report again; a failure leaves the report on show.
        int builds = 0;
        w->setReportBuilder([&](const QString &text) {
            if (++builds == 2)
                throw std::runtime_error("out of memory");
            return ZentabReport(text) + u"!"_s;
        });
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w, &activate);
        QApplication::sendEvent(w, &activate);
        QCOMPARE(builds, 2);
        QVERIFY(child<QPlainTextEdit>(w, u"txtStatistics"_s)->toPlainText().endsWith(u'!'));
        QCOMPARE(m_messages.shown, QStringList{u"The report could not be built: out of memory"_s});
    }

    void saveAs() {
        run(u"picZentab"_s, u"k\u00E6t | d\u0252\u0261"_s);
        ZentabWindow *w = m_panel->zentabWindow();
        QTemporaryDir dir;
        QString chosen = dir.filePath(u"report.tsv"_s);
        w->setFileChooser([&](QWidget *) { return chosen; });
        child<QToolButton>(w, u"picSaveAs"_s)->click();
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString(w->report()).replace(u'\r', "") + u'\n');
        chosen = dir.filePath(u"missing/report.tsv"_s);
        QVERIFY(!w->saveAs());
        QVERIFY(m_messages.shown.value(0).startsWith(u"The report could not be saved: "_s));
    }
};

QTEST_MAIN(TestStatisticsWindows)
#include "tst_statisticswindows.moc"

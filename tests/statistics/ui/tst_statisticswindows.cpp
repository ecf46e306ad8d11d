// The Statistics and Zentab windows driven from the editor's buttons: each wiring path once
// (the counting rules are tested in the core).

#include "app/ui/messagebox.h"
#include "app/ui/twips.h"
#include "editor/ui/resultpanel.h"
#include "statistics/statistics.h"
#include "statistics/ui/statisticswindow.h"
#include "statistics/ui/zentabwindow.h"
#include "statistics/zentab.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <stdexcept>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

struct RecordedMessages : MessageBoxes {
    QList<std::pair<MessageKind, QString>> shown;
    void show(QWidget *, MessageKind kind, const QString &text) override { shown.append({kind, text}); }
};

template <typename T>
T *child(const QObject *parent, const QString &name) {
    T *w = parent ? parent->findChild<T *>(name) : nullptr;
    [&] { QVERIFY2(w, qPrintable(name)); }();
    return w;
}

const int kRowK = 6, kRowT = 2, kRowAe = 34;

} // namespace

class TestStatisticsWindows : public QObject {
    Q_OBJECT

    RecordedMessages m_messages;
    std::unique_ptr<ResultPanel> m_panel;

    // The user types the text into the editor and clicks the button.
    void run(const char *button, const QString &text) {
        child<QPlainTextEdit>(m_panel.get(), u"txtText"_s)->setPlainText(text);
        child<QToolButton>(m_panel.get(), QString::fromLatin1(button))->click();
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

    void emptyEditor_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("statistics") << u"picStatistics"_s;
        QTest::newRow("zentab") << u"picZentab"_s;
    }
    void emptyEditor() {
        QFETCH(QString, button);
        run(button.toLatin1().constData(), QString());
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].first, MessageKind::Information);
        QCOMPARE(m_messages.shown[0].second, u"Text box empty."_s);
        QVERIFY(!m_panel->statisticsWindow() && !m_panel->zentabWindow());
    }

    void statistics() {
        run("picStatistics", u"k\u00E6t &#712;k\u00E6t\r\nt"_s);
        StatisticsWindow *w = m_panel->statisticsWindow();
        QVERIFY(w && w->isVisible() && w->isModal());
        QCOMPARE(w->windowTitle(), u" Statistics"_s);
        QCOMPARE(value(kRowT), u"3"_s);
        QCOMPARE(value(kRowK), u"2"_s);
        QCOMPARE(value(0), u"0"_s);
        QCOMPARE(child<QLabel>(w, u"lblPhoneme%1"_s.arg(kRowAe))->text(), u"/\u00E6/"_s);
        QCOMPARE(child<QLabel>(w, u"lblShare%1"_s.arg(kRowT))->text(), u"42.9%"_s);
        QCOMPARE(child<QLabel>(w, u"lblHeading3"_s)->text(), u"Triphthongs"_s);
        const QFrame *full = child<QFrame>(w, u"picValue%1"_s.arg(kRowT));
        QCOMPARE(full->width(), twipsToPixels(900, w->logicalDpiX()));
        QCOMPARE(full->palette().color(QPalette::Window), QColor(163, 0, 0));
        QCOMPARE(child<QFrame>(w, u"picValue0"_s)->width(), 0);
        QCOMPARE(child<QProgressBar>(w, u"pgbStatistics"_s)->value(), 52);
        QVERIFY(child<QFrame>(w, u"Frame2"_s)->isHidden());

        child<QToolButton>(w, u"picCopyTable"_s)->click();
        const QStringList table = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(table.size(), 52);
        QCOMPARE(table[kRowK], u"/k/\t2\t28.6"_s);

        // Close hides; the next command counts its own text in the same window.
        child<QToolButton>(w, u"picSalir"_s)->click();
        QVERIFY(!w->isVisible());
        run("picStatistics", u"k"_s);
        QCOMPARE(m_panel->statisticsWindow(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(value(kRowK), u"1"_s);
        QCOMPARE(value(kRowT), u"0"_s);
    }

    void duplicates_data() {
        QTest::addColumn<bool>("keepSpaces");
        QTest::addColumn<QString>("ticked"); // the count of k with the box ticked
        QTest::newRow("Keep spaces: repeated word removed") << true << u"1"_s;
        QTest::newRow("no Keep spaces: the box cannot act") << false << u"2"_s;
    }
    void duplicates() {
        QFETCH(bool, keepSpaces);
        QFETCH(QString, ticked);
        child<QCheckBox>(m_panel.get(), u"chkKeepSpaces"_s)->setChecked(keepSpaces);
        run("picStatistics", u"k\u00E6t k\u00E6t"_s);
        QCOMPARE(value(kRowK), u"2"_s);
        auto *box = child<QCheckBox>(m_panel->statisticsWindow(), u"chkDeleteDuplicates"_s);
        QCOMPARE(box->isEnabled(), keepSpaces);
        QCOMPARE(box->text(), u"Remove duplicated words"_s);
        if (keepSpaces) {
            box->click();
        } else { // ticked while it could act, counted by the next command
            box->setChecked(true);
            run("picStatistics", u"k\u00E6t k\u00E6t"_s);
        }
        QCOMPARE(value(kRowK), ticked);
    }

    void clickDuringCount() {
        // The box clicked while a count runs: that count stops and the new one shows.
        child<QCheckBox>(m_panel.get(), u"chkKeepSpaces"_s)->setChecked(true);
        run("picStatistics", u"k"_s);
        auto *box = child<QCheckBox>(m_panel->statisticsWindow(), u"chkDeleteDuplicates"_s);
        QTimer::singleShot(0, box, [box] { box->click(); });
        run("picStatistics", u"k\u00E6t k\u00E6t"_s);
        QCOMPARE(value(kRowK), u"1"_s);
        QVERIFY(child<QFrame>(m_panel->statisticsWindow(), u"Frame2"_s)->isHidden());
    }

    void manyWords() {
        // 100,000 words: counts beyond 16 bits in both windows.
        const QString text = u"k\u00E6t "_s.repeated(100000);
        run("picStatistics", text);
        QCOMPARE(value(kRowK), u"100000"_s);
        run("picZentab", text);
        const QStringList lines = m_panel->zentabWindow()->report().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].split(QLatin1Char('\t'))[kRowK], u"100000"_s);
    }

    void zentab() {
        run("picZentab", u"\u00F0\u0259 k\u00E6t |\r\n&#240;&#601; d&#594;&#609;"_s);
        ZentabWindow *w = m_panel->zentabWindow();
        QVERIFY(w && w->isVisible() && !w->isModal());
        QCOMPARE(w->windowTitle(), u"Form1"_s);
        const QString expected = ZentabReport(u"\u00F0\u0259 k\u00E6t | \u00F0\u0259 d\u0252\u0261"_s);
        QCOMPARE(w->report(), expected);
        QCOMPARE(child<QPlainTextEdit>(w, u"txtStatistics"_s)->toPlainText(),
                 QString(expected).replace(u"\r\n"_s, u"\n"_s));

        // Every activation builds the report again; a failure leaves the report on show.
        int builds = 0;
        w->setReportBuilder([&](const QString &text) {
            if (++builds == 2)
                throw std::runtime_error("out of memory");
            return ZentabReport(text) + u"!"_s;
        });
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w, &activate);
        QCOMPARE(builds, 1);
        QCOMPARE(w->report(), expected + u"!"_s);
        QApplication::sendEvent(w, &activate);
        QCOMPARE(builds, 2);
        QCOMPARE(w->report(), expected + u"!"_s);
        QVERIFY(child<QPlainTextEdit>(w, u"txtStatistics"_s)->toPlainText().endsWith(u"!"_s));
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].second.contains(u"out of memory"_s));
    }

    void saveAs() {
        run("picZentab", u"k\u00E6t | d\u0252\u0261"_s);
        ZentabWindow *w = m_panel->zentabWindow();
        QTemporaryDir dir;
        QString chosen = dir.filePath(u"report.tsv"_s);
        w->setFileChooser([&](QWidget *) { return chosen; });
        child<QToolButton>(w, u"picSaveAs"_s)->click();
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString(w->report()).replace(u"\r\n"_s, u"\n"_s) + u"\n"_s);
        QVERIFY(m_messages.shown.isEmpty());

        chosen = dir.filePath(u"missing/report.tsv"_s);
        QVERIFY(!w->saveAs());
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].second.startsWith(u"The report could not be saved: "_s));
    }
};

QTEST_MAIN(TestStatisticsWindows)
#include "tst_statisticswindows.moc"

// Phoneme counting, duplicate removal, bars and shares and the Zentab report in the core;
// the Statistics and Zentab windows driven from the editor's buttons, each wiring path once,
// and the count on its worker thread giving the core's figures.

#include "statistics/statistics.h"
#include "statistics/ui/statisticswindow.h"
#include "statistics/ui/zentabwindow.h"
#include "statistics/zentab.h"
#include "testsupport.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

// The counts that are not zero, in row order, as "symbol:count" pairs.
QString nonZero(const PhonemeCounts &counts) {
    QStringList pairs;
    for (int i = 0; i < kPhonemeCount; ++i)
        if (counts[size_t(i)] != 0)
            pairs << QString::fromUtf16(kPhonemes[size_t(i)].symbol) + u':' + QString::number(counts[size_t(i)]);
    return pairs.join(u' ');
}

const int kRowK = 6, kRowT = 2;

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

    test::RecordedMessages m_messages;
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_main;

    // The user types the text into the editor and clicks the button; a count, which runs on
    // a worker thread, is waited for.
    void run(const QString &button, const QString &text) {
        if (!m_main)
            m_main = test::startMainWindow(test::fixturePath(u"engine"_s), m_dir, m_messages);
        test::child<QPlainTextEdit>(m_main.get(), u"txtText"_s)->setPlainText(text);
        test::child<QToolButton>(m_main.get(), button)->click();
        if (StatisticsWindow *w = m_main->statisticsWindow())
            QTRY_VERIFY_WITH_TIMEOUT(!w->counting(), 20000);
    }
    QString value(int row) const {
        return test::child<QLabel>(m_main->statisticsWindow(), u"lblValue%1"_s.arg(row))->text();
    }

private slots:
    void init() { m_messages = {}; }
    void cleanup() { m_main.reset(); }

    void countPhonemes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // non-zero counts in row order
        // clang-format off
        QTest::newRow("triphthong once, none of its parts") << u"aɪə"_s << u"aɪə:1"_s;
        QTest::newRow("diphthong, not its vowels") << u"eɪ"_s << u"eɪ:1"_s;
        QTest::newRow("affricates, not their parts") << u"tʃɪdʒ"_s << u"tʃ:1 dʒ:1 ɪ:1"_s;
        QTest::newRow("ligatures count nothing") << u"ʧ ʤ"_s << QString();
        QTest::newRow("long vowels, not i or u") << u"iː i uː ɑː"_s << u"iː:1 i:1 uː:1 ɑː:1"_s;
        QTest::newRow("upper case, longest first too") << u"TƩ KÆT"_s << u"t:1 tʃ:1 k:1 æ:1"_s;
        QTest::newRow("overlapping triphthongs, the rest counted on") << u"əʊəʊə"_s << u"ʊə:1 əʊə:2"_s;
        // clang-format on
    }
    void countPhonemes() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(nonZero(vocalith::countPhonemes(text).value()), expected);
    }

    // Progress and stop, counts beyond 16 bits.
    void countingDetails() {
        QList<int> steps;
        QVERIFY(vocalith::countPhonemes(u"k"_s, [&](int n) { return steps << n, true; }));
        QCOMPARE(steps.size(), kPhonemeCount);
        QCOMPARE(steps.back(), kPhonemeCount);
        QVERIFY(!ComputeStatistics(u"k"_s, [](int n) { return n < 3; }));
        const QString text = u"kæt "_s.repeated(100000);
        QCOMPARE(ComputeStatistics(text)->rows[kRowK].count, 100000);
        QCOMPARE(zentabReport(text).section(u"\r\n"_s, 1).section(u'\t', kRowT, kRowT), u"100000"_s);
    }

    void removeDuplicateWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("a repeated word") << "the cat the dog the" << "the cat dog";
        QTest::newRow("never the end of another word") << "cat concat" << "cat concat";
        QTest::newRow("runs of delimiters stay") << "a  b  a " << "a  b  ";
        // clang-format on
    }
    void removeDuplicateWords() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RemoveDuplicateWords(text, u' '), expected);
    }

    // Row 0 counts `count` and row 1 `largest`: row 0's bar width, colour and share.
    void bars_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("largest");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("nothing counted")              << 0 << 0  << "0 ffc0c0 0.0";
        QTest::newRow("zero beside a count")          << 0 << 5  << "0 ffc0c0 0.0";
        QTest::newRow("the largest")                  << 5 << 5  << "900 a30000 50.0";
        QTest::newRow("halves to even: 112.5, 243.5") << 1 << 8  << "112 f4a8a8 11.1";
        QTest::newRow("halves to even: 337.5, 220.5") << 3 << 8  << "338 dc7878 27.3";
        QTest::newRow("share halves to even: 6.25")   << 1 << 15 << "60 f9b3b3 6.2";
        // clang-format on
    }
    void bars() {
        QFETCH(int, count);
        QFETCH(int, largest);
        QFETCH(QString, expected);
        const PhonemeStatistics row = statisticsOf(PhonemeCounts{count, largest}).rows[0];
        QCOMPARE(u"%1 %2 %3"_s.arg(row.barWidth).arg(row.barColour, 0, 16).arg(shareText(row.perMille)), expected);
    }

    void zentab_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows"); // the non-zero counts of each line after the header
        // clang-format off
        QTest::newRow("two sections") << u"ðə kæt | ðə dɒɡ"_s << QStringList{u"t:1 k:1 ð:1 ə:1 æ:1"_s, u"d:1 ɡ:1 ð:1 ə:1 ɒ:1"_s};
        QTest::newRow("bars and spaces only: header alone") << " | |  || " << QStringList{};
        QTest::newRow("empty sections give no line") << u"|k||  |t|"_s << QStringList{u"k:1"_s, u"t:1"_s};
        QTest::newRow("no phoneme: a line of zeros") << "x | 1" << QStringList{"", ""};
        // clang-format on
    }
    void zentab() {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        const QStringList lines = zentabReport(text).split(u"\r\n"_s);
        QVERIFY(lines.front().startsWith(u"p\tb\tt\td\ttʃ\tdʒ\tk\t"_s));
        QVERIFY(lines.front().endsWith(u"\toʊə\taʊə"_s) && lines.front().count(u'\t') == 51);
        QCOMPARE(lines.size(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = lines[r + 1].split(u'\t');
            QCOMPARE(cells.size(), kPhonemeCount);
            PhonemeCounts counts{};
            for (int i = 0; i < kPhonemeCount; ++i)
                counts[size_t(i)] = cells[i].toLongLong();
            QCOMPARE(nonZero(counts), rows[r]);
        }
    }

    void statisticsWindow() {
        run(u"picZentab"_s, {}); // nothing to count: a message, no window
        run(u"picStatistics"_s, {});
        QCOMPARE(m_messages.shown, QStringList({u"Text box empty."_s, u"Text box empty."_s}));
        QVERIFY(!m_main->statisticsWindow() && !m_main->zentabWindow());
        run(u"picStatistics"_s, u"kæt &#712;kæt\r\nt"_s);
        StatisticsWindow *w = m_main->statisticsWindow();
        QVERIFY(w->isVisible() && w->isModal());
        QCOMPARE(value(kRowT), u"3"_s);
        QCOMPARE(test::child<QLabel>(w, u"lblShare%1"_s.arg(kRowT))->text(), u"42.9%"_s);
        const QWidget *bar = test::child<QWidget>(w, u"picValue%1"_s.arg(kRowT));
        QCOMPARE(bar->width(), twipsToPixels(900, w->logicalDpiX()));
        QCOMPARE(bar->palette().color(QPalette::Window), QColor(163, 0, 0));
        QVERIFY(test::child<QWidget>(w, u"Frame2"_s)->isHidden());
        test::child<QToolButton>(w, u"picCopyTable"_s)->click();
        const QStringList table = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(table.size(), kPhonemeCount);
        QCOMPARE(table[kRowK], u"/k/\t2\t28.6"_s);

        // Close hides; the next command counts its own text in the same window.
        test::child<QToolButton>(w, u"picSalir"_s)->click();
        QVERIFY(!w->isVisible());
        run(u"picStatistics"_s, u"k"_s);
        QCOMPARE(m_main->statisticsWindow(), w);
        QCOMPARE(value(kRowT), u"0"_s);
    }

    void duplicates() {
        // The box acts only while Keep spaces is ticked.
        run(u"picStatistics"_s, u"k"_s);
        auto *keepSpaces = test::child<QCheckBox>(m_main.get(), u"chkKeepSpaces"_s);
        keepSpaces->setChecked(false);
        run(u"picStatistics"_s, u"kæt kæt"_s);
        auto *box = test::child<QCheckBox>(m_main->statisticsWindow(), u"chkDeleteDuplicates"_s);
        QVERIFY(!box->isEnabled());
        box->setChecked(true);
        run(u"picStatistics"_s, u"kæt kæt"_s);
        QCOMPARE(value(kRowK), u"2"_s);
        keepSpaces->setChecked(true);
        run(u"picStatistics"_s, u"kæt kæt"_s);
        QCOMPARE(value(kRowK), u"1"_s);
        // A click while a count runs: that count stops and the new one shows.
        QTimer::singleShot(0, box, [box] { box->click(); });
        run(u"picStatistics"_s, u"kæt kæt"_s);
        QCOMPARE(value(kRowK), u"2"_s);
    }

    // The count on its worker thread gives the core's figures, on a text long enough for the
    // progress bar to follow it, with and without repeated words.
    void countOnTheWorker_data() {
        QTest::addColumn<bool>("removeDuplicates");
        QTest::newRow("every word") << false;
        QTest::newRow("repeated words removed") << true;
    }
    void countOnTheWorker() {
        QFETCH(bool, removeDuplicates);
        QString editor;
        for (int i = 0; i < 100000; ++i)
            editor += u"ˈkæt.ɪŋ ðə dɒɡ%1 | "_s.arg(i % 1000);
        run(u"picStatistics"_s, u"k"_s);
        test::child<QCheckBox>(m_main->statisticsWindow(), u"chkDeleteDuplicates"_s)->setChecked(removeDuplicates);
        run(u"picStatistics"_s, editor);
        QString counted = analysedText(editor);
        if (removeDuplicates)
            counted = RemoveDuplicateWords(counted, u' ');
        const Statistics expected = ComputeStatistics(counted).value();
        const std::optional<Statistics> &shown = m_main->statisticsWindow()->statistics();
        QVERIFY(shown);
        for (int i = 0; i < kPhonemeCount; ++i) {
            QCOMPARE(shown->rows[size_t(i)].count, expected.rows[size_t(i)].count);
            QCOMPARE(value(i), QString::number(expected.rows[size_t(i)].count));
        }
    }

    void zentabWindow() {
        run(u"picZentab"_s, u"kæt |\r\n&#240;&#601;"_s);
        ZentabWindow *w = m_main->zentabWindow();
        QVERIFY(w->isVisible() && !w->isModal());
        const QString report = zentabReport(u"kæt | ðə"_s);
        QCOMPARE(w->report(), report);
        QCOMPARE(test::child<QPlainTextEdit>(w, u"txtStatistics"_s)->toPlainText(), QString(report).remove(u'\r'));

        // Every activation builds the report again; a failure leaves the report on show.
        int builds = 0;
        w->setReportBuilder([&](const QString &text) {
            if (++builds == 2)
                throw std::runtime_error("out of memory");
            return zentabReport(text) + u"!"_s;
        });
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w, &activate);
        QApplication::sendEvent(w, &activate);
        QCOMPARE(builds, 2);
        QVERIFY(test::child<QPlainTextEdit>(w, u"txtStatistics"_s)->toPlainText().endsWith(u'!'));
        QCOMPARE(m_messages.shown, QStringList{u"The report could not be built: out of memory"_s});

        // Save as: the report with LF line ends; a file that cannot be written says so.
        QTemporaryDir dir;
        QString chosen = dir.filePath(u"report.tsv"_s);
        w->setFileChooser([&](QWidget *) { return chosen; });
        test::child<QToolButton>(w, u"picSaveAs"_s)->click();
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString(w->report()).remove(u'\r') + u'\n');
        chosen = dir.filePath(u"missing/report.tsv"_s);
        QVERIFY(!w->saveAs());
        QVERIFY(m_messages.shown.value(1).startsWith(u"The report could not be saved: "_s));
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"

// The main window transcribing a long text offscreen, as a user runs it: the time from a
// click on Transcribe to the result shown in the editor, after one run that warms the
// caches up. With --stop, how long a click on Stop takes to end a run (the partial
// transcription shown and the buttons back), measured from the moment the click was due.
// With --long, one run of a long text as the event loop sees it: the longest time it was
// blocked from the click to the result shown (a 5 ms timer's largest gap), the time to the
// result, and the process's peak memory before the click and at the end; --long-lines is
// the same with "Remove CRs" unticked, so that the editor shows the text's lines.
//   window-bench LEXICON TEXTFILE RUNS [--stop | --long | --long-lines]
// Without an option, the output is the time of each run in seconds, one per line.

#include "app/ui/mainwindow.h"
#include "widgets/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

using namespace vocalith;

namespace {

// Messages go to standard error: a benchmark has nobody to answer a box.
struct PrintedMessages : MessageBoxes {
    void show(QWidget *, MessageKind, const QString &text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

// The process's peak resident memory so far (VmHWM), in megabytes.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// Runs the event loop for a while: until the window has painted what is pending.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: window-bench LEXICON TEXTFILE RUNS [--stop | --long | --long-lines]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[3]));
    const bool stopping = argc > 4 && std::strcmp(argv[4], "--stop") == 0;
    const bool keepLines = argc > 4 && std::strcmp(argv[4], "--long-lines") == 0;
    const bool longRun = keepLines || (argc > 4 && std::strcmp(argv[4], "--long") == 0);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "window-bench: cannot read %s\n", argv[2]);
        return 2;
    }
    QString text = QString::fromUtf8(file.readAll());
    file.close();

    QTemporaryDir dir;
    PrintedMessages messages;
    const StartupPaths paths{QString::fromLocal8Bit(argv[1]), dir.filePath(QStringLiteral("ContributionDB.sqlite")),
                             dir.filePath(QStringLiteral("vocalith.xml")), QString()};
    MainWindow window(paths, messages, QFontDatabase::families());
    if (!window.startUp())
        return 3;
    window.resize(1600, 1000);
    window.show();
    auto *words = window.findChild<QPlainTextEdit *>(QStringLiteral("txtWords"));
    auto *go = window.findChild<QAbstractButton *>(QStringLiteral("picGo"));
    auto *stop = window.findChild<QAbstractButton *>(QStringLiteral("picStop"));
    words->setPlainText(text);
    if (!stopping)
        text.clear(); // the box has it
    settle();

    // A run clicked from the event loop, which a timer of `interval` ms watches; `tick`
    // sees each of its turns. The run ends at the first turn after its result is in the
    // editor, so that the result has been painted. Returns the time to then, in ns.
    QElapsedTimer clock;
    auto runFromLoop = [&](int interval, const std::function<void(qint64 now)> &tick) {
        QEventLoop loop;
        qint64 endedNs = -1;
        bool clicked = false;
        QTimer watch;
        watch.setInterval(interval);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            tick(now);
            if (!clicked || window.transcribing())
                return;
            endedNs = now;
            loop.quit();
        });
        QTimer::singleShot(0, [&] {
            clock.start();
            clicked = true;
            go->click();
        });
        watch.start();
        loop.exec();
        return endedNs;
    };

    if (longRun) {
        if (keepLines)
            window.findChild<QCheckBox *>(QStringLiteral("chkRemoveCRs"))->click();
        const double before = peakMegabytes();
        qint64 last = 0, largest = 0;
        const qint64 endedNs = runFromLoop(5, [&](qint64 now) {
            largest = std::max(largest, now - last);
            last = now;
        });
        std::printf("%.1f %.3f %.0f %.0f %lld\n", largest / 1e6, endedNs / 1e9, before, peakMegabytes(),
                    static_cast<long long>(window.storedTranscription().size()));
        return 0;
    }

    auto run = [&] { return runFromLoop(1, [](qint64) {}) / 1e6; };
    run();
    const qsizetype whole = window.storedTranscription().size();
    if (!stopping) {
        for (int k = 0; k < runs; ++k)
            std::printf("%.6f\n", run() / 1000);
        return 0;
    }

    // Stop clicked during a run, `after` ms after its first progress on the screen (plus 8 ms
    // more on each next run, to spread the moments). The run ends at the next segment and
    // shows what it has done. Measured from the moment the click was due: until the click
    // is made (the event loop's delay), and until the run has ended with the partial
    // transcription shown. A run may end before the click.
    struct Answer {
        double seen, ended; // seen < 0: the run ended first
        qsizetype stored;
    };
    auto stopAnswers = [&](int after) {
        std::vector<Answer> answers;
        for (int k = 0; k < runs; ++k) {
            qint64 dueNs = -1, seenNs = -1;
            const qint64 endNs = runFromLoop(0, [&](qint64 now) {
                if (dueNs < 0 && stop->isVisible())
                    dueNs = now + qint64(after + 8 * k) * 1000000;
                if (seenNs < 0 && dueNs >= 0 && now >= dueNs && window.transcribing()) {
                    seenNs = now;
                    stop->click();
                }
            });
            answers.push_back({seenNs < 0 ? -1.0 : (seenNs - dueNs) / 1e6, (endNs - dueNs) / 1e6,
                               window.storedTranscription().size()});
        }
        return answers;
    };
    auto report = [&](const char *what, int after, std::vector<Answer> answers) {
        auto byEnd = [](const Answer &a, const Answer &b) { return a.ended < b.ended; };
        std::sort(answers.begin(), answers.end(), byEnd);
        double seenWorst = 0;
        int seen = 0;
        for (const Answer &a : answers)
            if (a.seen >= 0) {
                seenWorst = std::max(seenWorst, a.seen);
                ++seen;
            }
        const Answer &mid = answers[answers.size() / 2];
        std::printf("stop in %s, due %d to %d ms after the first progress: clicked in %d of %d runs, within "
                    "%.1f ms; run ended %.1f ms after (median, worst %.1f ms), %lld of %lld characters stored\n",
                    what, after, after + 8 * (runs - 1), seen, runs, seenWorst, mid.ended, answers.back().ended,
                    static_cast<long long>(mid.stored), static_cast<long long>(what[0] == 'a' ? whole : 10 * whole));
    };
    report("a run of the text", 5, stopAnswers(5));
    words->setPlainText(text.repeated(10));
    settle();
    report("the text ten times over", 100, stopAnswers(100));
    return 0;
}

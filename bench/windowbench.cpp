// The main window transcribing a long text offscreen, as a user runs it: the time from a
// click on Transcribe to the result shown in the editor, after one run that warms the
// caches up. With --stop, how long a click on Stop takes to end a run (the partial
// transcription shown and the buttons back), measured from the moment the click was due.
//   window-bench LEXICON TEXTFILE RUNS [--stop]
// Without --stop, the output is the time of each run in seconds, one per line.

#include "app/ui/mainwindow.h"
#include "widgets/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace vocalith;

namespace {

// Messages go to standard error: a benchmark has nobody to answer a box.
struct PrintedMessages : MessageBoxes {
    void show(QWidget *, MessageKind, const QString &text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: window-bench LEXICON TEXTFILE RUNS [--stop]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[3]));
    const bool stopping = argc > 4 && std::strcmp(argv[4], "--stop") == 0;
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "window-bench: cannot read %s\n", argv[2]);
        return 2;
    }
    const QString text = QString::fromUtf8(file.readAll());

    QTemporaryDir dir;
    PrintedMessages messages;
    const StartupPaths paths{QString::fromLocal8Bit(argv[1]), dir.filePath(QStringLiteral("ContributionDB.sqlite")),
                             dir.filePath(QStringLiteral("vocalith.xml")), QString()};
    MainWindow window(paths, messages, QFontDatabase::families());
    if (!window.startUp())
        return 3;
    window.resize(1600, 1000);
    window.show();
    QApplication::processEvents();
    auto *words = window.findChild<QPlainTextEdit *>(QStringLiteral("txtWords"));
    auto *go = window.findChild<QAbstractButton *>(QStringLiteral("picGo"));
    auto *stop = window.findChild<QAbstractButton *>(QStringLiteral("picStop"));
    words->setPlainText(text);
    QApplication::processEvents();

    QElapsedTimer clock;
    // One run: the time from the click to the result painted, in milliseconds.
    auto run = [&] {
        clock.start();
        go->click();
        QApplication::processEvents();
        return clock.nsecsElapsed() / 1e6;
    };
    run();
    const qsizetype whole = window.storedTranscription().size();
    if (!stopping) {
        for (int k = 0; k < runs; ++k)
            std::printf("%.6f\n", run() / 1000);
        return 0;
    }

    // Stop clicked during a run, the click due `after` ms after the run's first progress
    // (from then on the loop runs). Like a real click it waits for the run's next look at
    // its events (the runs spread the moments over the update interval); the run then ends
    // at the next segment and shows what it has done. Measured from the moment the click
    // was due: until the click is seen, and until the run has ended with the partial
    // transcription shown. A run may end before it sees the click.
    struct Answer {
        double seen, ended; // seen < 0: the run ended first
        qsizetype stored;
    };
    auto stopAnswers = [&](int after) {
        std::vector<Answer> answers;
        for (int k = 0; k < runs; ++k) {
            qint64 dueNs = -1, seenNs = -1;
            QTimer poll;
            poll.setInterval(0);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (!window.transcribing())
                    return;
                if (dueNs < 0) {
                    dueNs = clock.nsecsElapsed() + qint64(after + 8 * k) * 1000000;
                } else if (clock.nsecsElapsed() >= dueNs) {
                    seenNs = clock.nsecsElapsed();
                    stop->click();
                    poll.stop();
                }
            });
            poll.start();
            clock.start();
            go->click();
            const qint64 endNs = clock.nsecsElapsed();
            answers.push_back({seenNs < 0 ? -1.0 : (seenNs - dueNs) / 1e6, (endNs - dueNs) / 1e6,
                               window.storedTranscription().size()});
            QApplication::processEvents();
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
        std::printf("stop in %s, due %d to %d ms after the first progress: seen in %d of %d runs, within "
                    "%.1f ms; run ended %.1f ms after (median, worst %.1f ms), %lld of %lld characters stored\n",
                    what, after, after + 8 * (runs - 1), seen, runs, seenWorst, mid.ended, answers.back().ended,
                    static_cast<long long>(mid.stored), static_cast<long long>(what[0] == 'a' ? whole : 10 * whole));
    };
    report("a run of the text", 5, stopAnswers(5));
    words->setPlainText(text.repeated(10));
    QApplication::processEvents();
    report("the text ten times over", 100, stopAnswers(100));
    return 0;
}

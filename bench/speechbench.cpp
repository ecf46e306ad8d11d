// Listen's core on a long transcription: the time from the call to the first block of
// samples (what a player hands to the audio output first), the time to cut the text into
// phrases, and how much faster than real time the phrases are made. Then the round trip of
// a sample of the lexicon's words in each accent: the share espeak-ng says as written, and
// the misses. Medians of five runs.
//   speech-bench LEXICON TRANSCRIPTION-FILE [WORDS]

#include "engine/lexicon/schema.h"
#include "pronunciation/speechcheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>

using namespace vocalith;
using namespace vocalith::pronunciation;

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    auto db = argc >= 3 ? Connection::openReadOnly(argv[1], schema::lexiconRequiredTables()) : nullptr;
    QFile file(argc >= 3 ? argv[2] : "");
    if (!db || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: speech-bench LEXICON TRANSCRIPTION-FILE [WORDS]\n");
        return 2;
    }
    const int sample = argc >= 4 ? std::atoi(argv[3]) : 1000;
    const QString text = QString::fromUtf8(file.readAll());
    if (speechSampleRate() == 0) {
        std::fprintf(stderr, "speech-bench: espeak-ng cannot start\n");
        return 1;
    }

    std::vector<double> firstAudio, cutting, realTime;
    QElapsedTimer timer;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        const qsizetype phrases = speechPhrases(text).size();
        cutting.push_back(double(timer.nsecsElapsed()) / 1e6);

        // Until the first block, then the rest of ten phrases for the speed.
        qint64 first = -1;
        qsizetype samples = 0;
        int started = 0;
        SpeechCallbacks callbacks;
        callbacks.samples = [&](std::span<const std::int16_t> block) {
            if (first < 0)
                first = timer.nsecsElapsed();
            samples += qsizetype(block.size());
            return true;
        };
        callbacks.phraseStarted = [&](int) { ++started; };
        callbacks.stopRequested = [&] { return started > 10; };
        timer.start();
        speak(text, SpeechOptions{}, callbacks);
        const double made = double(timer.nsecsElapsed()) / 1e9;
        firstAudio.push_back(double(first) / 1e6);
        realTime.push_back(double(samples) / speechSampleRate() / made);
        if (run == 0)
            std::printf("text: %lld characters, %lld phrases\n", static_cast<long long>(text.size()),
                        static_cast<long long>(phrases));
    }
    std::printf("cutting the text into phrases: %.1f ms\n", median(cutting));
    std::printf("from the call to the first block of samples: %.1f ms\n", median(firstAudio));
    std::printf("speech made %.0f times faster than it is spoken\n", median(realTime));

    for (const Accent accent : {Accent::BrE, Accent::AmE}) {
        test::RoundTrip result;
        for (const QString &word : test::sampleTranscriptions(*db, accent, sample, 25))
            test::checkSpoken(word, accent, result);
        std::printf("%s: %d of %d words spoken as written (%.2f %%)\n", qPrintable(accentCode(accent)), result.same,
                    result.words, result.share());
        for (const QString &miss : result.misses)
            std::printf("  %s\n", qPrintable(miss));
    }
    return 0;
}

// speak: a transcription on standard input spoken by espeak-ng into a WAV file.

#include "storage/files.h"
#include "cli/cli.h"
#include "pronunciation/speech.h"
#include "statistics/statistics.h"

#include <vector>

namespace vocalith::cli {

using namespace pronunciation;

int speakCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption wav(QStringLiteral("wav"), QStringLiteral("The WAV file to write"),
                                 QStringLiteral("FILE"));
    const QCommandLineOption rate(QStringLiteral("rate"), QStringLiteral("Words a minute"), QStringLiteral("N"));
    parser.addOptions({wav, rate});
    parseOptions(parser, QStringLiteral("speak"), args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("speak reads its text from standard input")};
    const QString path = parser.value(wav);
    if (path.isEmpty())
        throw UsageError{QStringLiteral("speak needs --wav FILE")};
    int wordsPerMinute = kDefaultSpeechRate;
    if (parser.isSet(rate)) {
        bool ok = false;
        wordsPerMinute = parser.value(rate).toInt(&ok);
        if (!ok || wordsPerMinute != clampSpeechRate(wordsPerMinute))
            throw UsageError{QStringLiteral("--rate takes words a minute from %1 to %2, not \"%3\"")
                                 .arg(kMinSpeechRate)
                                 .arg(kMaxSpeechRate)
                                 .arg(parser.value(rate))};
    }
    const QString text = toBoxText(context.readAllText());
    if (text.trimmed().isEmpty()) {
        context.writeErr(statistics::kTextBoxEmpty + QLatin1Char('\n'));
        return kRefused;
    }
    std::vector<std::int16_t> samples;
    SpeechCallbacks callbacks;
    callbacks.samples = [&](std::span<const std::int16_t> block) {
        samples.insert(samples.end(), block.begin(), block.end());
        return true;
    };
    const SpeechReport report = speak(text, SpeechOptions{context.accent, wordsPerMinute}, callbacks);
    if (report.status == SpeechReport::Status::Unavailable) {
        context.writeErr(QStringLiteral("vocalith-cli: %1\n").arg(report.error));
        return kRefused;
    }
    if (!report.skipped.isEmpty())
        context.writeErr(notSpokenNote(report.skipped) + QLatin1Char('\n'));
    if (report.phrases == 0) {
        context.writeErr(kNothingToSpeak + QLatin1Char('\n'));
        return kRefused;
    }
    QString error;
    if (!writeFileAtomically(path, wavFile(samples, speechSampleRate()), &error))
        throw OutputError{QStringLiteral("%1: %2").arg(path, error)};
    return kDone;
}

} // namespace vocalith::cli

// The transcription driver on any text, on the engine's fixture lexicon (VOCALITH_FIXTURES
// names its folder; the build's fixtures by default). The text is also given line by line
// to the piecewise transcriber, which must give the same stored transcription. The first
// byte chooses the accent (bit 0), whether unknown words are guessed (bit 1, with a guess
// made from the word's letters) and the piece size (the rest).

#include "engine/driver.h"
#include "engine/lexicon/schema.h"
#include "fuzz.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

using namespace vocalith;

namespace {
Lexicon *lexicon = nullptr;

// A guess that depends on the word alone, as espeak-ng's does; none for some words.
OptText fakeGuess(const QString &word, Accent) {
    if (word.size() % 3 == 0)
        return std::nullopt;
    QString t = word;
    std::reverse(t.begin(), t.end());
    return t.size() % 3 == 1 ? t + QStringLiteral("(r)") : t;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication app(*argc, *argv);
    const QString folder = qEnvironmentVariable("VOCALITH_FIXTURES", QStringLiteral(VOCALITH_FUZZ_FIXTURES));
    static auto connection = Connection::openReadOnly(QDir(folder).filePath(QStringLiteral("engine.sqlite")),
                                                      schema::lexiconRequiredTables());
    if (!connection) {
        std::fprintf(stderr, "fuzz_transcribe: no fixture lexicon engine.sqlite in %s\n", qPrintable(folder));
        std::exit(1);
    }
    static Lexicon opened(*connection);
    lexicon = &opened;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const Accent accent = data[0] & 1 ? Accent::AmE : Accent::BrE;
    const TranscribeOptions options{data[0] & 2 ? Guesser(fakeGuess) : Guesser()};
    const qsizetype piece = 1 + (data[0] >> 2);
    const QString text = fuzz::utf8(data + 1, size - 1);
    const QString whole = Transcribe(text, accent, *lexicon, {}, options).value_or(QString());

    PiecewiseTranscriber transcriber(accent, *lexicon, piece, options);
    QString pieces;
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        pieces += transcriber.addLine(line);
    pieces += transcriber.finish();
    fuzz::check(pieces == whole, "transcribed line by line as a whole", text);
    return 0;
}

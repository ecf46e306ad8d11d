// The transcription driver on any text, on the engine's fixture lexicon (VOCALITH_FIXTURES
// names its folder; the build's fixtures by default). The text is also given line by line
// to the piecewise transcriber, which must give the same stored transcription.

#include "engine/driver.h"
#include "engine/lexicon/schema.h"
#include "fuzz.h"

#include <QCoreApplication>
#include <QDir>

using namespace vocalith;

namespace {
Lexicon *lexicon = nullptr;
}

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
    const qsizetype piece = 1 + (data[0] >> 1);
    const QString text = fuzz::utf8(data + 1, size - 1);
    const QString whole = Transcribe(text, accent, *lexicon).value_or(QString());

    PiecewiseTranscriber transcriber(accent, *lexicon, piece);
    QString pieces;
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        pieces += transcriber.addLine(line);
    pieces += transcriber.finish();
    fuzz::check(pieces == whole, "transcribed line by line as a whole", text);
    return 0;
}

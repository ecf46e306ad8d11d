// stats and zentab: the phoneme counts of a transcription on standard input.

#include "cli/cli.h"
#include "statistics/statistics.h"
#include "statistics/zentab.h"

namespace vocalith::cli {
namespace {

// Standard input as the editor's text, turned into the text the statistics count. An
// empty editor is refused as the program refuses it.
std::optional<QString> readAnalysedText(Context &context) {
    const QString text = toBoxText(context.readAllText());
    if (text.isEmpty()) {
        context.writeErr(statistics::kTextBoxEmpty + QLatin1Char('\n'));
        return std::nullopt;
    }
    return analysedText(text);
}

} // namespace

int statsCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption unique(QStringLiteral("unique"), QStringLiteral("Remove duplicated words"));
    parser.addOption(unique);
    parseOptions(parser, QStringLiteral("stats"), args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("stats reads its text from standard input")};
    auto text = readAnalysedText(context);
    if (!text)
        return kRefused;
    if (parser.isSet(unique))
        *text = RemoveDuplicateWords(*text, QLatin1Char(' '));
    const PhonemeCounts counts = *countPhonemes(*text);
    QString out;
    for (int i = 0; i < kPhonemeCount; ++i)
        out += rowCaption(i) + QLatin1Char('\t') + QString::number(counts[size_t(i)]) + QLatin1Char('\n');
    context.write(out);
    return kDone;
}

int zentabCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    parseOptions(parser, QStringLiteral("zentab"), args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("zentab reads its text from standard input")};
    const auto text = readAnalysedText(context);
    if (!text)
        return kRefused;
    context.write(fromBoxText(zentabReport(*text)) + QLatin1Char('\n'));
    return kDone;
}

} // namespace vocalith::cli

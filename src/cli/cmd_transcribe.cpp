// transcribe, render and number: the transcription engine from a terminal.

#include "app/settings.h"
#include "cli/cli.h"
#include "contributions/contributionstore.h"
#include "engine/driver.h"
#include "engine/numbers.h"
#include "engine/render.h"
#include "pronunciation/guess.h"

#include <QFileInfo>

namespace vocalith::cli {
namespace {

const QCommandLineOption kSettingsOption(QStringLiteral("settings"), QStringLiteral("Settings file"),
                                         QStringLiteral("FILE"));
const QCommandLineOption kSetOption(QStringLiteral("set"), QStringLiteral("Display option"),
                                    QStringLiteral("KEY=true|false"));

// Display options: the program's defaults, or the editor element of a settings file,
// then each --set in order.
RenderOptions displayOptions(const QCommandLineParser &parser) {
    Settings settings;
    if (parser.isSet(kSettingsOption)) {
        const QString file = parser.value(kSettingsOption);
        if (!QFileInfo(file).isFile())
            throw UsageError{QStringLiteral("cannot read settings file \"%1\"").arg(file)};
        if (!LoadSettings(file, {}, settings))
            throw UsageError{QStringLiteral("settings file \"%1\" is not a settings document").arg(file)};
    }
    RenderOptions options = settings.editor;
    for (const QString &assignment : parser.values(kSetOption)) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        const RenderOptionInfo *info = eq < 0 ? nullptr : findRenderOption(assignment.left(eq));
        const QString value = eq < 0 ? QString() : assignment.mid(eq + 1);
        if (!info || (value != QLatin1String("true") && value != QLatin1String("false")))
            throw UsageError{
                QStringLiteral("--set takes KEY=true|false with a display option key, not \"%1\"").arg(assignment)};
        options.*info->member = value == QLatin1String("true");
    }
    return options;
}

void printRendered(Context &context, const QString &stored, const RenderOptions &options, Accent accent) {
    if (const auto shown = RenderTranscription(stored, options, accent))
        context.write(fromBoxText(*shown) + QLatin1Char('\n'));
}

} // namespace

int transcribeCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption raw(QStringLiteral("raw"), QStringLiteral("Print the stored transcription"));
    const QCommandLineOption useContributions(QStringLiteral("use-contributions"),
                                              QStringLiteral("The user's words before the word list"));
    const QCommandLineOption guess(QStringLiteral("guess"), QStringLiteral("Guess unknown words"));
    parser.addOptions({raw, useContributions, guess, kSettingsOption, kSetOption});
    parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("Text to transcribe"));
    parseOptions(parser, QStringLiteral("transcribe"), args);
    const RenderOptions options = displayOptions(parser);
    Lexicon &lexicon = context.lexicon();
    if (parser.isSet(useContributions))
        lexicon.setWordOverlay(contributions::ContributionStore(context.contributions()).overlay());
    TranscribeOptions transcribeOptions;
    if (parser.isSet(guess))
        transcribeOptions.guess = pronunciation::guessTranscription;

    if (!parser.positionalArguments().isEmpty()) {
        const auto stored = Transcribe(toBoxText(parser.positionalArguments().join(QLatin1Char(' '))), context.accent,
                                       lexicon, {}, transcribeOptions);
        if (!stored)
            return kDone;
        if (parser.isSet(raw)) {
            if (!stored->isEmpty())
                context.write(fromBoxText(*stored) + QLatin1Char('\n'));
        } else {
            printRendered(context, *stored, options, context.accent);
        }
        return kDone;
    }

    // Standard input a few lines at a time, each piece written as soon as it is done: the
    // bytes are those of the whole text transcribed at once.
    PiecewiseTranscriber transcriber(context.accent, lexicon, PiecewiseTranscriber::kPieceSize, transcribeOptions);
    std::optional<PiecewiseRenderer> renderer;
    if (!parser.isSet(raw))
        renderer.emplace(options, context.accent);
    bool written = false;
    auto writeStored = [&](const QString &stored) {
        if (renderer) {
            context.writeBoxText(renderer->add(stored));
        } else if (!stored.isEmpty()) {
            context.writeBoxText(stored);
            written = true;
        }
    };
    QStringList lines;
    while (context.readLines(lines))
        for (const QString &line : lines)
            writeStored(transcriber.addLine(line));
    writeStored(transcriber.finish());
    if (renderer) {
        const auto rest = renderer->finish();
        written = rest.has_value();
        if (rest)
            context.writeBoxText(*rest);
    }
    context.finishBoxText();
    if (written)
        context.write(QByteArray("\n"));
    return kDone;
}

int renderCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    parser.addOptions({kSettingsOption, kSetOption});
    parseOptions(parser, QStringLiteral("render"), args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("render reads the stored transcription from standard input")};
    const RenderOptions options = displayOptions(parser);
    // Standard input a few lines at a time, as transcribe reads it.
    PiecewiseRenderer renderer(options, context.accent);
    bool firstLine = true;
    QStringList lines;
    while (context.readLines(lines)) {
        for (const QString &line : lines) {
            context.writeBoxText(renderer.add(firstLine ? line : kCrLf + line));
            firstLine = false;
        }
    }
    if (const auto rest = renderer.finish()) {
        context.writeBoxText(*rest);
        context.finishBoxText();
        context.write(QByteArray("\n"));
    }
    return kDone;
}

int numberCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption amount(QStringLiteral("amount"), QStringLiteral("Currency symbol"),
                                    QStringLiteral("SYMBOL"));
    parser.addOption(amount);
    parser.addPositionalArgument(QStringLiteral("NUMBER"), QStringLiteral("The number"));
    parseOptions(parser, QStringLiteral("number"), args);
    if (parser.positionalArguments().size() != 1)
        throw UsageError{QStringLiteral("number takes one NUMBER")};
    const QString number = parser.positionalArguments().front();
    const NumberWords words = parser.isSet(amount) ? amountWords(number, parser.value(amount), context.accent)
                                                   : numberWords(number, context.accent);
    // The refusals stay on standard output, where callers read them; the status says that
    // they are no number's words.
    context.write(words.text() + QLatin1Char('\n'));
    return words.status == NumberWords::Status::Spelled ? kDone : kRefused;
}

} // namespace vocalith::cli

// rhymes and sound: the rhyme finder from a terminal. The rows go to standard output, the
// texts of the phonetics box and of the count label to standard error.

#include "cli/cli.h"
#include "rhymes/rhymes.h"

namespace vocalith::cli {
namespace {

// The one positional argument of a command.
QString onlyArgument(const QCommandLineParser &parser, const QString &command, const QString &name) {
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1)
        throw UsageError{
            QStringLiteral("%1 takes one %2 (quote it when it holds spaces or wildcards)").arg(command, name)};
    return args.first();
}

int print(Context &context, const SearchResult &result) {
    // A pattern that is not searched: the reason on stderr, as the panel shows it.
    if (result.outcome == SearchOutcome::Refused) {
        context.writeErr(result.countLabel.value_or(QString()) + QLatin1Char('\n'));
        return kRefused;
    }
    QString rows;
    for (const RhymeRow &row : result.rows)
        rows += row.word + QLatin1Char('\t') + row.transcription + QLatin1Char('\n');
    context.write(rows);
    if (result.phonetics && !result.phonetics->isEmpty())
        context.writeErr(*result.phonetics + QLatin1Char('\n'));
    // An argument that is empty or only spaces reads like an empty box: nothing to search.
    context.writeErr(result.countLabel.value_or(rhymes::kNoWordsFound) + QLatin1Char('\n'));
    return kDone;
}

} // namespace

int rhymesCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption typeOption(QStringLiteral("type"), QStringLiteral("Type of rhyme"),
                                        QStringLiteral("perfect|assonance|alliteration"), QStringLiteral("perfect"));
    parser.addOption(typeOption);
    parseOptions(parser, QStringLiteral("rhymes"), args);
    const QString typeName = parser.value(typeOption).toLower();
    RhymeType type;
    if (typeName == QLatin1String("perfect"))
        type = RhymeType::Perfect;
    else if (typeName == QLatin1String("assonance"))
        type = RhymeType::Assonance;
    else if (typeName == QLatin1String("alliteration"))
        type = RhymeType::Alliteration;
    else
        throw UsageError{QStringLiteral("--type takes perfect, assonance or alliteration, not \"%1\"")
                             .arg(parser.value(typeOption))};
    const QString word = onlyArgument(parser, QStringLiteral("rhymes"), QStringLiteral("WORD"));
    if (word.isEmpty())
        return print(context, {});
    return print(context, FindRhymes(word, type, context.accent, context.lexiconConnection()));
}

int soundCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    parseOptions(parser, QStringLiteral("sound"), args);
    const QString pattern = onlyArgument(parser, QStringLiteral("sound"), QStringLiteral("PATTERN"));
    if (pattern.isEmpty())
        return print(context, {});
    return print(context, FindBySound(pattern, context.accent, context.lexiconConnection()));
}

} // namespace vocalith::cli

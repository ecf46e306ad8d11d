// export and import: standard input through one of the converters, byte for byte.

#include "cli/cli.h"
#include "encodings/notations.h"

#include <QStringDecoder>

namespace vocalith::cli {
namespace {

const char kNotationNames[] = "xsampa|html|hex|braille|vb";

const Notation &notationOption(const QString &command, const QString &option, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption notation(option, QStringLiteral("Notation"), QStringLiteral("NAME"));
    parser.addOption(notation);
    parseOptions(parser, command, args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("%1 reads its text from standard input").arg(command)};
    if (!parser.isSet(notation))
        throw UsageError{QStringLiteral("%1 needs --%2 %3").arg(command, option, QLatin1String(kNotationNames))};
    const QString name = parser.value(notation);
    for (const Notation &n : kNotations)
        if (name == QLatin1String(n.name))
            return n;
    throw UsageError{QStringLiteral("--%1 takes %2, not \"%3\"").arg(option, QLatin1String(kNotationNames), name)};
}

// Standard input through the converter, with no line-break handling. The input is read as
// UTF-8 with nothing dropped: a leading byte order mark stays (as U+FEFF), invalid bytes and
// a sequence cut off at the end become U+FFFD.
int convert(Context &context, Converter fn) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    context.write(fn(decoder.decode(context.readAll())));
    return kDone;
}

} // namespace

int exportCommand(Context &context, const QStringList &args) {
    return convert(context, notationOption(QStringLiteral("export"), QStringLiteral("to"), args).exportFn);
}

int importCommand(Context &context, const QStringList &args) {
    return convert(context, notationOption(QStringLiteral("import"), QStringLiteral("from"), args).importFn);
}

} // namespace vocalith::cli

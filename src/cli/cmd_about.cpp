// about: the texts of the About window.

#include "app/about.h"
#include "cli/cli.h"

namespace vocalith::cli {

int aboutCommand(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    parseOptions(parser, QStringLiteral("about"), args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("about takes no arguments")};
    const AboutTexts texts = readAboutTexts(context.lexicon());
    context.write(texts.lines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return kDone;
}

} // namespace vocalith::cli

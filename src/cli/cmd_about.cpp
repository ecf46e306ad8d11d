// about: the texts of the About window.

#include "app/about.h"
#include "cli/cli.h"

namespace vocalith::cli {
namespace {

int about(Context &context, const QStringList &args) {
    QCommandLineParser parser;
    parseOptions(parser, QStringLiteral("about"), args);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("about takes no arguments")};
    const AboutTexts texts = ReadAboutTexts(context.lexicon());
    writeOut(texts.lines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return kDone;
}

const Registrar kAbout("about", about);

} // namespace
} // namespace vocalith::cli

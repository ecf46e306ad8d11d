// vocalith-lexicon: builds a lexicon database from its sources.

#include "tsvlexicon.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the Vocalith lexicon database."));
    parser.addHelpOption();
    const QCommandLineOption sources(QStringLiteral("sources"), QStringLiteral("Folder of the TSV sources."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The database file to write."),
                                 QStringLiteral("FILE"));
    parser.addOptions({sources, out});
    parser.process(app);
    if (!parser.isSet(sources) || !parser.isSet(out)) {
        std::fprintf(stderr, "vocalith-lexicon: --sources DIR and --out FILE are required\n");
        return 2;
    }
    QString error;
    if (!vocalith::lexicon::buildLexicon(parser.value(sources), parser.value(out), &error)) {
        std::fprintf(stderr, "vocalith-lexicon: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

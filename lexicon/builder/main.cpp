// vocalith-lexicon: builds a lexicon database from its sources.

#include "generate.h"
#include "tsvlexicon.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

// The inflection check's lines as report lines: the rule "stem differs", the accent, the
// word with its stem and ending, the stem's entry as "before" and the word's as "after".
QString stemDiffers(const QStringList &mismatches) {
    QString out;
    for (const QString &line : mismatches) {
        const QStringList f = line.split(QLatin1Char('\t'));
        out += QStringList{QStringLiteral("stem differs"), f[0],
                           f[1] + QStringLiteral(" (") + f[2] + QStringLiteral(" + ") + f[3] + QLatin1Char(')'), f[4],
                           f[5]}
                   .join(QLatin1Char('\t')) +
               QLatin1Char('\n');
    }
    return out;
}

} // namespace

int main(int argc, char **argv) {
    using namespace vocalith::lexicon;
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the Vocalith lexicon database. With --cmudict the words table is generated from "
                       "CMUdict, espeak-ng and the word lists, and corrections.tsv of the sources overrides it; "
                       "without it the words table is the sources' words.tsv."));
    parser.addHelpOption();
    const QCommandLineOption sources(QStringLiteral("sources"), QStringLiteral("Folder of the TSV sources."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The database file to write."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption cmudict(QStringLiteral("cmudict"),
                                     QStringLiteral("CMUdict file; given more than once, the first that exists."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption wordlist(QStringLiteral("wordlist"), QStringLiteral("A word list (repeatable)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption noStressCheck(QStringLiteral("no-stress-check"),
                                           QStringLiteral("Keep espeak-ng's British stress as it is."));
    const QCommandLineOption noCorrections(QStringLiteral("no-corrections"),
                                           QStringLiteral("Leave corrections.tsv out (to measure the rules alone)."));
    const QCommandLineOption extraWordlist(QStringLiteral("extra-wordlist"),
                                           QStringLiteral("A larger word list whose other words are added, hidden "
                                                          "from rhymes (repeatable)."),
                                           QStringLiteral("FILE"));
    const QCommandLineOption reportFile(
        QStringLiteral("report"),
        QStringLiteral("Write every change a rule made to a generated entry to FILE (TSV: rule, "
                       "accent, word, before, after)."),
        QStringLiteral("FILE"));
    parser.addOptions({sources, out, cmudict, wordlist, extraWordlist, noStressCheck, noCorrections, reportFile});
    parser.process(app);
    if (!parser.isSet(sources) || !parser.isSet(out)) {
        std::fprintf(stderr, "vocalith-lexicon: --sources DIR and --out FILE are required\n");
        return 2;
    }
    QString error;
    if (!parser.isSet(cmudict)) {
        if (!buildLexicon(parser.value(sources), parser.value(out), &error)) {
            std::fprintf(stderr, "vocalith-lexicon: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }

    QElapsedTimer timer;
    timer.start();
    GeneratorInputs inputs;
    for (const QString &candidate : parser.values(cmudict))
        if (QFileInfo::exists(candidate)) {
            inputs.cmudict = candidate;
            break;
        }
    if (inputs.cmudict.isEmpty()) {
        std::fprintf(stderr, "vocalith-lexicon: no CMUdict file found\n");
        return 1;
    }
    inputs.wordLists = parser.values(wordlist);
    for (const QString &list : parser.values(extraWordlist))
        if (QFileInfo::exists(list)) // an optional package
            inputs.extraWordLists << list;
    if (!parser.isSet(noCorrections))
        inputs.corrections = QDir(parser.value(sources)).filePath(QStringLiteral("corrections.tsv"));
    inputs.crossCheckStress = !parser.isSet(noStressCheck);
    inputs.keepChanges = parser.isSet(reportFile);
    inputs.functionWords = QDir(parser.value(sources)).filePath(QStringLiteral("functionwords.tsv"));
    Table words;
    GeneratorReport report;
    if (!generateWords(inputs, words, report, &error)) {
        std::fprintf(stderr, "vocalith-lexicon: %s\n", qPrintable(error));
        return 1;
    }
    // Hand-checked: the function words' strong forms and the corrections.
    const int checked = report.functionWords + report.corrected + report.added;
    if (!buildLexicon(parser.value(sources), parser.value(out), &error, &words,
                      {{QStringLiteral("dbwordschecked"), QString::number(checked)}})) {
        std::fprintf(stderr, "vocalith-lexicon: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("vocalith-lexicon: %lld words (%d American from CMUdict %s, %d from espeak-ng only), "
                "%d corrected, %d added by hand, %d unreadable; %.1f s\n",
                static_cast<long long>(words.rows.size()), report.fromCmudict,
                qPrintable(QFileInfo(inputs.cmudict).fileName()), report.fromEspeakOnly, report.corrected, report.added,
                report.unreadable, timer.elapsed() / 1000.0);
    std::printf("vocalith-lexicon: %d possessives left to the transcriber; generated entries changed by each rule:\n",
                report.possessivesLeftOut);
    for (auto it = report.ruleCounts.cbegin(); it != report.ruleCounts.cend(); ++it)
        std::printf("  %-32s %7d\n", it.key().toUtf8().constData(), it.value());
    std::printf("vocalith-lexicon: %lld inflected entries differ from their stem's (listed in the report as "
                "\"stem differs\")\n",
                static_cast<long long>(report.inflectionMismatches.size()));
    if (parser.isSet(reportFile)) {
        QFile file(parser.value(reportFile));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write((QStringLiteral("rule\taccent\tword\tbefore\tafter\n") + report.changes.join(QLatin1Char('\n')) +
                        QLatin1Char('\n') + stemDiffers(report.inflectionMismatches))
                           .toUtf8()) < 0) {
            std::fprintf(stderr, "vocalith-lexicon: %s: %s\n", qPrintable(file.fileName()),
                         qPrintable(file.errorString()));
            return 1;
        }
    }
    return 0;
}

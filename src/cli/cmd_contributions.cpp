// contributions: the user's own words from a terminal. Unlike the panel, delete does not
// ask: scripts call it.

#include "cli/cli.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"

namespace vocalith::cli {

using namespace contributions;

namespace {

QString row(const Contribution &c) {
    return c.word + QLatin1Char('\t') + c.british + QLatin1Char('\t') + c.american + QLatin1Char('\n');
}

// The operands of a subcommand: exactly `count` of them.
QStringList operands(const QStringList &positional, qsizetype count, const QString &synopsis) {
    const QStringList rest = positional.mid(1);
    if (rest.size() != count)
        throw UsageError{QStringLiteral("contributions %1").arg(synopsis)};
    return rest;
}

// Standard output could not take the report of an import that is stored: said on stderr,
// and the status stays that of the import.
const QString kImportNotReported =
    QStringLiteral("vocalith-cli: the words are imported, but the output could not be written: %1\n");

// The subcommand; *access says whether it changes the words.
int run(Context &context, const QStringList &args, Access *access) {
    QCommandLineParser parser;
    const QCommandLineOption bre(QStringLiteral("bre"), QStringLiteral("British transcription"), QStringLiteral("T"));
    const QCommandLineOption ame(QStringLiteral("ame"), QStringLiteral("American transcription"), QStringLiteral("T"));
    parser.addOptions({bre, ame});
    parseOptions(parser, QStringLiteral("contributions"), args);
    const QStringList positional = parser.positionalArguments();
    const QString sub = positional.value(0);
    if (sub != QLatin1String("add") && (parser.isSet(bre) || parser.isSet(ame)))
        throw UsageError{QStringLiteral("--bre and --ame belong to contributions add")};
    if (sub == QLatin1String("add") || sub == QLatin1String("delete") || sub == QLatin1String("import"))
        *access = Access::Write;

    if (sub == QLatin1String("add")) {
        // A missing word is the panel's refusal, not a usage error.
        if (positional.size() > 2)
            throw UsageError{QStringLiteral("contributions add WORD [--bre T] [--ame T]")};
        const Contribution c = normalised(positional.value(1), parser.value(bre), parser.value(ame));
        const QString refused = refusal(c);
        if (!refused.isEmpty()) {
            context.writeErr(refused + QLatin1Char('\n'));
            return kRefused;
        }
        ContributionStore(context.contributions()).save(c);
        return kDone;
    }
    if (sub == QLatin1String("list")) {
        operands(positional, 0, QStringLiteral("list"));
        QString text;
        for (const QString &w : ContributionStore(context.contributions()).words())
            text += w + QLatin1Char('\n');
        context.write(text);
        return kDone;
    }
    if (sub == QLatin1String("show") || sub == QLatin1String("delete")) {
        const QString word = operands(positional, 1, sub + QStringLiteral(" WORD")).front();
        ContributionStore store(context.contributions());
        const std::optional<Contribution> stored = store.find(word);
        if (!stored) {
            context.writeErr(kNotStored.arg(word) + QLatin1Char('\n'));
            return kRefused;
        }
        if (sub == QLatin1String("show"))
            context.write(row(*stored));
        else
            store.remove(stored->word);
        return kDone;
    }
    if (sub == QLatin1String("export")) {
        operands(positional, 0, QStringLiteral("export"));
        context.write(ContributionStore(context.contributions()).exportTsv());
        return kDone;
    }
    if (sub == QLatin1String("import")) {
        const QString file = operands(positional, 1, QStringLiteral("import FILE")).front();
        QString error;
        const std::optional<QByteArray> tsv = readFile(file, &error);
        if (!tsv) {
            context.writeErr(error + QLatin1Char('\n'));
            return kRefused;
        }
        const ImportReport report = ContributionStore(context.contributions()).importTsv(*tsv);
        if (report.notText) {
            context.writeErr(reportText(report) + QLatin1Char('\n'));
            return kRefused;
        }
        // The counts on stdout; the refused lines on stderr, and exit 1 when there are any.
        // The words are stored by now: a full standard output does not make that a failure.
        const int status = report.refused.isEmpty() ? kDone : kRefused;
        QStringList lines = reportText(report).split(QLatin1Char('\n'));
        try {
            context.write(lines.takeFirst() + QLatin1Char('\n'));
        } catch (const OutputError &e) {
            context.writeErr(kImportNotReported.arg(e.reason));
        }
        for (const QString &line : lines)
            context.writeErr(line + QLatin1Char('\n'));
        return status;
    }
    throw UsageError{sub.isEmpty() ? QStringLiteral("contributions needs a subcommand")
                                   : QStringLiteral("unknown subcommand \"contributions %1\"").arg(sub)};
}

} // namespace

// A failure of the word list names the file and says why, in words the user can act on.
int contributionsCommand(Context &context, const QStringList &args) {
    Access access = Access::Read;
    try {
        return run(context, args, &access);
    } catch (const DatabaseError &e) {
        context.writeErr(failureOf(context.contributions().path(), e, access).text() + QLatin1Char('\n'));
        return kDatabase;
    }
}

} // namespace vocalith::cli

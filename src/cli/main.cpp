// vocalith-cli: the program's features from a terminal.

#include "app/messages.h"
#include "app/paths.h"
#include "cli/cli.h"
#include "engine/lexicon/schema.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <map>

namespace vocalith::cli {

namespace {

std::map<QString, CommandFn> &commandTable() {
    static std::map<QString, CommandFn> table;
    return table;
}

const char kUsageText[] = "usage: vocalith-cli [--lexicon PATH] [--contributions PATH] [--accent BrE|AmE] COMMAND ...\n"
                          "commands:\n"
                          "  transcribe [--raw] [--settings FILE] [--set KEY=true|false]... [TEXT...]\n"
                          "  render [--settings FILE] [--set KEY=true|false]...\n"
                          "  number [--amount SYMBOL] NUMBER\n"
                          "  export --to xsampa|html|hex|braille|vb\n"
                          "  import --from xsampa|html|hex|braille|vb\n"
                          "  rhymes [--type perfect|assonance|alliteration] WORD\n"
                          "  sound PATTERN\n"
                          "  stats [--unique]\n"
                          "  zentab\n"
                          "  contributions list | show WORD | add WORD [--bre T] [--ame T] | delete WORD\n"
                          "  about\n"
                          "Put -- before a negative number.\n";

} // namespace

Registrar::Registrar(const char *name, CommandFn fn) { commandTable()[QString::fromLatin1(name)] = fn; }

Lexicon &Context::lexicon() {
    if (!m_lexicon)
        m_lexicon = std::make_unique<Lexicon>(lexiconConnection());
    return *m_lexicon;
}

Connection &Context::lexiconConnection() {
    if (!m_lexiconConnection) {
        m_lexiconConnection =
            Connection::openReadOnly(vocalith::lexiconPath(lexiconPath), schema::lexiconRequiredTables());
        if (!m_lexiconConnection)
            throw DatabaseUnavailable{messages::kLexiconNotAvailable};
    }
    return *m_lexiconConnection;
}

Connection &Context::contributions() {
    if (!m_contributions) {
        m_contributions = Connection::openReadWrite(vocalith::contributionsPath(contributionsPath),
                                                    schema::contributionTables(), schema::contributionRequiredTables());
        if (!m_contributions)
            throw DatabaseUnavailable{messages::kContributionsNotAvailable.trimmed()};
    }
    return *m_contributions;
}

QByteArray readStdin() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

QString readStdinText() { return QString::fromUtf8(readStdin()); }

void writeOut(const QByteArray &bytes) { std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout); }

void writeOut(const QString &text) { writeOut(text.toUtf8()); }

void writeErr(const QString &text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

QString toBoxText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

QString fromBoxText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

void parseOptions(QCommandLineParser &parser, const QString &command, const QStringList &args) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{command} + args))
        throw UsageError{QStringLiteral("%1: %2").arg(command, parser.errorText())};
}

namespace {

// Takes the value of a global option given as "--name value" or "--name=value".
bool takeValue(const QStringList &args, int &k, const QString &name, QString &value) {
    const QString &a = args[k];
    if (a == name) {
        if (k + 1 >= args.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(name)};
        value = args[++k];
        return true;
    }
    if (a.startsWith(name + QLatin1Char('='))) {
        value = a.mid(name.size() + 1);
        return true;
    }
    return false;
}

// Takes a global option at args[k] into the context; false when args[k] is none.
bool takeGlobal(const QStringList &args, int &k, Context &context) {
    QString accent;
    if (takeValue(args, k, QStringLiteral("--lexicon"), context.lexiconPath) ||
        takeValue(args, k, QStringLiteral("--contributions"), context.contributionsPath))
        return true;
    if (!takeValue(args, k, QStringLiteral("--accent"), accent))
        return false;
    const auto parsed = parseAccent(accent);
    if (!parsed)
        throw UsageError{QStringLiteral("--accent takes BrE or AmE, not \"%1\"").arg(accent)};
    context.accent = *parsed;
    return true;
}

int run(const QStringList &args) {
    Context context;
    int k = 1;
    for (; k < args.size() && args[k].startsWith(QLatin1String("--")); ++k) {
        if (args[k] == QLatin1String("--help")) {
            writeOut(QByteArray(kUsageText));
            return kDone;
        }
        if (!takeGlobal(args, k, context))
            throw UsageError{QStringLiteral("unknown option %1").arg(args[k])};
    }
    if (k >= args.size())
        throw UsageError{QStringLiteral("no command given")};
    const auto it = commandTable().find(args[k]);
    if (it == commandTable().end())
        throw UsageError{QStringLiteral("unknown command \"%1\"").arg(args[k])};
    // Global options may also follow the command ("transcribe --accent AmE ..."), up to "--".
    QStringList rest;
    for (int j = k + 1; j < args.size(); ++j) {
        if (args[j] == QLatin1String("--")) {
            rest += args.mid(j);
            break;
        }
        if (!takeGlobal(args, j, context))
            rest << args[j];
    }
    return it->second(context, rest);
}

} // namespace
} // namespace vocalith::cli

int main(int argc, char **argv) {
    using namespace vocalith::cli;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vocalith"));
    try {
        return run(QCoreApplication::arguments());
    } catch (const UsageError &e) {
        writeErr(QStringLiteral("vocalith-cli: %1\n").arg(e.message));
        writeErr(QString::fromLatin1(kUsageText));
        return kUsage;
    } catch (const DatabaseUnavailable &e) {
        writeErr(e.message + QLatin1Char('\n'));
        return kDatabase;
    } catch (const vocalith::DatabaseError &e) {
        writeErr(QStringLiteral("Database error: %1\n").arg(e.message()));
        return kDatabase;
    }
}

// vocalith-cli: the command table, global options, streams and the exit statuses.

#include "cli/cli.h"

#include "app/messages.h"
#include "app/paths.h"
#include "app/texts.h"
#include "app/userfiles.h"
#include "cli/manpage.h"
#include "contributions/contributiondb.h"
#include "engine/lexicon/schema.h"

#include <algorithm>
#include <new>
#include <utility>

namespace vocalith::cli {

namespace {

struct Command {
    const char *name;
    const char *synopsis; // the command's line of the usage text
    CommandFn fn;
};

// Every command that exists, in the order the usage lists them.
// clang-format off
constexpr Command kCommands[] = {
    {"transcribe", "transcribe [--raw] [--use-contributions] [--guess] [--settings FILE] [--set KEY=true|false]... [TEXT...]",
                   transcribeCommand},
    {"render",     "render [--settings FILE] [--set KEY=true|false]...",                      renderCommand},
    {"number",     "number [--amount SYMBOL] NUMBER",                                          numberCommand},
    {"export",     "export --to xsampa|html|hex|braille|vb",                                   exportCommand},
    {"import",     "import --from xsampa|html|hex|braille|vb",                                 importCommand},
    {"rhymes",     "rhymes [--type perfect|assonance|alliteration] WORD",                      rhymesCommand},
    {"sound",      "sound PATTERN",                                                            soundCommand},
    {"stats",      "stats [--unique]",                                                         statsCommand},
    {"zentab",     "zentab",                                                                   zentabCommand},
    {"contributions", "contributions list | show WORD | add WORD [--bre T] [--ame T] | delete WORD | export | import FILE",
                   contributionsCommand},
    {"speak",      "speak [--rate N] --wav FILE",                                              speakCommand},
    {"about",      "about",                                                                    aboutCommand},
};
// clang-format on

// The two forms of the command line, as the usage and the manual show them.
const QStringList kUsageLines = {
    QStringLiteral("vocalith-cli [--lexicon PATH] [--contributions PATH] [--accent BrE|AmE] COMMAND ..."),
    QStringLiteral("vocalith-cli --help | --version")};

QString usageText() {
    QString text = QStringLiteral("usage: ") + kUsageLines[0] + QStringLiteral("\n       ") + kUsageLines[1] +
                   QStringLiteral("\ncommands:\n");
    for (const Command &c : kCommands)
        text += QStringLiteral("  ") + QString::fromUtf8(c.synopsis) + QLatin1Char('\n');
    text += QStringLiteral("Put -- before a negative number.\n");
    return text;
}

const Command *findCommand(const QString &name) {
    for (const Command &c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

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

int dispatch(const QStringList &args, Context &context) {
    int k = 1;
    for (; k < args.size() && args[k].startsWith(QLatin1String("--")); ++k) {
        if (args[k] == QLatin1String("--help")) {
            context.write(usageText());
            return kDone;
        }
        if (args[k] == QLatin1String("--man")) { // not in the usage: the build makes the manual with it
            QList<CommandHelp> commands;
            for (const Command &c : kCommands)
                commands.append({QString::fromUtf8(c.name), QString::fromUtf8(c.synopsis)});
            context.write(manPage(texts::kVersion, texts::kReleaseDate, kUsageLines, commands));
            return kDone;
        }
        if (args[k] == QLatin1String("--version")) {
            context.write(QStringLiteral("vocalith-cli %1\n").arg(texts::kVersion));
            return kDone;
        }
        if (!takeGlobal(args, k, context))
            throw UsageError{QStringLiteral("unknown option %1").arg(args[k])};
    }
    if (k >= args.size())
        throw UsageError{QStringLiteral("no command given")};
    const Command *command = findCommand(args[k]);
    if (!command)
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
    return command->fn(context, rest);
}

} // namespace

Lexicon &Context::lexicon() {
    if (!m_lexicon)
        m_lexicon = std::make_unique<Lexicon>(lexiconConnection());
    return *m_lexicon;
}

Connection &Context::lexiconConnection() {
    if (!m_lexiconConnection) {
        QString reason;
        m_lexiconConnection =
            Connection::openReadOnly(vocalith::lexiconPath(lexiconPath), schema::lexiconRequiredTables(), &reason);
        if (!m_lexiconConnection)
            throw DatabaseUnavailable{messages::kLexiconNotAvailable, reason};
    }
    return *m_lexiconConnection;
}

Connection &Context::contributions() {
    if (!m_contributions) {
        contributions::Failure failure;
        // Without --contributions the data folder's: its first use says where files beside
        // the program went.
        if (contributionsPath.isEmpty() && !userFiles().notice.isEmpty())
            writeErr(QStringLiteral("vocalith-cli: %1\n").arg(userFiles().notice));
        m_contributions = contributions::open(vocalith::contributionsPath(contributionsPath), &failure);
        if (!m_contributions)
            throw DatabaseUnavailable{failure.head, failure.reason};
    }
    return *m_contributions;
}

QByteArray Context::readAll() {
    // In blocks rather than QIODevice::readAll, which does not tell a failed read from the end.
    constexpr qint64 kBlock = 65536;
    QByteArray all;
    for (;;) {
        const qsizetype had = all.size();
        all.resize(had + kBlock);
        const qint64 n = m_streams.in.read(all.data() + had, kBlock);
        if (n < 0)
            throw InputError{m_streams.in.errorString()};
        all.resize(had + n);
        if (n == 0)
            return all;
    }
}

QString Context::readAllText() { return QString::fromUtf8(readAll()); }

QString Context::decoded(QByteArrayView bytes) {
    QString text = QString::fromUtf8(bytes);
    // fromUtf8 drops a byte-order mark at the start of what it is given; only the one at
    // the start of the input goes.
    if (std::exchange(m_inputStarted, true) && bytes.startsWith("\xEF\xBB\xBF"))
        text.prepend(QChar(0xFEFF));
    return text;
}

bool Context::readLines(QStringList &lines) {
    constexpr qint64 kBlock = 65536;
    lines.clear();
    while (lines.isEmpty() && !m_inputEnded) {
        const qsizetype had = m_input.size();
        m_input.resize(had + kBlock);
        const qint64 n = m_streams.in.read(m_input.data() + had, kBlock);
        if (n < 0)
            throw InputError{m_streams.in.errorString()};
        m_input.resize(had + n);
        if (n == 0) {
            // The end: what follows the last line break is the last line.
            m_inputEnded = true;
            if (!m_input.isEmpty())
                lines << decoded(std::exchange(m_input, QByteArray()));
            break;
        }
        // Only the bytes just read can hold a line break: the rest follows the last one.
        qsizetype lf = QByteArrayView(m_input).sliced(had).lastIndexOf('\n');
        if (lf < 0)
            continue;
        lf += had;
        // Decoded with its line break, after which a UTF-8 decoder starts afresh.
        lines = decoded(QByteArrayView(m_input.constData(), lf + 1)).split(QLatin1Char('\n'));
        lines.removeLast();
        for (QString &line : lines)
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        if (lf + 1 == m_input.size())
            m_input = QByteArray(); // a long line's buffer goes at once
        else
            m_input.remove(0, lf + 1);
    }
    return !lines.isEmpty();
}

void Context::write(const QByteArray &bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = m_streams.out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            throw OutputError{m_streams.out.errorString()};
        done += n;
    }
}

void Context::writeBoxText(const QString &text) {
    if (text.isEmpty())
        return;
    QString t = m_crWaiting ? QLatin1Char('\r') + text : text;
    m_crWaiting = t.endsWith(QLatin1Char('\r'));
    if (m_crWaiting)
        t.chop(1);
    write(fromBoxText(t));
}

void Context::finishBoxText() {
    if (std::exchange(m_crWaiting, false))
        write(QByteArray("\r"));
}

void Context::writeErr(const QString &text) { m_streams.err.write(text.toUtf8()); }

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

int run(const QStringList &args, Streams streams) {
    Context context(streams);
    try {
        return dispatch(args, context);
    } catch (const UsageError &e) {
        context.writeErr(QStringLiteral("vocalith-cli: %1\n").arg(e.message) + usageText());
        return kUsage;
    } catch (const DatabaseUnavailable &e) {
        context.writeErr(e.message + QLatin1Char('\n') + e.reason + QLatin1Char('\n'));
        return kDatabase;
    } catch (const DatabaseError &e) {
        context.writeErr(messages::kDatabaseError.arg(e.message()) + QLatin1Char('\n'));
        return kDatabase;
    } catch (const OutputError &e) {
        context.writeErr(QStringLiteral("vocalith-cli: the output could not be written: %1\n").arg(e.reason));
        return kOutput;
    } catch (const InputError &e) {
        context.writeErr(QStringLiteral("vocalith-cli: the input could not be read: %1\n").arg(e.reason));
        return kRefused;
    } catch (const std::bad_alloc &) {
        // What the command held is freed by now: the message can be made.
        context.writeErr(QStringLiteral("vocalith-cli: not enough memory to finish the command\n"));
        return kRefused;
    }
}

} // namespace vocalith::cli

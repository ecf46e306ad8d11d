#pragma once
// Shared plumbing of vocalith-cli: global options, the command table, standard streams
// and the conversions between terminal text and the program's text boxes.

#include "engine/accent.h"
#include "engine/lexicon/database.h"
#include "engine/lexicon/lexicon.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>

namespace vocalith::cli {

enum Exit { kDone = 0, kRefused = 1, kUsage = 2, kDatabase = 3 };

// Thrown by a command for a usage error; main prints the message and the usage, exits 2.
struct UsageError {
    QString message;
};

// Thrown when a database a command needs cannot be opened; main prints it and exits 3.
struct DatabaseUnavailable {
    QString message;
};

struct Context {
    QString lexiconPath;       // --lexicon, empty when not given
    QString contributionsPath; // --contributions, empty when not given
    Accent accent = Accent::BrE;

    // The opened lexicon (opened on first use; throws DatabaseUnavailable).
    Lexicon &lexicon();
    Connection &lexiconConnection();
    // The opened contribution database, created when missing (throws DatabaseUnavailable).
    Connection &contributions();

private:
    std::unique_ptr<Connection> m_lexiconConnection;
    std::unique_ptr<Lexicon> m_lexicon;
    std::unique_ptr<Connection> m_contributions;
};

// A command gets its own arguments (without the command name).
using CommandFn = int (*)(Context &, const QStringList &args);

// Adds a command to the table; each command file holds one static registrar per command.
struct Registrar {
    Registrar(const char *name, CommandFn fn);
};

QByteArray readStdin();
// Standard input as UTF-8 text; invalid bytes become U+FFFD.
QString readStdinText();
void writeOut(const QByteArray &bytes);
void writeOut(const QString &text);
void writeErr(const QString &text);

// Terminal text to box text: LF and CR LF become CR LF; one final line break is dropped.
QString toBoxText(QString text);
// Box text to terminal text: CR LF becomes LF.
QString fromBoxText(QString text);

// Parses a command's arguments; throws UsageError for unknown options or missing values.
void parseOptions(QCommandLineParser &parser, const QString &command, const QStringList &args);

} // namespace vocalith::cli

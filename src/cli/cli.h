#pragma once
// Shared plumbing of vocalith-cli: global options, the command table, the standard streams
// and the conversions between terminal text and the program's text boxes.

#include "engine/lexicon/lexicon.h"
#include "pronunciation/accent.h"
#include "storage/database.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>

namespace vocalith::cli {

enum Exit { kDone = 0, kRefused = 1, kUsage = 2, kDatabase = 3, kOutput = 4 };

// Thrown by a command for a usage error: the message and the usage go to stderr, exit 2.
struct UsageError {
    QString message;
};

// Thrown when a database a command needs cannot be opened: exit 3.
struct DatabaseUnavailable {
    QString message; // the program's fixed text
    QString reason;  // what went wrong, on a second line
};

// Thrown when standard output cannot be written (full disk, closed pipe): exit 4.
struct OutputError {
    QString reason;
};

// Thrown when standard input cannot be read (a folder, a failing device): exit 1.
struct InputError {
    QString reason;
};

// The three standard streams of one run.
struct Streams {
    QIODevice &in;
    QIODevice &out;
    QIODevice &err;
};

class Context {
public:
    explicit Context(Streams streams) : m_streams(streams) {}

    QString lexiconPath;       // --lexicon, empty when not given
    QString contributionsPath; // --contributions, empty when not given
    Accent accent = Accent::BrE;

    // The opened lexicon (opened on first use; throws DatabaseUnavailable).
    Lexicon &lexicon();
    Connection &lexiconConnection();
    // The opened contribution database, created when missing (throws DatabaseUnavailable).
    Connection &contributions();

    // All of standard input; throws InputError when it cannot be read.
    QByteArray readAll();
    // All of standard input as UTF-8 text; invalid bytes become U+FFFD.
    QString readAllText();
    // Standard input as box text in pieces of whole lines, so that memory stays flat: each
    // call gives the next lines without their line breaks (LF or CR LF) and returns false at
    // the end. The lines joined by CR LF are toBoxText(readAllText()): a line break at the
    // very end of the input ends the last line and starts none. Throws InputError.
    bool readLines(QStringList &lines);
    // Standard output; throws OutputError when the bytes cannot be written.
    void write(const QByteArray &bytes);
    void write(const QString &text) { write(text.toUtf8()); }
    // Box text to standard output in pieces: CR LF becomes LF, also where one piece ends
    // with the CR and the next begins with the LF. finishBoxText writes a CR left waiting.
    void writeBoxText(const QString &text);
    void finishBoxText();
    // Standard error (a failure there has nowhere to be reported).
    void writeErr(const QString &text);
    QIODevice &in() { return m_streams.in; }

private:
    // Standard input text from bytes that follow a line break (or start the input).
    QString decoded(QByteArrayView bytes);

    Streams m_streams;
    QByteArray m_input;          // standard input read but not handed out yet
    bool m_inputEnded = false;   // standard input is exhausted
    bool m_inputStarted = false; // some of it has been decoded
    bool m_crWaiting = false;    // the last box text written ended with a CR, not written yet
    std::unique_ptr<Connection> m_lexiconConnection;
    std::unique_ptr<Lexicon> m_lexicon;
    std::unique_ptr<Connection> m_contributions;
};

// A command gets its own arguments (without the command name) and returns the exit status.
using CommandFn = int (*)(Context &, const QStringList &args);

// The commands, each in its own file.
int transcribeCommand(Context &, const QStringList &);
int renderCommand(Context &, const QStringList &);
int numberCommand(Context &, const QStringList &);
int exportCommand(Context &, const QStringList &);
int importCommand(Context &, const QStringList &);
int rhymesCommand(Context &, const QStringList &);
int soundCommand(Context &, const QStringList &);
int statsCommand(Context &, const QStringList &);
int zentabCommand(Context &, const QStringList &);
int aboutCommand(Context &, const QStringList &);
int contributionsCommand(Context &, const QStringList &);
int speakCommand(Context &, const QStringList &);

// Runs one command line (args[0] is the program name) on the given streams and returns the
// exit status; every failure ends here with its message on err.
int run(const QStringList &args, Streams streams);

// Terminal text to box text: LF and CR LF become CR LF; one final line break is dropped.
QString toBoxText(QString text);
// Box text to terminal text: CR LF becomes LF.
QString fromBoxText(QString text);

// Parses a command's arguments; throws UsageError for unknown options or missing values.
void parseOptions(QCommandLineParser &parser, const QString &command, const QStringList &args);

} // namespace vocalith::cli

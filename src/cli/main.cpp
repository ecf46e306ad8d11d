// vocalith-cli: the program's features from a terminal.

#include "cli/cli.h"

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <unistd.h>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vocalith"));
    // A closed pipe is reported as a failed write (exit 4), not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    // Unbuffered, on the descriptors: every write reaches the system at once, so one that
    // fails (no space left, a closed pipe) is seen where it happens.
    QFile in, out, err;
    in.open(STDIN_FILENO, QIODevice::ReadOnly);
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return vocalith::cli::run(QCoreApplication::arguments(), {in, out, err});
}

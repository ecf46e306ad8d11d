#pragma once
// The manual page of vocalith-cli, made from the same command table as its usage text, so
// that the two cannot tell different stories (the build installs `vocalith-cli --man`).

#include <QList>
#include <QString>
#include <QStringList>

namespace vocalith::cli {

struct CommandHelp {
    QString name;
    QString synopsis; // the command's line of the usage text
};

// What a command does, for the manual; empty for a command it does not describe yet.
QString commandDescription(const QString &name);

// The page in roff (man macros): usageLines as the synopsis, then every command with its
// synopsis and description, the exit statuses, files and examples.
QString manPage(const QString &version, const QString &date, const QStringList &usageLines,
                const QList<CommandHelp> &commands);

// Text as roff reads it literally: backslashes and minus signs escaped, no control line.
QString roffEscaped(const QString &text);

} // namespace vocalith::cli

#pragma once
// Where the program finds its lexicon and keeps the user's files.

#include <QString>

namespace vocalith {

extern const QString kLexiconFileName;
extern const QString kContributionsFileName;

// The lexicon: the explicit path when given, else VOCALITH_LEXICON, else the program's
// folder, else ../share/vocalith beside it. Returns the first candidate that exists, or
// the program folder's candidate when none does (so the message names a real place).
QString lexiconPath(const QString &explicitPath = {});

// The user's files, in the per-user application data folder (see userFiles(), which brings
// over those an older version kept beside the program).
QString contributionsPath(const QString &explicitPath = {});
QString settingsPath();
// The work in progress (work.json), beside the settings.
QString workPath();

} // namespace vocalith

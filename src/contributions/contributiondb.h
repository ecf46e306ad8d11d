#pragma once
// The contribution database: the user's own words with their British and American
// transcriptions, one row per word, in a file of its own beside the settings.

#include "engine/lexicon/database.h"

#include <QStringList>
#include <memory>

namespace vocalith::contributions {

// CREATE statements of a new contribution file.
QStringList schema();

// Opens the contribution file for reading and writing, creating it with its schema when it
// does not exist. nullptr when it can be neither opened nor created (*reason says why).
std::unique_ptr<Connection> open(const QString &path, QString *reason = nullptr);

} // namespace vocalith::contributions

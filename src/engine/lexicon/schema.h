#pragma once
// Table layouts of the lexicon and the opening rules that every program (desktop, command
// line, builder, tests) shares.

#include "storage/database.h"

#include <QStringList>

namespace vocalith::schema {

// CREATE statements of the lexicon, in creation order.
QStringList lexiconTables();
// Indexes the builder adds; the programs work without them.
QStringList lexiconIndexes();
// Tables a file must have to be used as a lexicon.
QStringList lexiconRequiredTables();

// Columns of each lexicon table, in schema order (used by the builder and the fixtures).
QStringList lexiconColumns(const QString &table);

} // namespace vocalith::schema

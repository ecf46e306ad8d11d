#pragma once
// Readers of the free sources the lexicon is generated from (espeak-ng is reached through
// the session of pronunciation/guess.h).

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

namespace vocalith::lexicon {

// CMUdict as word → ARPAbet with stress digits ("N EY1 SH AH0 N"), first pronunciation of
// each word only, words in lower case, read from the npm package cmu-pronouncing-dictionary
// (index.js, lines `  "word": "ARPABET",`).
bool readCmudict(const QString &path, QMap<QString, QString> &out, QString *error);

// A word list (one word a line). Each lower-cased word maps to true when the list has it
// in lower case (a common word), false when only capitalised forms occur (a name or an
// abbreviation). Possessives "x's" are left out: the transcriber derives them.
bool readWordList(const QString &path, QHash<QString, bool> &out, QString *error);

} // namespace vocalith::lexicon

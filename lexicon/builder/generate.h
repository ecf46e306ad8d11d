#pragma once
// Generates the words table from CMUdict, espeak-ng, the word lists and the hand-checked
// corrections.

#include "tsvlexicon.h"

#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;

namespace vocalith::lexicon {

struct GeneratorInputs {
    QString cmudict;              // CMUdict, either format readCmudict reads
    QStringList wordLists;        // wbritish, wamerican: the common words
    QStringList extraWordLists;   // larger lists: their other words are added, hidden from rhymes
    QString corrections;          // TSV with word, BrE, AmE (and optionally hiderhyme); may be empty
    QString functionWords;        // functionwords.tsv: their strong forms are their word-list entries
    bool crossCheckStress = true; // move espeak's primary stress to CMUdict's where it is safe
};

// One word's transcriptions from its sources; each returns an empty string when the source
// text cannot be read.
// isWord tells whether a word's stem is a word of the lexicon (for syllables at suffixes).
using WordTest = std::function<bool(const QString &)>;
QString americanFromArpabet(const QString &word, const QString &arpabet, const WordTest &isWord = {});
QString americanFromEspeak(const QString &word, const QString &mnemonics, const WordTest &isWord = {});
// arpabet (CMUdict's entry, possibly empty) is the cross-check for stress.
QString britishFromEspeak(const QString &word, const QString &mnemonics, const QString &arpabet,
                          bool crossCheckStress = true, const WordTest &isWord = {});

// Proper names, abbreviations and entries with other characters than letters, or absent from
// the common word lists, are hidden from the rhyme finder.
bool hiddenFromRhymes(const QString &word, bool inListInLowerCase);

struct GeneratorReport {
    int fromCmudict = 0, fromEspeakOnly = 0, functionWords = 0, corrected = 0, added = 0, unreadable = 0;
};

// Fills words with the columns word, BrE, AmE, hiderhyme, sorted by word.
bool generateWords(const GeneratorInputs &inputs, Table &words, GeneratorReport &report, QString *error);

} // namespace vocalith::lexicon

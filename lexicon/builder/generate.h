#pragma once
// Generates the words table from CMUdict, espeak-ng, the word lists and the hand-checked
// corrections.

#include "tsvlexicon.h"

#include <QMap>
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
    bool keepChanges = false;     // list every rule's changes in the report (slower)
};

// Proper names, abbreviations and entries with other characters than letters, or absent from
// the common word lists, are hidden from the rhyme finder.
bool hiddenFromRhymes(const QString &word, bool inListInLowerCase);

struct GeneratorReport {
    int fromCmudict = 0, fromEspeakOnly = 0, functionWords = 0, corrected = 0, added = 0, unreadable = 0;
    int possessivesLeftOut = 0;       // "x's" whose stem is stored: the transcriber derives them
    QMap<QString, int> ruleCounts;    // "BrE rule" / "AmE rule" → generated entries the rule changed
    QStringList changes;              // "rule<TAB>accent<TAB>word<TAB>before<TAB>after" with keepChanges
    QStringList inflectionMismatches; // of the table made, as inflectionMismatches gives them
};

// Fills words with the columns word, BrE, AmE, hiderhyme, sorted by word.
bool generateWords(const GeneratorInputs &inputs, Table &words, GeneratorReport &report, QString *error);

// The inflected entries of a words table (word, BrE, AmE, …) whose stem part differs from
// their stem's entry beyond the alternations an ending brings (pronunciation/inflections.h),
// one line each: "accent<TAB>word<TAB>stem<TAB>ending<TAB>stem's entry<TAB>word's entry".
// With includeStem, only the inflected forms of the stems it accepts.
QStringList inflectionMismatches(const Table &words, const std::function<bool(const QString &)> &includeStem = {});

} // namespace vocalith::lexicon

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

// What the rules of one word may consult besides its own source text.
using WordTest = std::function<bool(const QString &)>;
struct RuleChange {
    QString rule, before, after; // before/after only when the trace keeps forms
};
struct RuleTrace {
    bool keepForms = false;      // render the pronunciation before and after each change
    QVector<RuleChange> changes; // every rule that changed the entry, in order
};
struct WordContext {
    WordTest isWord;                                // is a stem a word of the lexicon (suffixes, un-)
    QString british;                                // the British entry, for the American rules that follow it
    std::function<QString(const QString &)> formOf; // this accent's entry of another word (compound parts)
    RuleTrace *trace = nullptr;                     // when given, notes the rules that changed the entry
};

// One word's transcriptions from its sources; each returns an empty string when the source
// text cannot be read.
QString americanFromArpabet(const QString &word, const QString &arpabet, const WordContext &context = {});
QString americanFromEspeak(const QString &word, const QString &mnemonics, const WordContext &context = {});
// arpabet (CMUdict's entry, possibly empty) is the cross-check for stress.
QString britishFromEspeak(const QString &word, const QString &mnemonics, const QString &arpabet,
                          bool crossCheckStress = true, const WordContext &context = {});

// The first part of a compound that ends in y and is a word, the rest being a word too
// (every|thing, any|where, twenty-|one); empty when there is none.
QString happyFirstPart(const QString &word, const WordTest &isWord);

// Proper names, abbreviations and entries with other characters than letters, or absent from
// the common word lists, are hidden from the rhyme finder.
bool hiddenFromRhymes(const QString &word, bool inListInLowerCase);

struct GeneratorReport {
    int fromCmudict = 0, fromEspeakOnly = 0, functionWords = 0, corrected = 0, added = 0, unreadable = 0;
    int possessivesLeftOut = 0;    // "x's" whose stem is stored: the transcriber derives them
    QMap<QString, int> ruleCounts; // "BrE rule" / "AmE rule" → generated entries the rule changed
    QStringList changes;           // "rule<TAB>accent<TAB>word<TAB>before<TAB>after" with keepChanges
};

// Fills words with the columns word, BrE, AmE, hiderhyme, sorted by word.
bool generateWords(const GeneratorInputs &inputs, Table &words, GeneratorReport &report, QString *error);

} // namespace vocalith::lexicon

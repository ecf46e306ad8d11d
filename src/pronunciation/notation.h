#pragma once
// The sources' pronunciations in the lexicon's notation: CMUdict's ARPAbet and espeak-ng's
// phoneme names through the rules of this folder (phones.h tells which is where), in the
// order each accent needs. The lexicon's builder makes its entries with them, the transcriber
// its guesses.

#include <QString>
#include <QVector>
#include <functional>

namespace vocalith::pronunciation {

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

} // namespace vocalith::pronunciation

#pragma once
// Position and homograph rules of running text that the collocation table cannot express:
// they look at the words of a phrase (a segment) and where the word stands in it, never at
// transcriptions, so any word may ask about any other without a cycle.

#include <QStringList>
#include <functional>
#include <optional>

namespace vocalith::context {

using WordTest = std::function<bool(const QString &)>;

// The form a function word takes for its position, where the position decides it.
enum class Position {
    Usual,  // the table's choice: at the beginning, before a vowel or consonant, at the end
    Strong, // an auxiliary opening a question (Have you …), demonstrative "that" as the
            // subject of a question (Is that …), locative "there" after be (They were there …)
    Weak,   // existential "there" before a verb (There is, There'll be …), even at the start
};
Position functionWordPosition(const QStringList &words, int i);

// "is" inverted before its subject in a question (Who is it for, What time is it, Or is it)
// cannot contract: it stays ɪz, and a linking r before it is sounded.
bool isInvertedIs(const QStringList &words, int i);
// A function word before "is" that cannot be its subject leaves "is" full: a conjunction or
// an object pronoun keeps its weak form (and is …, one of them is …); any other word ends
// the clause before it and is strong, as at the end of a phrase (the thing to do is, what
// we are is).
bool weakBeforeFullIs(const QString &functionWord);
bool endsClauseBeforeIs(const QString &functionWord);

// A homograph whose neighbours decide its reading: the spelling whose word-list entry gives
// that reading (read in the past is said as "red"; "used" before to + verb after a form of be
// is the passive, said as the word list's "used"), or nullopt where the collocations and the
// word list decide. isWord tells whether a word is in the lexicon (for the stems of -ed).
std::optional<QString> homographReading(const QStringList &words, int i, const WordTest &isWord);

} // namespace vocalith::context

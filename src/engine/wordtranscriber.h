#pragma once
// Transcription of one word in the context of its segment: collocations, the "is" rule,
// function words, the word list, possessives, hyphenated words, linking r.

#include "engine/lexicon/lexicon.h"
#include "engine/render.h"
#include "pronunciation/accent.h"

#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

namespace vocalith {

// A transcription for a word that no rule of the lexicon finds, or nullopt.
using Guesser = std::function<OptText(const QString &word, Accent accent)>;

// One segment's words with the transcriptions already worked out for them. A word's
// transcription depends only on the segment, its position and the accent, so each
// position is transcribed at most once however often neighbours ask for it. With a
// guesser, a word that no rule finds (and that has a letter) takes its guess.
class SegmentTranscriber {
public:
    SegmentTranscriber(const QStringList &words, Accent accent, Lexicon &lexicon, const Guesser *guess = nullptr);

    // The word's transcription as stored, a guess with its mark.
    QString transcribeWord(int i);
    // Transcribes every word from the last to the first, so that the look-ahead of each
    // word finds its neighbour done, and each run of "is" from its first word, so that
    // its look-back does too: the call depth stays small however long the segment.
    void transcribeAllBackwards();
    const QStringList &words() const { return m_words; }

private:
    // The transcription the rules of the neighbours look at: a guess without its mark.
    QString form(int i);
    QString compute(int i);
    OptText guessed(const QString &w);
    std::optional<QString> fromCollocations(int i);
    QString isRule(int i);
    std::optional<QString> fromFunctionWords(int i);
    // Whether "is" at i (inside the phrase) keeps its full form where it would contract.
    bool staysFull(int i);
    FunctionForm formBeforeIs(const FunctionWordRow &row, int i);
    void resolveLinkingR(QString &t, int i);
    std::optional<QString> possessive(const QString &w);
    std::optional<QString> hyphenated(const QString &w);
    OptText lookup(const QString &w);
    int last() const { return int(m_words.size()) - 1; }

    QStringList m_words;
    Accent m_accent;
    Lexicon &m_lexicon;
    const Guesser *m_guess;
    QVector<std::optional<QString>> m_done;
    QVector<bool> m_busy;
    QVector<bool> m_guessed;
};

// Whether a transcription begins with a vowel (for the choice of a function word's form).
bool StartsWithVowel(const QString &transcription);

// The vowel a following word must start with for a linking "(r)" to be sounded.
bool isLinkingVowel(QChar c);
// The modifier marks skipped at the start of the next word's transcription.
bool isLeadingModifier(QChar c);

} // namespace vocalith

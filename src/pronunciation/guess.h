#pragma once
// Transcriptions of words that the lexicon does not know, made at run time from espeak-ng
// with the conversion that makes the lexicon's own entries.

#include "pronunciation/accent.h"
#include "pronunciation/espeaksession.h"

#include <QString>
#include <optional>

namespace vocalith::pronunciation {

// The transcription panel's check box.
inline const QString kGuessUnknownWords = QStringLiteral("Guess unknown words");
inline const QString kGuessUnknownWordsTip =
    QStringLiteral(u"Words the lexicon does not know get a transcription from espeak-ng, marked \u2248");

// Whether a word is one espeak-ng's English voices are given: letters of the Latin script,
// apostrophes and hyphens, with at least one letter. espeak-ng 1.51 reads freed memory on
// some letters of other scripts (Hangul jamo such as U+11F1), so those words are never
// handed to it.
bool isGuessableWord(QStringView word);

// The guessed transcription of a lower-case word in the accent, in the lexicon's notation
// (British with the linking-r mark, as the word list has it); nullopt for a word that is
// not guessable, and when espeak-ng cannot start or gives nothing the conversion reads.
// Guesses are remembered; safe to call from any thread.
std::optional<QString> guessTranscription(const QString &word, Accent accent);

} // namespace vocalith::pronunciation

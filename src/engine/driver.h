#pragma once
// The Transcribe command without its window: text and accent in, stored transcription out.

#include "engine/accent.h"
#include "engine/lexicon/lexicon.h"

#include <QString>
#include <functional>
#include <optional>

namespace vocalith {

struct TranscribeObserver {
    // Called once the text is cut into its segments, before any word is transcribed.
    std::function<void(int segmentCount)> started;
    // Called for each transcribed word: zero-based segment, segment count, word, transcription.
    std::function<void(int segment, int segmentCount, const QString &word, const QString &transcription)> word;
    // Called after each segment with the number of segments done.
    std::function<void(int done)> segmentDone;
    // Polled at the start of every segment; true ends the run with what is done so far.
    std::function<bool()> stopRequested;
};

// The input text after normalisation, cut into its segments, with numbers, money amounts
// and quotes dealt with (the segments the main pass transcribes).
QStringList SegmentText(const QString &text, Accent accent);

// Transcribes a text as typed into the input box. Returns nullopt when the text is empty
// after trimming (nothing changes then); otherwise the stored transcription, which is
// partial when the observer asked to stop.
std::optional<QString> Transcribe(const QString &text, Accent accent, Lexicon &lexicon,
                                  const TranscribeObserver &observer = {});

// The "Remove CR" command: every CR LF becomes a space, then double spaces are halved.
QString RemoveCarriageReturns(const QString &text);

extern const QString kCrLf;

} // namespace vocalith

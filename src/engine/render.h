#pragma once
// Rendering of a stored transcription under the nine display options.

#include "pronunciation/accent.h"

#include <QString>
#include <array>
#include <optional>

namespace vocalith {

struct RenderOptions {
    bool removeStress = false;      // chkStress
    bool intrusiveR = true;         // chkIntrusiveR (British only)
    bool slash = true;              // chkSlash: "/" instead of "|"
    bool keepPunctuation = false;   // chkPunctuation (only while syllables are hidden)
    bool removeCRs = true;          // chkRemoveCRs
    bool showSyllables = true;      // chkSyllables
    bool keepSpaces = true;         // chkKeepSpaces
    bool list = true;               // chkList
    bool syllabicConsonants = true; // chkSyllabicConsonants

    // The punctuation box is usable only while syllable dots are hidden (the dot and the
    // full stop are the same character).
    bool punctuationEnabled() const { return !showSyllables; }
    bool operator==(const RenderOptions &) const = default;
};

// An option with its name in the settings file, its check box and its caption.
struct RenderOptionInfo {
    const char *key;
    const char *checkBox;
    const char *caption;
    bool RenderOptions::*member;
};

// The nine options in the order the settings file writes them.
extern const std::array<RenderOptionInfo, 9> kRenderOptions;
const RenderOptionInfo *findRenderOption(const QString &key);

// The text the editor shows for a stored transcription; nullopt for an empty one (the
// editor then keeps its text).
std::optional<QString> RenderTranscription(const QString &stored, const RenderOptions &options, Accent accent);

// Renders a stored transcription that arrives in pieces, with the text RenderTranscription
// gives for the whole and memory that does not grow with it: the text is cut where every
// rendering step acts on each side as it would on the whole (between two consonants that no
// step touches), and each part is rendered once the cut behind it is known.
class PiecewiseRenderer {
public:
    explicit PiecewiseRenderer(const RenderOptions &options, Accent accent, qsizetype pieceSize = 32768);

    // Takes the next piece of the stored transcription; returns the rendered text that is
    // final now (empty until about pieceSize units are waiting).
    QString add(const QString &stored);
    // Ends the text: the rest of the rendered text, or nullopt when the whole stored
    // transcription was empty.
    std::optional<QString> finish();

private:
    RenderOptions m_options;
    Accent m_accent;
    qsizetype m_pieceSize;
    QString m_pending;
    qsizetype m_unsearched = 1; // cuts before this position of m_pending are known not to exist
    bool m_started = false;     // a part has been rendered
};

// Put before a guessed word's transcription in the stored transcription ("≈ˈbɒŋ.ɡəʊ"): not
// an IPA symbol, a stress mark, a syllable dot or a bracket, so it stays visible under every
// display option; intrusive r looks past it as past a stress mark.
extern const QString kGuessMark;

QString RemoveStressMarks(QString text);
QString AddIntrusiveR(QString text);

} // namespace vocalith

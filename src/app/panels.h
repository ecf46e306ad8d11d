#pragma once
// The four panels of the main window: which frames each shows, which caption is lit,
// and the Tag texts of the panel buttons.

#include <QString>
#include <array>

namespace vocalith {

enum class Panel { Transcription, Rhymes, Update, Language };
// fraText, fraPhonetics, fraHelpMe, fraRhymes, fraLanguage
enum class PanelFrame { Text, Phonetics, HelpMe, Rhymes, Language };
// lblTranscription, lblRhymes, lblUpdate
enum class PanelCaption { Transcription, Rhymes, Update };

struct PanelState {
    std::array<QString, 4> tags;    // Tag of picTranscription, picRhymes, picUpdate, picLanguage
    std::array<bool, 5> frames{};   // visible, by PanelFrame
    std::array<bool, 3> captions{}; // active colour, by PanelCaption

    QString tag(Panel p) const { return tags[size_t(p)]; }
    bool frameVisible(PanelFrame f) const { return frames[size_t(f)]; }
    bool captionActive(PanelCaption c) const { return captions[size_t(c)]; }
    bool operator==(const PanelState &) const = default;
};

// A Tag reads as "on" unless it reads as the number 0 (text that is not a number reads as 0).
bool tagIsOn(const QString &tag);

// The window at start-up: the transcription panel.
PanelState initialPanelState();

// A click on a panel button. The button acts only while its Tag reads as 0; returns false
// and leaves the state as it was for a click on the active panel.
bool switchPanel(PanelState &state, Panel panel);

} // namespace vocalith

#pragma once
// The on-screen IPA keyboard: its phoneme buttons, its symbol buttons and the recently
// used symbols that the IPA chart feeds.

#include <QString>
#include <array>
#include <span>

namespace vocalith {

struct SymbolEntry {
    const char16_t *symbol;
    const char16_t *description; // tooltip; empty for none
};

// The 50 phoneme buttons in index order.
std::span<const SymbolEntry> phonemeButtons();

// Groups of the phoneme buttons: heading and index range.
struct ButtonGroup {
    const char *heading;
    int first, count;
};
std::span<const ButtonGroup> phonemeGroups();

extern const QString kKeyboardTitle;    // "Phonetic editor"
extern const QString kAddSymbolTip;     // tooltip of a symbol button until the chart sets one
extern const QString kRecentSymbolsTip; // tooltip of the group of symbol buttons
extern const QString kShowMoreSymbols;  // the chart button
extern const QString kFromEditorTip;    // the two buttons that copy the editor's text
extern const QString kSlash, kVertical;

constexpr int kSymbolButtonCount = 13; // element 0 fixed, 1 to 12 recent

struct SymbolButton {
    QString symbol;
    QString tooltip;
    bool operator==(const SymbolButton &) const = default;
};

// The symbol buttons: element 0 is the fixed length mark, elements 1 to 12 hold the
// symbols most recently taken from the IPA chart, newest first.
class RecentSymbols {
public:
    RecentSymbols();
    const SymbolButton &button(int index) const { return m_buttons[size_t(index)]; }
    const std::array<SymbolButton, kSymbolButtonCount> &buttons() const { return m_buttons; }

    // A symbol picked in the chart. When it is not on buttons 1 to 12 the buttons move
    // down by one (the last is dropped) and it goes on button 1 with its description.
    // Returns whether the buttons changed.
    bool pick(const QString &symbol, const QString &description);

    // Buttons 1 to 12 from a saved list, in order (its first twelve entries); buttons
    // beyond the list keep their start-up symbols, element 0 stays the length mark.
    void restore(std::span<const SymbolButton> recent);

    bool operator==(const RecentSymbols &) const = default;

private:
    std::array<SymbolButton, kSymbolButtonCount> m_buttons;
};

// The face of a button for a symbol: a combining mark alone is shown on a dotted circle.
QString displayCaption(const QString &symbol);

// The face of a key of the on-screen keyboard: the syllabic mark stands under an n, as it
// is written (n̩), since on the dotted circle it is too faint to read as a key; any other
// symbol as displayCaption shows it.
QString keyFace(const QString &symbol);

} // namespace vocalith

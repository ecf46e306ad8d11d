#pragma once
// The IPA chart: 135 symbols with their descriptions, in four sections.

#include "editor/keyboard.h"

#include <QStringList>
#include <span>

namespace vocalith {

extern const QString kChartTitle; // "IPA Symbols"
// A chart tooltip naming the editor's key of its symbol: description, then the keys.
extern const QString kChartKeyTip;
extern const QString kChartKeysSeparator; // between two keys of one symbol

constexpr int kChartRowLength = 14; // buttons per row, counted from each section's start

struct ChartSection {
    const char *name; // objectName of the heading
    const char *heading;
    int first, count; // zero-based entry range
};

std::span<const ChartSection> chartSections();

// The symbols and the descriptions, parallel, in chart order.
QStringList SymbolList();
QStringList DescriptionList();

// The tooltip of an entry's button: its description, and the editor's keys that type
// the symbol when there are any.
QString chartToolTip(int index);

// Where an entry's button stands: its section, the row within the section and the column.
struct ChartCell {
    int section, row, column;
    bool operator==(const ChartCell &) const = default;
};
ChartCell chartCell(int index);

} // namespace vocalith

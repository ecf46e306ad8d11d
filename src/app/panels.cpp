#include "app/panels.h"

#include <optional>

namespace vocalith {

namespace {

// What a panel button changes. A caption left as nullopt keeps its colour.
struct PanelRule {
    std::array<std::optional<bool>, 5> frames; // by PanelFrame; nullopt: untouched
    std::array<std::optional<bool>, 3> captions;
};

constexpr bool Y = true, N = false;
constexpr std::nullopt_t U = std::nullopt;

// Columns of frames: Text, Phonetics, HelpMe, Rhymes, Language. The editor beside the
// rhymes and accent panels stays as it is.
// clang-format off
const PanelRule kRules[] = {
    /* Transcription */ {{Y, Y, N, N, N}, {Y, N, N}},
    /* Rhymes        */ {{N, U, N, Y, N}, {N, Y, N}},
    /* Update        */ {{N, Y, Y, N, N}, {N, N, Y}},
    /* Language      */ {{N, U, N, N, Y}, {U, U, U}},
};
// clang-format on

} // namespace

bool tagIsOn(const QString &tag) {
    bool ok = false;
    const double v = tag.trimmed().toDouble(&ok);
    return ok && v != 0;
}

PanelState initialPanelState() {
    PanelState s;
    s.tags = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    s.frames = {true, true, false, false, false};
    s.captions = {true, false, false};
    return s;
}

bool switchPanel(PanelState &state, Panel panel) {
    if (tagIsOn(state.tag(panel)))
        return false;
    const PanelRule &rule = kRules[size_t(panel)];
    for (size_t f = 0; f < state.frames.size(); ++f)
        if (rule.frames[f])
            state.frames[f] = *rule.frames[f];
    for (size_t c = 0; c < state.captions.size(); ++c)
        if (rule.captions[c])
            state.captions[c] = *rule.captions[c];
    for (size_t p = 0; p < state.tags.size(); ++p)
        state.tags[p] = p == size_t(panel) ? QStringLiteral("1") : QStringLiteral("0");
    return true;
}

} // namespace vocalith

#pragma once

#include <QString>
#include <optional>

namespace vocalith {

// The two accents; the code also names the lexicon column of that accent.
enum class Accent { BrE, AmE };

inline QString accentCode(Accent a) { return a == Accent::AmE ? QStringLiteral("AmE") : QStringLiteral("BrE"); }

// "bre"/"ame" in any letter case; anything else has no accent.
inline std::optional<Accent> parseAccent(const QString &code) {
    if (code.compare(QLatin1String("bre"), Qt::CaseInsensitive) == 0)
        return Accent::BrE;
    if (code.compare(QLatin1String("ame"), Qt::CaseInsensitive) == 0)
        return Accent::AmE;
    return std::nullopt;
}

} // namespace vocalith

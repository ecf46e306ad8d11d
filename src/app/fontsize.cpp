#include "app/fontsize.h"

#include "engine/numbers.h"

namespace vocalith {

std::optional<double> parseFontSize(const QString &text) {
    if (!isNumeric(text))
        return std::nullopt;
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1Char('(')) && digits.endsWith(QLatin1Char(')')))
        digits = digits.mid(1, digits.size() - 2).trimmed();
    digits.remove(QLatin1Char(','));
    bool ok = false;
    const double size = digits.toDouble(&ok);
    if (!ok || size <= 0 || size > 1000)
        return std::nullopt;
    return size;
}

} // namespace vocalith

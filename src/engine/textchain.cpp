#include "engine/textchain.h"

namespace vocalith {

void applyChain(QString &text, std::span<const Replacement> chain) {
    for (const Replacement &r : chain) {
        const QString find = QString::fromRawData(reinterpret_cast<const QChar *>(r.find),
                                                  qsizetype(std::char_traits<char16_t>::length(r.find)));
        if (!text.contains(find))
            continue;
        const QString replace = QString::fromRawData(reinterpret_cast<const QChar *>(r.replace),
                                                     qsizetype(std::char_traits<char16_t>::length(r.replace)));
        text.replace(find, replace);
    }
}

} // namespace vocalith

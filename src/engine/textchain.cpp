#include "engine/textchain.h"

namespace vocalith {

namespace {
QStringView view(const char16_t *s) {
    return QStringView(s, qsizetype(std::char_traits<char16_t>::length(s)));
}
} // namespace

void replaceAll(QString &text, QStringView find, QStringView replace) {
    if (find.isEmpty())
        return;
    qsizetype at = QStringView(text).indexOf(find);
    if (at < 0)
        return;
    if (find.size() == replace.size()) {
        // Same length: overwrite in place.
        QChar *data = text.data();
        while (at >= 0) {
            std::copy(replace.begin(), replace.end(), data + at);
            at = QStringView(text).indexOf(find, at + find.size());
        }
        return;
    }
    // One left-to-right scan; replacement text is never searched again.
    QString out;
    out.reserve(text.size() + (replace.size() > find.size() ? text.size() / 4 : 0));
    qsizetype from = 0;
    const QStringView source(text);
    while (at >= 0) {
        out.append(source.mid(from, at - from));
        out.append(replace);
        from = at + find.size();
        at = source.indexOf(find, from);
    }
    out.append(source.mid(from));
    text = std::move(out);
}

void applyChain(QString &text, std::span<const Replacement> chain) {
    for (const Replacement &r : chain)
        replaceAll(text, view(r.find), view(r.replace));
}

} // namespace vocalith

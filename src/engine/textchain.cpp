#include "engine/textchain.h"

namespace vocalith {

namespace {
QStringView view(const char16_t *s) { return QStringView(s, qsizetype(std::char_traits<char16_t>::length(s))); }
// Finds needle from a position: looks for its first character that is not a space with
// the vectorised single-character search (spaces are everywhere in text, the other
// characters of the chains' keys are rare), then compares the whole needle.
qsizetype findFrom(QStringView hay, QStringView needle, qsizetype from) {
    qsizetype k = 0;
    while (k < needle.size() - 1 && needle[k] == QLatin1Char(' '))
        ++k;
    const QChar anchor = needle[k];
    for (qsizetype at = hay.indexOf(anchor, from + k); at >= 0; at = hay.indexOf(anchor, at + 1)) {
        const qsizetype start = at - k;
        if (start + needle.size() <= hay.size() && hay.mid(start, needle.size()) == needle)
            return start;
    }
    return -1;
}

} // namespace

void replaceAll(QString &text, QStringView find, QStringView replace) {
    if (find.isEmpty())
        return;
    qsizetype at = findFrom(text, find, 0);
    if (at < 0)
        return;
    if (find.size() == replace.size()) {
        // Same length: overwrite in place.
        QChar *data = text.data();
        while (at >= 0) {
            std::copy(replace.begin(), replace.end(), data + at);
            at = findFrom(text, find, at + find.size());
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
        at = findFrom(source, find, from);
    }
    out.append(source.mid(from));
    text = std::move(out);
}

void applyChain(QString &text, std::span<const Replacement> chain) {
    for (const Replacement &r : chain)
        replaceAll(text, view(r.find), view(r.replace));
}

QStringView trimSpaces(QStringView text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == u' ')
        ++b;
    while (e > b && text[e - 1] == u' ')
        --e;
    return text.sliced(b, e - b);
}

} // namespace vocalith

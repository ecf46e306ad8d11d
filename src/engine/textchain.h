#pragma once
// Ordered chains of whole-text replacements. Every chain of the program is a table of
// these pairs applied by applyChain, so its order can be read in one place.

#include <QString>
#include <span>

namespace vocalith {

struct Replacement {
    const char16_t *find;
    const char16_t *replace;
};

// Replaces every occurrence of find, left to right, in one pass (like QString::replace,
// but with a scan that stays fast for the one-character keys the chains are full of).
void replaceAll(QString &text, QStringView find, QStringView replace);

// Applies each pair in order, each replacing every occurrence, left to right, case-sensitive.
void applyChain(QString &text, std::span<const Replacement> chain);

inline QString applied(QString text, std::span<const Replacement> chain) {
    applyChain(text, chain);
    return text;
}

// The text without the plain spaces at both ends (the boxes' trimming: tabs and line
// breaks are not spaces here).
QStringView trimSpaces(QStringView text);
inline QString trimSpaces(const QString &text) { return trimSpaces(QStringView(text)).toString(); }

} // namespace vocalith

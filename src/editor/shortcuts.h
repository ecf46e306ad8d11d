#pragma once
// Shortcut keys of the editor boxes: a key's meaning on a US layout (Qt key code) and its
// exact modifiers give an IPA symbol.

#include <QString>
#include <QStringList>
#include <Qt>
#include <optional>

namespace vocalith {

// The text a key inserts, or nullopt when no row matches (the key is typed normally).
// Ctrl, Alt, AltGr, Meta and keypad keys never match.
std::optional<QString> shortcutText(int key, Qt::KeyboardModifiers modifiers);

// The names of the keys that type exactly this symbol, in table order ("⇧[", ","); none
// when no single key types it.
QStringList shortcutKeyNames(const QString &symbol);

// How the keyboard's small label names the keys that type a symbol: "⇧S", "G", "⇧[ ,"
// (either key), and for a symbol of several characters the keys in turn ("⇧A⇧." for ɑː,
// "e⇧I" for eɪ). Empty when a character has no key, or when every one is a plain letter.
QString shortcutKeyLabel(const QString &symbol);

} // namespace vocalith

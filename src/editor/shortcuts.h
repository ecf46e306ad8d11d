#pragma once
// Shortcut keys of the editor boxes: a key's meaning on a US layout (Qt key code) and its
// exact modifiers give an IPA symbol.

#include <QString>
#include <Qt>
#include <optional>
#include <span>

namespace vocalith {

struct ShortcutKey {
    int key;                         // Qt::Key
    Qt::KeyboardModifiers modifiers; // exactly these (Shift or none)
    const char16_t *text;            // what the key inserts
};

// The table in the order its rows are tried.
std::span<const ShortcutKey> shortcutKeys();

// The text a key inserts, or nullopt when no row matches (the key is typed normally).
// Ctrl, Alt, AltGr, Meta and keypad keys never match.
std::optional<QString> ShortcutText(int key, Qt::KeyboardModifiers modifiers);

// How the keyboard's small label names the key that types a symbol ("⇧S", "G", "["),
// or an empty text when no single key types it.
QString ShortcutLabel(const QString &symbol);

} // namespace vocalith

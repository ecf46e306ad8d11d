#include "editor/shortcuts.h"

#include <array>

namespace vocalith {

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

struct ShortcutKey {
    int key;                         // Qt::Key
    Qt::KeyboardModifiers modifiers; // exactly these (Shift or none)
    const char16_t *text;            // what the key inserts
};

// Shift+[ is "{" and Shift+. is ">" on a US layout; Qt reports the key of the typed
// character, so both spellings of those keys are listed.
// clang-format off
const std::array<ShortcutKey, 23> kShortcuts = {{
    {Qt::Key_H, kShift, u"t\u0283"},
    {Qt::Key_G, kNone, u"\u0261"},
    {Qt::Key_X, kNone, u"d\u0292"},
    {Qt::Key_8, kNone, u"\u03B8"},
    {Qt::Key_D, kShift, u"\u00F0"},
    {Qt::Key_S, kShift, u"\u0283"},
    {Qt::Key_3, kNone, u"\u0292"},
    {Qt::Key_N, kShift, u"\u014B"},
    {Qt::Key_I, kShift, u"\u026A"},
    {Qt::Key_U, kShift, u"\u028A"},
    {Qt::Key_E, kShift, u"\u0259"},
    {Qt::Key_B, kShift, u"\u025C"},
    {Qt::Key_C, kShift, u"\u0254"},
    {Qt::Key_X, kShift, u"\u00E6"},
    {Qt::Key_V, kShift, u"\u028C"},
    {Qt::Key_A, kShift, u"\u0251"},
    {Qt::Key_O, kShift, u"\u0252"},
    {Qt::Key_BracketLeft, kNone, u"\u02C8"},
    {Qt::Key_BraceLeft, kShift, u"\u02CC"},
    {Qt::Key_BracketLeft, kShift, u"\u02CC"},
    {Qt::Key_Comma, kNone, u"\u02CC"},
    {Qt::Key_Greater, kShift, u"\u02D0"},
    {Qt::Key_Period, kShift, u"\u02D0"},
}};
// clang-format on

// Modifiers that take part in the match; any of them outside the row's set fails it.
constexpr Qt::KeyboardModifiers kRelevant = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                            Qt::MetaModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;

QString keyName(int key) {
    switch (key) {
    case Qt::Key_BracketLeft:
        return QStringLiteral("[");
    case Qt::Key_BraceLeft:
        return QStringLiteral("[");
    case Qt::Key_Comma:
        return QStringLiteral(",");
    case Qt::Key_Greater:
    case Qt::Key_Period:
        return QStringLiteral(".");
    default:
        return QString(QChar(key));
    }
}

} // namespace

std::optional<QString> shortcutText(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers pressed = modifiers & kRelevant;
    for (const ShortcutKey &s : kShortcuts)
        if (s.key == key && s.modifiers == pressed)
            return QString::fromUtf16(s.text);
    return std::nullopt;
}

QStringList shortcutKeyNames(const QString &symbol) {
    QStringList names;
    for (const ShortcutKey &s : kShortcuts) {
        if (QString::fromUtf16(s.text) != symbol)
            continue;
        const QString name = (s.modifiers & Qt::ShiftModifier ? QStringLiteral("\u21E7") : QString()) + keyName(s.key);
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QString shortcutKeyLabel(const QString &symbol) {
    const QStringList whole = shortcutKeyNames(symbol);
    if (!whole.isEmpty() || symbol.size() < 2)
        return whole.join(QLatin1Char(' '));
    // A symbol of several characters is typed character by character: its label is the
    // keys in turn, a lower-case letter standing for itself. One character that no key
    // types leaves the symbol without a label, and so does a symbol of letters alone.
    QString label;
    bool needsShortcut = false;
    for (const QChar c : symbol) {
        const QStringList keys = shortcutKeyNames(QString(c));
        if (!keys.isEmpty()) {
            label += keys.front();
            needsShortcut = true;
        } else if (c >= QLatin1Char('a') && c <= QLatin1Char('z') && c != QLatin1Char('g')) {
            label += c;
        } else {
            return {};
        }
    }
    return needsShortcut ? label : QString();
}

} // namespace vocalith

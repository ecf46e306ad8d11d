#include "encodings/htmlreferences.h"

#include "encodings/symbolinventory.h"

namespace vocalith {
namespace {

// The rules of the reference converters replace whole references or single inventory
// characters. Keys never overlap and no replacement creates a key, so one left-to-right
// scan gives the same result as running the inventory's rules one after another.

constexpr QStringView kDecimalOpen = u"&#";
constexpr QStringView kHexOpen = u"&#x";
constexpr char16_t kClose = u';';
constexpr char16_t kLigatureDZ = u'\u02A4';
constexpr char16_t kLigatureTS = u'\u02A7';

// Import never produces the affricate ligatures; they come back as two letters.
void appendDecoded(QString &out, char16_t symbol) {
    if (symbol == kLigatureDZ)
        out += QStringView(u"d\u0292");
    else if (symbol == kLigatureTS)
        out += QStringView(u"t\u0283");
    else
        out += QChar(symbol);
}

enum class Radix { Decimal, Hexadecimal };

using ReferenceTable = std::array<QString, SymbolInventory.size()>;

// The export reference of every inventory symbol, by inventory position.
const ReferenceTable &references(Radix radix) {
    static const auto make = [](Radix r) {
        ReferenceTable table;
        for (size_t k = 0; k < SymbolInventory.size(); ++k) {
            const unsigned code = SymbolInventory[k];
            if (r == Radix::Decimal)
                table[k] = kDecimalOpen.toString() + QString::number(code);
            else
                table[k] = kHexOpen.toString() + QString::number(code, 16).toUpper().rightJustified(4, u'0');
            table[k] += QChar(kClose);
        }
        return table;
    };
    static const ReferenceTable decimal = make(Radix::Decimal);
    static const ReferenceTable hexadecimal = make(Radix::Hexadecimal);
    return radix == Radix::Decimal ? decimal : hexadecimal;
}

QString exportReferences(const QString &text, Radix radix) {
    const ReferenceTable &table = references(radix);
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int index = inventoryIndex(c.unicode());
        if (index < 0)
            out += c;
        else
            out += table[size_t(index)];
    }
    return out;
}

int digitValue(QChar c, Radix radix) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (radix == Radix::Hexadecimal && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Tries to read a reference starting at text[at] (which is "&"). On success returns the
// inventory symbol and sets `end` past the ";".
std::optional<char16_t> readReference(const QString &text, qsizetype at, Radix radix, qsizetype &end) {
    const QStringView prefix = radix == Radix::Decimal ? kDecimalOpen : kHexOpen;
    if (!QStringView(text).mid(at).startsWith(prefix))
        return std::nullopt;
    const qsizetype first = at + prefix.size();
    constexpr qsizetype kMaxDigits = 6; // more digits than any inventory reference has
    unsigned value = 0;
    qsizetype k = first;
    for (; k < text.size() && k - first <= kMaxDigits; ++k) {
        const int d = digitValue(text[k], radix);
        if (d < 0)
            break;
        value = value * (radix == Radix::Decimal ? 10 : 16) + unsigned(d);
    }
    const qsizetype digits = k - first;
    if (digits == 0 || digits > kMaxDigits || k >= text.size() || text[k] != kClose)
        return std::nullopt;
    const bool leadingZero = text[first] == u'0';
    // Decimal: no leading zero. Hexadecimal: exactly four digits, or none of them a leading zero.
    if (leadingZero && !(radix == Radix::Hexadecimal && digits == 4))
        return std::nullopt;
    end = k + 1;
    return inventorySymbol(value);
}

QString importReferences(const QString &text, Radix radix) {
    if (!text.contains(kDecimalOpen))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = 0;
        if (text[i] == u'&') {
            if (const auto symbol = readReference(text, i, radix, end)) {
                appendDecoded(out, *symbol);
                i = end;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

} // namespace

QString Text2HTML(QString Text) { return exportReferences(Text, Radix::Decimal); }
QString HTML2Text(QString Text) { return importReferences(Text, Radix::Decimal); }
QString Text2HexHTML(QString Text) { return exportReferences(Text, Radix::Hexadecimal); }
QString HexHTML2Text(QString Text) { return importReferences(Text, Radix::Hexadecimal); }

} // namespace vocalith

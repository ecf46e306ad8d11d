#include "encodings/stringexpression.h"

#include "encodings/symbolinventory.h"
#include "engine/textchain.h"

#include <array>
#include <string>
#include <vector>

namespace vocalith {
namespace {

constexpr QStringView kJoiner = u" & ";
// A joiner between two quoted pieces; removing it merges the pieces.
constexpr QStringView kPieceBreak = u"\" & \"";
constexpr char16_t kQuote = u'"';
constexpr QStringView kCallOpen = u"ChrW(";
constexpr QStringView kCallClose = u")";

// The characters written between double quotes, in rule order.
// clang-format off
constexpr std::array<char16_t, 37> kQuotable = {
    u'a', u'b', u'c', u'd', u'e', u'f', u'g', u'h', u'i', u'j', u'k', u'l', u'm', u'n', u'\u00F1',
    u'o', u'p', u'q', u'r', u's', u't', u'u', u'v', u'w', u'x', u'y', u'z',
    u',', u'.', u':', u';', u'\u00BF', u'?', u'!', u'\u00A1', u'=', u'|',
};
// clang-format on

bool isQuotable(char16_t c) {
    for (const char16_t q : kQuotable)
        if (q == c)
            return true;
    return false;
}

QString codeCall(char16_t symbol) {
    return kCallOpen.toString() + QString::number(unsigned(symbol)) + kCallClose.toString();
}

// Import chain: joiners out, quoted characters, code calls, then the remaining quotes.
// The keys and values are built once from the quotable list and the inventory.
std::span<const Replacement> importChain() {
    struct Chain {
        std::vector<std::u16string> storage;
        std::vector<Replacement> rules;
        Chain() {
            auto add = [this](const QString &find, const QString &replace) {
                storage.push_back(find.toStdU16String());
                storage.push_back(replace.toStdU16String());
            };
            add(kJoiner.toString(), {});
            for (const char16_t q : kQuotable)
                add(QString(kQuote) + QChar(q) + QChar(kQuote), QString(QChar(q)));
            for (const char16_t s : SymbolInventory)
                add(codeCall(s), QString(QChar(s)));
            add(QString(kQuote), {});
            for (size_t k = 0; k < storage.size(); k += 2)
                rules.push_back({storage[k].c_str(), storage[k + 1].c_str()});
        }
    };
    static const Chain chain;
    return chain.rules;
}

} // namespace

QString Text2StringExpression(QString Text) {
    // The rules for the space, the quotable characters and the inventory symbols each map one
    // character, and no replacement holds a later rule's key, so they run as one scan.
    static const auto calls = [] {
        std::array<QString, SymbolInventory.size()> table;
        for (size_t k = 0; k < SymbolInventory.size(); ++k)
            table[k] = codeCall(SymbolInventory[k]) + kJoiner.toString();
        return table;
    }();
    QString out;
    out.reserve(Text.size() * 3);
    for (const QChar c : Text) {
        const char16_t u = c.unicode();
        if (u == u' ' || isQuotable(u)) {
            out += QChar(kQuote);
            out += c;
            out += QChar(kQuote);
            out += kJoiner;
        } else if (const int index = inventoryIndex(u); index >= 0) {
            out += calls[size_t(index)];
        } else {
            out += c;
        }
    }
    // Trim spaces (only U+0020; line breaks at either end stay).
    qsizetype begin = 0, end = out.size();
    while (begin < end && out[begin] == u' ')
        ++begin;
    while (end > begin && out[end - 1] == u' ')
        --end;
    out = out.mid(begin, end - begin);
    // A final joiner loses its "&"; the space before it stays.
    if (out.endsWith(u'&'))
        out.chop(1);
    out.remove(kPieceBreak.toString());
    return out;
}

QString VB2Unicode(QString Text) { return applied(std::move(Text), importChain()); }

} // namespace vocalith

// The number speller on any text. The first byte chooses the call: 'n' a plain number in
// British English, 'N' in American English, '$' 'u' 'c' 'e' 'p' 'x' an amount in dollars,
// U.S. dollars, Canadian dollars, euros, pounds or an unknown symbol; the rest is the number.

#include "engine/numbers.h"
#include "fuzz.h"

#include <QStringList>
#include <iterator>

using namespace vocalith;

namespace {

// The words a spelled number may contain besides the currency name.
bool isNumberWord(const QString &w) {
    static const QStringList kWords =
        QStringLiteral(
            "zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen "
            "seventeen eighteen nineteen twenty thirty forty fifty sixty seventy eighty ninety hundred thousand "
            "million "
            "billion trillion and point negative cents cent pence penny")
            .split(QLatin1Char(' '));
    return kWords.contains(w);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    struct Mode {
        char key;
        bool amount;
        const char16_t *currency;
        Accent accent;
        const char16_t *name; // of the currency, for one unit
        const char16_t *plural;
    };
    // clang-format off
    static constexpr Mode kModes[] = {
        {'n', false, u"",       Accent::BrE, u"",                u""},
        {'N', false, u"",       Accent::AmE, u"",                u""},
        {'$', true,  u"$",      Accent::BrE, u"dollar",          u"dollars"},
        {'u', true,  u"us$",    Accent::BrE, u"u s dollar",      u"u s dollars"},
        {'c', true,  u"c$",     Accent::BrE, u"canadian dollar", u"canadian dollars"},
        {'e', true,  u"\u20AC", Accent::BrE, u"euro",            u"euros"},
        {'p', true,  u"\u00A3", Accent::BrE, u"pound",           u"pounds"},
        {'x', true,  u"\u00A5", Accent::AmE, u"\u00A5",          u"\u00A5"},
    };
    // clang-format on
    const Mode *mode = &kModes[data[0] % std::size(kModes)];
    for (const Mode &m : kModes)
        if (m.key == char(data[0]))
            mode = &m;
    const QString number = fuzz::utf8(data + 1, size - 1);
    const QString symbol = QString::fromUtf16(mode->currency);
    const NumberWords spelled =
        mode->amount ? amountWords(number, symbol, mode->accent) : numberWords(number, mode->accent);
    const QString words = spelled.text();
    fuzz::check(words == NumberToWords(number, mode->amount, symbol, mode->accent), "the text form agrees", number);

    fuzz::check((spelled.status == NumberWords::Status::NotANumber) == !isNumeric(number),
                "Invalid Number exactly for non-numbers", number);
    if (spelled.status != NumberWords::Status::Spelled)
        return 0;
    // Single spaces between words of the tables, then the currency name for an amount.
    QString rest = words;
    if (mode->amount) {
        const QString plural = QString::fromUtf16(mode->plural);
        const QString name = rest.contains(plural) ? plural : QString::fromUtf16(mode->name);
        fuzz::check(rest.contains(name), "currency named", number);
        rest.replace(name, QString());
    }
    for (const QString &w : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        fuzz::check(isNumberWord(w), "only number words", number + QLatin1String(" -> ") + words);
    fuzz::check(!words.contains(QLatin1String("  ")) && words == words.trimmed(), "single spaces", words);
    return 0;
}

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
        const char *accent;
    };
    static constexpr Mode kModes[] = {
        {'n', false, u"", "BrE"},      {'N', false, u"", "AmE"},      {'$', true, u"$", "BrE"},
        {'u', true, u"us$", "BrE"},    {'c', true, u"c$", "BrE"},     {'e', true, u"\u20AC", "BrE"},
        {'p', true, u"\u00A3", "BrE"}, {'x', true, u"\u00A5", "AmE"},
    };
    const Mode *mode = &kModes[data[0] % std::size(kModes)];
    for (const Mode &m : kModes)
        if (m.key == char(data[0]))
            mode = &m;
    const QString number = fuzz::utf8(data + 1, size - 1);
    QString currency = QString::fromUtf16(mode->currency);
    const QString symbol = currency;
    const QString words = NumberToWords(number, mode->amount, currency, QLatin1String(mode->accent));

    fuzz::check((words == kInvalidNumber) == !IsNumeric(number), "Invalid Number exactly for non-numbers", number);
    if (words == kInvalidNumber || words == kNumberTooBig)
        return 0;
    // Single spaces between words of the tables, then the currency name for an amount.
    QString rest = words;
    if (mode->amount) {
        fuzz::check(currency != symbol || symbol == QStringLiteral(u"\u00A5"), "currency named", number);
        rest.replace(currency, QString());
    }
    for (const QString &w : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        fuzz::check(isNumberWord(w), "only number words", number + QLatin1String(" -> ") + words);
    fuzz::check(!words.contains(QLatin1String("  ")) && words == words.trimmed(), "single spaces", words);
    return 0;
}

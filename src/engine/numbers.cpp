#include "engine/numbers.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace vocalith {

const QString kInvalidNumber = QStringLiteral("Invalid Number");
const QString kNumberTooBig = QStringLiteral("Number too big");

namespace {

constexpr qint64 kTooBig = 999999999999999LL;

struct WordTables {
    QStringList units{"zero",     "one",     "two",     "three",     "four",     "five",    "six",
                      "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
                      "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    QStringList tens{"twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    QStringList scales{"", "thousand", "million", "billion", "trillion"};
};

const WordTables &words() {
    static const WordTables w;
    return w;
}

// A currency's unit in the plural and for exactly one, and its hundredth likewise.
struct Currency {
    const char16_t *symbol;
    const char16_t *name;
    const char16_t *singular;
    const char16_t *minor;
    const char16_t *minorSingular;
};
// clang-format off
constexpr Currency kCurrencies[] = {
    {u"$",      u"dollars",          u"dollar",          u"cents", u"cent"},
    {u"us$",    u"u s dollars",      u"u s dollar",      u"cents", u"cent"},
    {u"c$",     u"canadian dollars", u"canadian dollar", u"cents", u"cent"},
    {u"\u20AC", u"euros",            u"euro",            u"cents", u"cent"},
    {u"\u00A3", u"pounds",           u"pound",           u"pence", u"penny"},
};
// An unknown symbol keeps its text and has cents.
constexpr Currency kOtherCurrency = {nullptr, nullptr, nullptr, u"cents", u"cent"};
// clang-format on

const Currency &currencyOf(const QString &symbol) {
    for (const Currency &c : kCurrencies)
        if (symbol == QStringView(c.symbol))
            return c;
    return kOtherCurrency;
}

void append(QString &result, const QString &words) { result = (result + QLatin1Char(' ') + words).trimmed(); }

// A number as the numeric test reads it: the white space around it, the parentheses and
// the sign taken off, the thousands separators dropped.
struct ParsedNumber {
    bool negative = false;
    QString integerDigits; // possibly empty (".5")
    bool point = false;
    QString decimalDigits; // possibly empty ("4.")
};

// The one reading of a numeric text, shared by the numeric test and the speller so that
// nothing the test accepts reaches the word tables as anything but digits.
std::optional<ParsedNumber> parseNumber(const QString &text) {
    QStringView s = QStringView(text).trimmed();
    ParsedNumber n;
    if (s.size() >= 2 && s.front() == QLatin1Char('(') && s.back() == QLatin1Char(')')) {
        // Accounting parentheses: a negative number, so no sign of its own inside.
        s = s.mid(1, s.size() - 2).trimmed();
        n.negative = true;
    } else if (!s.isEmpty() && (s.front() == QLatin1Char('-') || s.front() == QLatin1Char('+'))) {
        n.negative = s.front() == QLatin1Char('-');
        s = s.mid(1);
    }
    bool digits = false;
    for (const QChar c : s) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits = true;
            (n.point ? n.decimalDigits : n.integerDigits) += c;
        } else if (c == QLatin1Char(',') && !n.point && digits) {
            continue;
        } else if (c == QLatin1Char('.') && !n.point) {
            n.point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return n;
}

// True when the integer digits (leading zeros allowed) reach the limit.
bool reachesLimit(QStringView digits) {
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.mid(1);
    if (digits.size() != 15)
        return digits.size() > 15;
    return digits.toLongLong() >= kTooBig;
}

QString spellInteger(qint64 n, bool british);

// Spells 1..999 with "and" after the hundreds for British English.
QString spellBelowThousand(qint64 n, bool british) {
    const WordTables &w = words();
    QString result;
    if (n > 99) {
        append(result, w.units[int(n / 100)] + QStringLiteral(" hundred"));
        n %= 100;
        if (british && n > 0)
            append(result, QStringLiteral("and"));
    }
    if (n > 19) {
        append(result, w.tens[int(n / 10) - 2]);
        n %= 10;
        if (n > 0)
            append(result, w.units[int(n)]);
    } else if (n > 0) {
        append(result, w.units[int(n)]);
    }
    return result;
}

QString spellInteger(qint64 n, bool british) {
    if (n == 0)
        return words().units[0];
    // The scale is found with integers: floating-point logarithms misjudge numbers
    // just below a power of 1000.
    int g = 0;
    qint64 power = 1;
    while (g < 4 && n / power >= 1000) {
        power *= 1000;
        ++g;
    }
    if (g < 1)
        return spellBelowThousand(n, british);
    QString result;
    const qint64 q = n / power;
    append(result, spellInteger(q, true));
    append(result, words().scales[g]);
    const qint64 rest = n - q * power;
    if (rest > 0)
        append(result, spellInteger(rest, true));
    return result;
}

// Cents of an amount from the digits after the point: the first two digits, with a
// third and later digits rounding the value half to even. May return 100.
int centsOf(const QString &decimals) {
    QString d = decimals;
    if (d.size() < 2)
        return (d + QStringLiteral("00")).left(2).toInt();
    int cents = d.left(2).toInt();
    if (d.size() == 2)
        return cents;
    const QStringView rest = QStringView(d).mid(2);
    const int first = rest.front().digitValue();
    bool beyondHalf = false;
    for (qsizetype k = 1; k < rest.size(); ++k)
        beyondHalf = beyondHalf || rest[k] != QLatin1Char('0');
    if (first > 5 || (first == 5 && (beyondHalf || cents % 2 == 1)))
        ++cents;
    return cents;
}

bool allDigits(QStringView s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The year of four digits as it is said: 1100–1999 and 2010–2099 in pairs ("nineteen
// eighty four", "nineteen hundred", "nineteen oh five", "twenty ten"), 2000–2009 as a
// thousand ("two thousand and five", without "and" in American English).
std::optional<QString> yearWords(QStringView digits, bool british) {
    if (digits.size() != 4 || !allDigits(digits))
        return std::nullopt;
    const int year = digits.toInt();
    const int low = year % 100;
    QString result;
    if (year >= 2000 && year <= 2009) {
        result = spellInteger(2000, british);
        if (low > 0 && british)
            append(result, QStringLiteral("and"));
        if (low > 0)
            append(result, words().units[low]);
        return result;
    }
    if (year < 1100 || year > 2099)
        return std::nullopt;
    result = spellBelowThousand(year / 100, false);
    if (low == 0) {
        append(result, QStringLiteral("hundred"));
    } else {
        if (low < 10)
            append(result, QStringLiteral("oh"));
        append(result, spellBelowThousand(low, false));
    }
    return result;
}

// The text with its last word changed by change.
QString withLastWord(const QString &text, QString (*change)(const QString &)) {
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    return text.left(space + 1) + change(text.mid(space + 1));
}

QString ordinalWord(const QString &w) {
    // clang-format off
    static const QHash<QString, QString> kIrregular = {
        {"one", "first"}, {"two", "second"}, {"three", "third"}, {"five", "fifth"},
        {"eight", "eighth"}, {"nine", "ninth"}, {"twelve", "twelfth"},
    };
    // clang-format on
    if (const auto it = kIrregular.constFind(w); it != kIrregular.cend())
        return *it;
    if (w.endsWith(QLatin1Char('y')))
        return w.chopped(1) + QStringLiteral("ieth");
    return w + QStringLiteral("th");
}

QString pluralWord(const QString &w) {
    if (w.endsWith(QLatin1Char('y')))
        return w.chopped(1) + QStringLiteral("ies");
    return w + QLatin1Char('s');
}

} // namespace

bool isNumeric(const QString &text) { return parseNumber(text).has_value(); }

void FillNumberWords() { words(); }

namespace {

NumberWords spelled(QString text) { return {NumberWords::Status::Spelled, std::move(text)}; }

// A number or, with isAmount, a money amount in the currency of symbol.
NumberWords spell(const QString &number, bool isAmount, const QString &symbol, Accent accent) {
    FillNumberWords();
    const std::optional<ParsedNumber> parsed = parseNumber(number);
    if (!parsed)
        return {NumberWords::Status::NotANumber, {}};
    const bool negative = parsed->negative;
    const QString &integerPart = parsed->integerDigits;
    QString decimalPart = parsed->decimalDigits;
    // No point: no decimals, except for an amount, whose cents are then 0. A point
    // followed by nothing gives the decimal part "0".
    if (parsed->point ? decimalPart.isEmpty() : isAmount)
        decimalPart = QStringLiteral("0");

    if (reachesLimit(integerPart))
        return {NumberWords::Status::TooBig, {}};
    qint64 n = integerPart.isEmpty() ? 0 : integerPart.toLongLong();

    int cents = 0;
    if (isAmount) {
        cents = centsOf(decimalPart);
        if (cents == 100) { // 9.995 rounds up to the next whole unit
            cents = 0;
            ++n;
            if (n >= kTooBig)
                return {NumberWords::Status::TooBig, {}};
        }
    }

    // A value below zero is negative however small its integer part ("-0.5", "-$0.25").
    const bool fraction =
        isAmount ? cents > 0
                 : std::any_of(decimalPart.begin(), decimalPart.end(), [](QChar c) { return c != QLatin1Char('0'); });
    QString result;
    if (negative && (n != 0 || fraction))
        result = QStringLiteral("negative");
    append(result, spellInteger(n, accent == Accent::BrE));

    if (!isAmount) {
        if (!decimalPart.isEmpty()) {
            append(result, QStringLiteral("point"));
            for (const QChar c : decimalPart)
                append(result, words().units[c.digitValue()]);
        }
        return spelled(result);
    }
    // One unit and one hundredth are singular; an unknown symbol stands for itself.
    const Currency &c = currencyOf(symbol);
    append(result, c.symbol ? QString::fromUtf16(n == 1 ? c.singular : c.name) : symbol);
    if (cents > 0) {
        append(result, QStringLiteral("and"));
        append(result, spellInteger(cents, true));
        append(result, QString::fromUtf16(cents == 1 ? c.minorSingular : c.minor));
    }
    return spelled(result);
}

} // namespace

QString NumberWords::text() const {
    if (status == Status::Spelled)
        return words;
    return status == Status::NotANumber ? kInvalidNumber : kNumberTooBig;
}

NumberWords numberWords(const QString &number, Accent accent) { return spell(number, false, {}, accent); }

NumberWords amountWords(const QString &amount, const QString &symbol, Accent accent) {
    return spell(amount, true, symbol, accent);
}

QString NumberToWords(const QString &number, bool isAmount, const QString &currency, Accent accent) {
    return spell(number, isAmount, currency, accent).text();
}

std::optional<QString> runningTextNumber(const QString &word, Accent accent) {
    const bool british = accent == Accent::BrE;
    if (const auto year = yearWords(word, british))
        return year;
    // Ordinals: digits (with thousands separators) and st, nd, rd or th.
    static const QString kOrdinalEndings[] = {QStringLiteral("st"), QStringLiteral("nd"), QStringLiteral("rd"),
                                              QStringLiteral("th")};
    for (const QString &ending : kOrdinalEndings) {
        if (word.size() < 3 || !word.endsWith(ending))
            continue;
        const QString number = word.chopped(2);
        const auto parsed = parseNumber(number);
        if (!parsed || parsed->negative || parsed->point || !number.front().isDigit() || !number.back().isDigit() ||
            reachesLimit(parsed->integerDigits))
            return std::nullopt;
        return withLastWord(spellInteger(parsed->integerDigits.toLongLong(), british), ordinalWord);
    }
    // A year of two digits: "'72" seventy two, "'05" oh five.
    if (word.size() == 3 && word.front() == QLatin1Char('\'') && allDigits(QStringView(word).mid(1))) {
        const int year = word.mid(1).toInt();
        return year < 10 ? QStringLiteral("oh ") + words().units[year] : spellBelowThousand(year, false);
    }
    // Decades: "1990s", "1990's", "'60s", "60s".
    QStringView d(word);
    if (d.endsWith(QLatin1Char('s')))
        d.chop(1);
    else
        return std::nullopt;
    if (d.endsWith(QLatin1Char('\'')))
        d.chop(1);
    if (d.startsWith(QLatin1Char('\'')) && d.size() == 3)
        d = d.mid(1);
    if (!allDigits(d) || !d.endsWith(QLatin1Char('0')))
        return std::nullopt;
    if (d.size() == 2 && d.front() >= QLatin1Char('2'))
        return pluralWord(words().tens[d.front().digitValue() - 2]);
    if (const auto year = yearWords(d, british))
        return withLastWord(*year, pluralWord);
    return std::nullopt;
}

QString scaledAmountToWords(const QString &number, const QString &scale, const QString &currency, Accent accent) {
    const NumberWords plain = numberWords(number, accent);
    if (plain.status != NumberWords::Status::Spelled)
        return plain.text();
    QString result = plain.words;
    const Currency &c = currencyOf(currency);
    append(result, scale);
    append(result, c.symbol ? QString::fromUtf16(c.name) : currency);
    return result;
}

} // namespace vocalith

#include "engine/driver.h"

#include "engine/compiledchain.h"
#include "engine/numbers.h"
#include "engine/textchain.h"
#include "engine/wordtranscriber.h"

namespace vocalith {

const QString kCrLf = QStringLiteral("\r\n");

namespace {

const QString kCut = QStringLiteral("#@#");

// Money amounts are spelled the British way ("one hundred and five dollars") in both accents,
// as the program has always read them; plain numbers follow the run's accent.
constexpr Accent kMoneyAccent = Accent::BrE;

// Normalisation of the input: punctuation becomes its own segment, brackets (of every
// kind), quotes, the em dash and slashes become spaces, "%" and "&" words, the typographic
// apostrophes and the backquote "'". The en dash and "--", the typewriter's dash, are a
// pause: they end the phrase for the rules of context (the word after one opens a phrase)
// without a mark of their own, so the text keeps a space there.
// clang-format off
constexpr Replacement kNormalise[] = {
    {u"\t", u" "},
    {u":", u"#@#:#@#"},
    {u";", u"#@#;#@#"},
    {u"?", u"#@#?#@#"},
    {u"!", u"#@#!#@#"},
    {u"(", u" "},
    {u")", u" "},
    {u"[", u" "},
    {u"]", u" "},
    {u"{", u" "},
    {u"}", u" "},
    {u"<", u" "},
    {u">", u" "},
    {u"%", u" percent "},
    {u"&", u" and "},
    {u"\"", u" "},
    {u"\u2014", u" "},
    {u"\u2013", u"#@#"},
    {u"--", u"#@#"},
    {u"/", u" "},
    {u"\u00B4", u"'"},
    {u"`", u"'"},
    {u"\u2019", u"'"},
    {u"\u2018", u"'"},
    {u".", u"#@#.#@#"},
    {u",", u"#@#,#@#"},
    {u"\r\n", u"#@#\r\n#@#"},
};
// clang-format on

const QString kPunctuationWords[] = {QStringLiteral(","), QStringLiteral("."), QStringLiteral(":"),
                                     QStringLiteral(";"), QStringLiteral("!"), QStringLiteral("?")};

bool isPunctuationWord(const QString &w) {
    for (const QString &p : kPunctuationWords)
        if (w == p)
            return true;
    return false;
}

bool isQuoteMark(QChar c) {
    return c == QChar(0x2018) || c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('*') ||
           c == QLatin1Char('/');
}

// Scale words that make an amount "of millions" ("$2 million"), and their short forms
// written onto the amount ("$2m", "£3bn").
// clang-format off
constexpr std::pair<const char16_t *, const char16_t *> kScaleSuffixes[] = {
    {u"k", u"thousand"}, {u"m", u"million"}, {u"bn", u"billion"}, {u"tn", u"trillion"},
};
// clang-format on

bool isScaleWord(QStringView w) {
    return w == QLatin1String("thousand") || w == QLatin1String("million") || w == QLatin1String("billion") ||
           w == QLatin1String("trillion");
}

// A word with a currency symbol (longer than the symbol) as its symbol and its amount.
std::pair<QString, QString> splitMoney(const QString &w) {
    const QChar first = w.front();
    if (first == QLatin1Char('$') || first == QChar(0x20AC) || first == QChar(0x00A3))
        return {first, w.mid(1)};
    if (w.back() == QChar(0x20AC))
        return {w.back(), w.chopped(1)};
    if (w.startsWith(QLatin1String("c$")))
        return {QStringLiteral("c$"), w.mid(2)};
    return {QStringLiteral("us$"), w.mid(3)};
}

// A word with a currency symbol becomes words; anything else is returned unchanged. An
// amount with a short scale written onto it ("$2m") is that many units.
QString spellMoney(const QString &w) {
    if (w.size() < 2) {
        if (w == QLatin1String("$"))
            return QStringLiteral("dollar");
        if (w == QStringLiteral(u"\u20AC"))
            return QStringLiteral("euro");
        if (w == QStringLiteral(u"\u00A3"))
            return QStringLiteral("pound");
        return w;
    }
    auto [symbol, amount] = splitMoney(w);
    for (const auto &[suffix, word] : kScaleSuffixes) {
        const QStringView s(suffix);
        if (amount.endsWith(s) && isNumeric(amount.chopped(s.size())))
            return scaledAmountToWords(amount.chopped(s.size()), QString::fromUtf16(word), symbol, kMoneyAccent);
    }
    if (!isNumeric(amount))
        return amount;
    return NumberToWords(amount, true, symbol, kMoneyAccent);
}

bool isMoneyWord(const QString &w) {
    return w.startsWith(QLatin1Char('$')) || w.startsWith(QLatin1String("us$")) || w.startsWith(QLatin1String("c$")) ||
           w.startsWith(QChar(0x20AC)) || w.startsWith(QChar(0x00A3)) || w.endsWith(QChar(0x20AC));
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A plain number in words: a year, an ordinal or a decade as people read them, else the
// cardinal; nullopt for a word that is no number.
std::optional<QString> spellNumber(QString w, Accent accent) {
    if (auto words = runningTextNumber(w, accent))
        return words;
    if (!isNumeric(w) || w.startsWith(QChar(0x20AC)) || w.endsWith(QChar(0x20AC)))
        return std::nullopt;
    if (w.endsWith(QLatin1Char('.')))
        w.chop(1);
    return NumberToWords(w, false, {}, accent);
}

// A hyphenated word with numbers among its parts ("21-year-old", "1914-1918") has them
// spelled, their words joined by hyphens, so that the hyphen rule finds every part.
std::optional<QString> spellHyphenatedNumbers(const QString &w, Accent accent) {
    if (!w.contains(QLatin1Char('-')) || std::none_of(w.begin(), w.end(), isDigit))
        return std::nullopt;
    QStringList parts = w.split(QLatin1Char('-'));
    bool changed = false;
    for (QString &part : parts) {
        if (part.isEmpty() || !isDigit(part.front()))
            continue;
        if (const auto words = spellNumber(part, accent)) {
            part = *words;
            part.replace(QLatin1Char(' '), QLatin1Char('-'));
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    return parts.join(QLatin1Char('-'));
}

// Quote marks, asterisks, slashes and hyphens standing alone are no word ("'", "*", "-").
bool isMarkOnly(const QString &w) {
    return std::all_of(w.begin(), w.end(), [](QChar c) { return isQuoteMark(c) || c == QLatin1Char('-'); });
}

QString firstPassWord(QString w, Accent accent) {
    if (!isPunctuationWord(w)) {
        if (isMarkOnly(w))
            return {};
        if (auto words = spellNumber(w, accent))
            w = *words;
        else if (w.size() > 1 && w.front() == QLatin1Char('#') && isDigit(w[1]) && spellNumber(w.mid(1), accent))
            w = QStringLiteral("number ") + *spellNumber(w.mid(1), accent);
        else if (isMoneyWord(w))
            w = spellMoney(w);
        else if (auto spelled = spellHyphenatedNumbers(w, accent))
            w = *spelled;
    }
    const qsizetype before = w.size();
    if (w.size() > 3 && isQuoteMark(w.front()))
        w.remove(0, 1);
    if (w.size() > 3 && isQuoteMark(w.back()))
        w.chop(1);
    // A number in quotes or with a footnote's asterisk ("1983*") is a number too.
    if (w.size() < before && isDigit(w.front()))
        if (auto words = spellNumber(w, accent))
            return *words;
    return w;
}

// Lower case, with a fast path for the common all-ASCII text.
QString lowered(const QString &text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return text.toLower();
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return out;
}

// The "." and "," that belong to a number: those inside a run of digits and separators
// that reads as one number ("1,000", "3.5", "1,234.56"), not those of a list ("1,2") or a
// version or a date ("1.2.3", "12.05.2020"), which stay cut points.
QVector<qsizetype> numberSeparators(QStringView text) {
    QVector<qsizetype> kept;
    const qsizetype n = text.size();
    auto isSeparator = [&](qsizetype k) {
        return (text[k] == QLatin1Char('.') || text[k] == QLatin1Char(',')) && k + 1 < n && isDigit(text[k + 1]);
    };
    for (qsizetype start = 0; start < n; ++start) {
        if (!isDigit(text[start]))
            continue;
        qsizetype end = start;
        while (end < n && (isDigit(text[end]) || isSeparator(end)))
            ++end;
        // The run is digits with separators between them: one number when its commas group
        // the integer part by three and one point at most follows them.
        const QStringView run = text.mid(start, end - start);
        const qsizetype point = run.indexOf(QLatin1Char('.'));
        const QStringView integer = point < 0 ? run : run.left(point);
        bool number = point < 0 || !run.mid(point + 1).contains(QLatin1Char('.'));
        number = number && !run.mid(point < 0 ? run.size() : point).contains(QLatin1Char(','));
        const QList<QStringView> groups = integer.split(QLatin1Char(','));
        for (qsizetype g = 1; g < groups.size() && number; ++g)
            number = groups[g].size() == 3 && groups.front().size() <= 3;
        if (number)
            for (qsizetype k = start; k < end; ++k)
                if (!isDigit(text[k]))
                    kept << k;
        start = end;
    }
    return kept;
}

// The normalisation chain over the text, except at the separators of numbers, which stay
// as they are: no key of the chain reaches across one of them.
QString normalised(const QString &text) {
    // No replacement of the chain holds a character of a later key, so it runs in one pass.
    static const CompiledChain normalise(kNormalise);
    const QVector<qsizetype> kept = numberSeparators(text);
    if (kept.isEmpty())
        return normalise.apply(text);
    QString out;
    qsizetype from = 0;
    for (const qsizetype k : kept) {
        out += normalise.apply(text.mid(from, k - from));
        out += text[k];
        from = k + 1;
    }
    out += normalise.apply(text.mid(from));
    return out;
}

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('\'') || c == QChar(0x2019); }

// Whether the text after position k ends a sentence: nothing but spaces, closing quotes and
// brackets before the end of the line, or a capital letter after them.
bool sentenceEndsBefore(QStringView text, qsizetype k, bool capitalEnds) {
    static constexpr std::u16string_view kSkipped = u" \t\"')\u2019\u201D]";
    while (k < text.size() && kSkipped.find(char16_t(text[k].unicode())) != std::u16string_view::npos)
        ++k;
    if (k >= text.size() || text[k] == QLatin1Char('\r') || text[k] == QLatin1Char('\n'))
        return true;
    return capitalEnds && text[k].isUpper();
}

bool digitFollows(QStringView text, qsizetype k) {
    while (k < text.size() && (text[k] == QLatin1Char(' ') || text[k] == QLatin1Char('\t')))
        ++k;
    return k < text.size() && isDigit(text[k]);
}

// Known abbreviations become their words, and their full stop stays only where it also
// ends the sentence: at the end of a line, and, except after one that stands within a
// sentence ("Mr. Bennet", "e.g. Paris"), before a capital letter ("… etc. Then").
QString expandAbbreviations(const QString &text, const Abbreviations &table) {
    if (table.isEmpty())
        return text;
    QString out;
    const qsizetype n = text.size();
    qsizetype copied = 0;
    for (qsizetype start = 0; start < n; ++start) {
        if (!text[start].isLetter() || (start > 0 && (isWordCharacter(text[start - 1]) || text[start - 1] == '.')))
            continue;
        // Letters, and dots between them ("e.g"), then the full stop if there is one.
        qsizetype end = start;
        while (end < n && (text[end].isLetter() ||
                           (text[end] == QLatin1Char('.') && end + 1 < n && text[end + 1].isLetter() && end > start)))
            ++end;
        const bool stop = end < n && text[end] == QLatin1Char('.');
        const qsizetype after = stop ? end + 1 : end;
        if (end - start > table.longest() ||
            (after < n && (isWordCharacter(text[after]) || text[after] == QLatin1Char('-')))) {
            start = end;
            continue;
        }
        const QString key = lowered(text.mid(start, end - start));
        const Abbreviation *found = nullptr;
        if (stop)
            found = table.find(key + QLatin1Char('.'));
        if (!found)
            found = table.find(key);
        if (found && found->kind == Abbreviation::BeforeNumber && !(stop && digitFollows(text, after)))
            found = nullptr;
        if (!found) {
            start = end;
            continue;
        }
        out += QStringView(text).mid(copied, start - copied);
        out += found->words;
        if (stop && sentenceEndsBefore(text, after, found->kind == Abbreviation::MayEnd))
            out += QLatin1Char('.');
        copied = after;
        start = after;
    }
    if (copied == 0)
        return text;
    out += QStringView(text).mid(copied);
    return out;
}

// A text normalised for the main pass and cut into its segments (views into the text).
struct Segments {
    QString text;
    QList<QStringView> views;
};

Segments segmentsOf(const QString &input, const Abbreviations &abbreviations) {
    Segments s;
    s.text = normalised(lowered(expandAbbreviations(trimSpaces(input), abbreviations)));
    s.views = QStringView(s.text).split(kCut);
    return s;
}

// The phrases of a segment, as words: a hyphen standing alone is a dash, which ends the
// phrase. A first-pass result can hold several words (a spelled number) or none (a currency
// symbol without an amount); the words are those the segment's rebuilt text gives when split
// at single spaces with double spaces halved. Each segment's words are made when it comes
// up: a long text's words all at once would take several times the text's memory.
QVector<QStringList> segmentPhrases(QStringView segment, Accent accent) {
    // Split at spaces without empty parts: the words of the space-trimmed segment.
    const QList<QStringView> parts = segment.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVector<QStringList> phrases;
    QStringList words;
    words.reserve(parts.size());
    for (qsizetype k = 0; k < parts.size(); ++k) {
        QString w = parts[k].toString();
        if (std::all_of(w.begin(), w.end(), [](QChar c) { return c == QLatin1Char('-'); })) {
            if (!words.isEmpty() && k + 1 < parts.size())
                phrases.push_back(std::exchange(words, {}));
            continue;
        }
        // "$2 million": an amount of millions.
        if (k + 1 < parts.size() && isScaleWord(parts[k + 1]) && w.size() > 1 && isMoneyWord(w)) {
            const auto [symbol, amount] = splitMoney(w);
            if (isNumeric(amount)) {
                w = scaledAmountToWords(amount, parts[++k].toString(), symbol, kMoneyAccent);
                words += w.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                continue;
            }
        }
        w = firstPassWord(w, accent);
        if (w.contains(QLatin1Char(' ')))
            words += w.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        else if (!w.isEmpty())
            words << std::move(w);
    }
    phrases.push_back(std::move(words));
    return phrases;
}

} // namespace

QVector<QStringList> segmentText(const QString &input, Accent accent, const Abbreviations &abbreviations) {
    QVector<QStringList> result;
    for (const QStringView segment : segmentsOf(input, abbreviations).views)
        result += segmentPhrases(segment, accent);
    return result;
}

namespace {

// The main pass over the segments of a non-empty text, with the lookups the lexicon
// remembers already.
QString transcribeText(const QString &text, Accent accent, Lexicon &lexicon, const TranscribeObserver &observer,
                       const TranscribeOptions &options) {
    const Segments segments = segmentsOf(text, lexicon.abbreviations());
    const int n = int(segments.views.size());
    if (observer.started)
        observer.started(n);

    QString result;
    for (int i = 0; i < n; ++i) {
        if (observer.stopRequested && observer.stopRequested())
            break;
        for (const QStringList &words : segmentPhrases(segments.views[i], accent)) {
            QString line;
            SegmentTranscriber segment(words, accent, lexicon, options.guess ? &options.guess : nullptr);
            if (!(words.size() == 1 && words.front() == kCrLf))
                segment.transcribeAllBackwards();
            for (int j = 0; j < words.size(); ++j) {
                if (words[j] == kCrLf) {
                    result += kCrLf;
                    break;
                }
                const QString t = segment.transcribeWord(j);
                if (observer.word)
                    observer.word(i, n, words[j], t);
                if (!line.isEmpty())
                    line += QLatin1Char(' ');
                line += t;
            }
            if (!line.isEmpty()) {
                // No space at the start of a line: a line break stands alone in the result.
                if (!result.isEmpty() && !result.endsWith(kCrLf))
                    result += QLatin1Char(' ');
                result += line;
            }
        }
        if (observer.segmentDone)
            observer.segmentDone(i + 1);
    }
    result.remove(QStringLiteral("(r)"));
    return result;
}

} // namespace

std::optional<QString> Transcribe(const QString &text, Accent accent, Lexicon &lexicon,
                                  const TranscribeObserver &observer, const TranscribeOptions &options) {
    if (trimSpaces(text).isEmpty())
        return std::nullopt;
    // Lookups are remembered for the length of one run, and see one state of the file.
    lexicon.clearMemo();
    const Connection::ReadTransaction snapshot(lexicon.connection());
    return transcribeText(text, accent, lexicon, observer, options);
}

PiecewiseTranscriber::PiecewiseTranscriber(Accent accent, Lexicon &lexicon, qsizetype pieceSize,
                                           const TranscribeOptions &options)
    : m_accent(accent), m_lexicon(lexicon), m_pieceSize(pieceSize), m_options(options),
      m_snapshot(lexicon.connection()) {
    // As in Transcribe: the lookups of this run see the state of the file that the run sees.
    m_lexicon.clearMemo();
}

QString PiecewiseTranscriber::addLine(const QString &line) {
    if (m_lines > 0)
        m_pending += kCrLf;
    m_pending += line;
    ++m_lines;
    // A segment never reaches across a line break, so the text can be cut after any line,
    // except one that ends with "@": the cut mark "#@#" put before the break could then
    // begin inside the line.
    if (m_pending.size() < m_pieceSize || line.endsWith(QLatin1Char('@')))
        return {};
    return transcribePending();
}

QString PiecewiseTranscriber::finish() { return m_lines > 0 ? transcribePending() : QString(); }

QString PiecewiseTranscriber::transcribePending() {
    QString piece = m_started ? kCrLf : QString();
    piece += transcribeText(m_pending, m_accent, m_lexicon, {}, m_options);
    m_pending.clear();
    m_lines = 0;
    m_started = true;
    // The lookups are remembered across pieces, up to a size that a large vocabulary reaches.
    if (m_lexicon.memoSize() > kMemoLimit)
        m_lexicon.forgetWords();
    return piece;
}

QString withoutCarriageReturns(const QString &text) {
    static constexpr Replacement kChain[] = {{u"\r\n", u" "}, {u"  ", u" "}};
    return applied(text, kChain);
}

} // namespace vocalith

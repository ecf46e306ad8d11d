#include "engine/driver.h"

#include "engine/compiledchain.h"
#include "engine/numbers.h"
#include "engine/textchain.h"
#include "engine/wordtranscriber.h"

namespace vocalith {

const QString kCrLf = QStringLiteral("\r\n");

namespace {

const QString kCut = QStringLiteral("#@#");

// Normalisation of the input: punctuation becomes its own segment, brackets, quotes,
// dashes and slashes become spaces, the typographic apostrophes become "'".
// clang-format off
constexpr Replacement kNormalise[] = {
    {u"\t", u" "},
    {u":", u"#@#:#@#"},
    {u";", u"#@#;#@#"},
    {u"?", u"#@#?#@#"},
    {u"!", u"#@#!#@#"},
    {u"(", u" "},
    {u")", u" "},
    {u"%", u" percent "},
    {u"\"", u" "},
    {u"\u2014", u" "},
    {u"/", u" "},
    {u"\u00B4", u"'"},
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

struct CurrencyPrefix {
    QString symbol;
    bool atEnd;
};

// A word with a currency symbol becomes words; anything else is returned unchanged.
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
    QString symbol, amount;
    const QChar first = w.front();
    if (first == QLatin1Char('$') || first == QChar(0x20AC) || first == QChar(0x00A3)) {
        symbol = first;
        amount = w.mid(1);
    } else if (w.back() == QChar(0x20AC)) {
        symbol = w.back();
        amount = w.chopped(1);
    } else if (w.startsWith(QLatin1String("c$"))) {
        symbol = QStringLiteral("c$");
        amount = w.mid(2);
    } else {
        symbol = QStringLiteral("us$");
        amount = w.mid(3);
    }
    if (!IsNumeric(amount))
        return amount;
    return NumberToWords(amount, true, symbol, QStringLiteral("BrE"));
}

bool isMoneyWord(const QString &w) {
    return w.startsWith(QLatin1Char('$')) || w.startsWith(QLatin1String("us$")) || w.startsWith(QLatin1String("c$")) ||
           w.startsWith(QChar(0x20AC)) || w.startsWith(QChar(0x00A3)) || w.endsWith(QChar(0x20AC));
}

QString firstPassWord(QString w, Accent accent) {
    if (!isPunctuationWord(w)) {
        if (IsNumeric(w) && !w.startsWith(QChar(0x20AC)) && !w.endsWith(QChar(0x20AC))) {
            if (w.endsWith(QLatin1Char('.')))
                w.chop(1);
            QString noCurrency;
            w = NumberToWords(w, false, noCurrency, accentCode(accent));
        } else if (isMoneyWord(w)) {
            w = spellMoney(w);
        }
    }
    if (w.size() > 3 && isQuoteMark(w.front()))
        w.remove(0, 1);
    if (w.size() > 3 && isQuoteMark(w.back()))
        w.chop(1);
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

} // namespace

namespace {

// The words of every segment. A first-pass result can hold several words (a spelled
// number) or none (a currency symbol without an amount); the words are those the
// segment's rebuilt text gives when split at single spaces with double spaces halved.
QVector<QStringList> segmentWords(const QString &input, Accent accent) {
    // No replacement of the chain holds a character of a later key, so it runs in one pass.
    static const CompiledChain normalise(kNormalise);
    const QString text = normalise.apply(lowered(trimSpaces(input)));
    const QList<QStringView> segments = QStringView(text).split(kCut);
    QVector<QStringList> result;
    result.reserve(segments.size());
    for (const QStringView segment : segments) {
        // Split at spaces without empty parts: the words of the space-trimmed segment.
        const QList<QStringView> parts = segment.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QStringList words;
        words.reserve(parts.size());
        for (const QStringView word : parts) {
            QString w = firstPassWord(word.toString(), accent);
            if (w.contains(QLatin1Char(' ')))
                words += w.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            else if (!w.isEmpty())
                words << std::move(w);
        }
        result.push_back(std::move(words));
    }
    return result;
}

} // namespace

QStringList SegmentText(const QString &input, Accent accent) {
    QStringList lines;
    for (const QStringList &words : segmentWords(input, accent))
        lines << words.join(QLatin1Char(' '));
    return lines;
}

namespace {

// The main pass over the segments of a non-empty text, with the lookups the lexicon
// remembers already.
QString transcribeText(const QString &text, Accent accent, Lexicon &lexicon, const TranscribeObserver &observer) {
    const QVector<QStringList> segments = segmentWords(text, accent);
    const int n = int(segments.size());
    if (observer.started)
        observer.started(n);

    QString result;
    for (int i = 0; i < n; ++i) {
        const QStringList &words = segments[i];
        if (observer.stopRequested && observer.stopRequested())
            break;
        QString line;
        SegmentTranscriber segment(words, accent, lexicon);
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
        if (observer.segmentDone)
            observer.segmentDone(i + 1);
    }
    result.remove(QStringLiteral("(r)"));
    return result;
}

} // namespace

std::optional<QString> Transcribe(const QString &text, Accent accent, Lexicon &lexicon,
                                  const TranscribeObserver &observer) {
    if (trimSpaces(text).isEmpty())
        return std::nullopt;
    // Lookups are remembered for the length of one run, and see one state of the file.
    lexicon.clearMemo();
    const Connection::ReadTransaction snapshot(lexicon.connection());
    return transcribeText(text, accent, lexicon, observer);
}

PiecewiseTranscriber::PiecewiseTranscriber(Accent accent, Lexicon &lexicon, qsizetype pieceSize)
    : m_accent(accent), m_lexicon(lexicon), m_pieceSize(pieceSize), m_snapshot(lexicon.connection()) {
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
    piece += transcribeText(m_pending, m_accent, m_lexicon, {});
    m_pending.clear();
    m_lines = 0;
    m_started = true;
    // The lookups are remembered across pieces, up to a size that a large vocabulary reaches.
    if (m_lexicon.memoSize() > kMemoLimit)
        m_lexicon.forgetWords();
    return piece;
}

QString RemoveCarriageReturns(const QString &text) {
    static constexpr Replacement kChain[] = {{u"\r\n", u" "}, {u"  ", u" "}};
    return applied(text, kChain);
}

} // namespace vocalith

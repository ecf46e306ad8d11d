#include "engine/render.h"

#include "engine/textchain.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace vocalith {

// clang-format off
const std::array<RenderOptionInfo, 9> kRenderOptions = {{
    {"keepspaces", "chkKeepSpaces", "Keep spaces", &RenderOptions::keepSpaces},
    {"removestress", "chkStress", "Remove stress", &RenderOptions::removeStress},
    {"keeppunctuation", "chkPunctuation", "Keep important punctuation", &RenderOptions::keepPunctuation},
    {"syllabicconsonants", "chkSyllabicConsonants", "Syllabic consonants", &RenderOptions::syllabicConsonants},
    {"intrusiver", "chkIntrusiveR", "Intrusive /r/", &RenderOptions::intrusiveR},
    {"showsyllables", "chkSyllables", "Show syllable boundaries", &RenderOptions::showSyllables},
    {"removecrs", "chkRemoveCRs", "Remove CRs", &RenderOptions::removeCRs},
    {"slash", "chkSlash", "Use '/' instead of '|'", &RenderOptions::slash},
    {"list", "chkList", "Keep '|' before and after CR", &RenderOptions::list},
}};
// clang-format on

const QString kGuessMark = QStringLiteral(u"\u2248");

const RenderOptionInfo *findRenderOption(const QString &key) {
    for (const RenderOptionInfo &o : kRenderOptions)
        if (key == QLatin1String(o.key))
            return &o;
    return nullptr;
}

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Punctuation shown as marks; the full stop waits as "<@>" until the syllable dots are done.
// clang-format off
constexpr Replacement kKeepPunctuation[] = {
    {u" <.>", u"<@>"}, {u" <,>", u","}, {u" <;>", u";"}, {u" <:>", u":"}, {u" <?>", u"?"}, {u" <!>", u"!"},
    {u"<.>", u"<@>"},  {u"<,>", u","},  {u"<;>", u";"},  {u"<:>", u":"},  {u"<?>", u"?"},  {u"<!>", u"!"},
};
// clang-format on

const char16_t *const kPunctuationTokens[] = {u" <.>", u" <,>", u" <;>", u" <:>", u" <?>", u" <!>",
                                              u"<.>",  u"<,>",  u"<;>",  u"<:>",  u"<?>",  u"<!>"};

constexpr Replacement kStressMarks[] = {{u"'", u""}, {u"\u02C8", u""}, {u"\u02CC", u""}};

constexpr Replacement kSyllabicConsonants[] = {{u"n\u0329", u"\u0259n"}, {u"l\u0329", u"\u0259l"}};

constexpr const char16_t *kIntrusiveEndings[] = {u"\u0251\u02D0", u"\u0254\u02D0", u"\u026A\u0259", u"e\u0259",
                                                 u"\u028A\u0259"};
constexpr char16_t kIntrusiveVowels[] = u"aeiou\u00E6\u0251\u0252\u0254\u0259\u025C\u026A\u028A\u028C\u02D0";
constexpr const char16_t *kStressPrefixes[] = {u"", u"'", u"\u02C8", u"\u02CC"};

} // namespace

QString RemoveStressMarks(QString text) {
    applyChain(text, kStressMarks);
    return text;
}

QString AddIntrusiveR(QString text) {
    // Inserting r after an ending neither creates nor removes another match, and at most
    // one ending can stand before a given space, so one scan over the spaces gives the
    // same text as replacing each ending, vowel and stress prefix in turn. A guessed word
    // counts as any other: its mark is passed over like a stress prefix.
    auto isEnding = [&](qsizetype space) {
        if (space < 2)
            return false;
        const QStringView before = QStringView(text).mid(space - 2, 2);
        for (const char16_t *e : kIntrusiveEndings)
            if (before == QStringView(e))
                return true;
        return false;
    };
    auto isVowel = [](QChar c) {
        return std::u16string_view(kIntrusiveVowels).find(char16_t(c.unicode())) != std::u16string_view::npos;
    };
    auto isPrefix = [](QChar c) {
        for (const char16_t *p : kStressPrefixes)
            if (p[0] != 0 && c == QChar(p[0]))
                return true;
        return false;
    };
    QString out;
    qsizetype from = 0;
    for (qsizetype k = text.indexOf(QLatin1Char(' ')); k >= 0; k = text.indexOf(QLatin1Char(' '), k + 1)) {
        qsizetype at = k + 1;
        if (at < text.size() && text.at(at) == kGuessMark.front())
            ++at;
        if (at >= text.size() || !isEnding(k))
            continue;
        QChar next = text.at(at);
        if (isPrefix(next) && at + 1 < text.size())
            next = text.at(at + 1);
        else if (isPrefix(next))
            continue;
        if (!isVowel(next))
            continue;
        out.append(QStringView(text).mid(from, k - from));
        out.append(QLatin1Char('r'));
        from = k;
    }
    if (from == 0)
        return text;
    out.append(QStringView(text).mid(from));
    return out;
}

namespace {

// Both delimiters count as delimiters wherever a rendered text is read again: an edited
// text keeps the delimiters it has, whichever the option now chooses.
bool isDelimiter(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('|'); }

bool endsWithDelimiter(const QString &s) {
    return (!s.isEmpty() && isDelimiter(s.back())) ||
           (s.size() > 1 && s.back() == QLatin1Char(' ') && isDelimiter(s[s.size() - 2]));
}

// The length of the unit of a boundary run at position k (a space, a delimiter or a CR LF),
// 0 for any other character.
qsizetype boundaryUnit(QStringView s, qsizetype k) {
    if (s[k] == QLatin1Char(' ') || isDelimiter(s[k]))
        return 1;
    return s[k] == QLatin1Char('\r') && k + 1 < s.size() && s[k + 1] == QLatin1Char('\n') ? 2 : 0;
}

// The phrase boundaries of a text whose punctuation tokens are delimiters already: each line
// break becomes delimiter and line break (or a delimiter, when line breaks are removed), and
// a run of boundaries (delimiters and line breaks with the spaces between them, the start
// and the end of the text counting as boundaries) that would leave an empty phrase becomes
// one boundary. Such a run becomes its first delimiter, or a line break when it holds one
// (blank lines go); at the start and the end of the text it becomes the delimiter that opens
// or closes the text, so a text rendered already gets none added. A run of one boundary is
// left as it is.
QString delimitPhrases(QStringView s, const QString &d, bool removeCRs, bool atStart, bool atEnd) {
    const QString lineBreak = removeCRs ? QLatin1Char(' ') + d + QLatin1Char(' ') : QLatin1Char(' ') + d + kCrLf;
    QString out;
    out.reserve(s.size() + s.size() / 8);
    const qsizetype n = s.size();
    for (qsizetype k = 0; k < n;) {
        const qsizetype word = k;
        while (k < n && boundaryUnit(s, k) == 0)
            ++k;
        out += s.mid(word, k - word);
        if (k == n)
            break;
        const qsizetype from = k;
        qsizetype firstDelimiter = -1, afterLastDelimiter = -1;
        int delimiters = 0, breaks = 0;
        for (qsizetype unit; k < n && (unit = boundaryUnit(s, k)) > 0; k += unit) {
            if (unit == 2) {
                ++breaks;
            } else if (isDelimiter(s[k])) {
                if (delimiters++ == 0)
                    firstDelimiter = k;
                afterLastDelimiter = k + 1;
            }
        }
        const bool first = atStart && from == 0;
        const bool last = atEnd && k == n;
        const QStringView run = s.mid(from, k - from);
        if (delimiters + breaks + int(first) + int(last) <= 1) {
            if (breaks == 0) {
                out += run;
            } else {
                QString kept = run.toString();
                replaceAll(kept, kCrLf, lineBreak);
                out += kept;
            }
            continue;
        }
        const QString g = delimiters > 0 ? QString(s[firstDelimiter]) : d;
        if (first && last) {
            out += g;
        } else if (first || last) { // without a delimiter, the one that opens or closes the text follows
            if (delimiters > 0)
                out += first ? g + QLatin1Char(' ') : QLatin1Char(' ') + g;
        } else if (breaks > 0) {
            out += removeCRs ? QLatin1Char(' ') + g + QLatin1Char(' ') : QLatin1Char(' ') + g + kCrLf;
        } else { // the spaces before and after the run stay
            out += s.mid(from, firstDelimiter - from);
            out += g;
            out += s.mid(afterLastDelimiter, k - afterLastDelimiter);
        }
    }
    return out;
}

// The syllable dots that touch a delimiter go, either delimiter.
void dropDotsAtDelimiters(QString &s, const QString &d) {
    const QString other = d == QLatin1String("/") ? QStringLiteral("|") : QStringLiteral("/");
    for (const QString &g : {d, other}) {
        replaceAll(s, QLatin1Char('.') + g + QLatin1Char('.'), g);
        replaceAll(s, QLatin1Char('.') + g, g);
        replaceAll(s, g + QLatin1Char('.'), g);
    }
}

// Each line break after a delimiter is followed by that delimiter, unless one is there.
void delimitLineStarts(QString &s) {
    QString out;
    qsizetype from = 0;
    for (qsizetype k = s.indexOf(kCrLf, 1); k >= 0; k = s.indexOf(kCrLf, k + 2)) {
        if (!isDelimiter(s[k - 1]) || (k + 2 < s.size() && isDelimiter(s[k + 2])))
            continue;
        out += QStringView(s).mid(from, k + 2 - from);
        out += s[k - 1];
        out += QLatin1Char(' ');
        from = k + 2;
    }
    if (from == 0)
        return;
    out += QStringView(s).mid(from);
    s = out;
}

// The rendering steps on a part of a stored transcription: the delimiter that opens the
// text goes before the first part only, the one that closes it after the last part only.
QString renderPart(QString s, const RenderOptions &o, Accent accent, bool atStart, bool atEnd) {
    const QString d = o.slash ? QStringLiteral("/") : QStringLiteral("|");

    if (o.removeStress)
        s = RemoveStressMarks(s);
    if (o.intrusiveR && accent == Accent::BrE)
        s = AddIntrusiveR(s);

    if (o.punctuationEnabled() && o.keepPunctuation) {
        applyChain(s, kKeepPunctuation);
        if (o.removeCRs) {
            replaceAll(s, kCrLf, QStringLiteral(" "));
            replaceAll(s, QStringLiteral("  "), QStringLiteral(" "));
        }
    } else {
        for (const char16_t *token : kPunctuationTokens)
            replaceAll(s, QString::fromUtf16(token), QLatin1Char(' ') + d);
        s = delimitPhrases(s, d, o.removeCRs, atStart, atEnd);
        if (atStart && (s.isEmpty() || !isDelimiter(s.front())))
            s.prepend(d + QLatin1Char(' '));
        if (atEnd && !endsWithDelimiter(s))
            s += QLatin1Char(' ') + d;
    }

    if (o.showSyllables && !o.keepSpaces) {
        replaceAll(s, QStringLiteral(" "), QStringLiteral("."));
        dropDotsAtDelimiters(s, d);
    } else if (!o.showSyllables) {
        s.remove(QLatin1Char('.'));
    }

    if (o.list)
        delimitLineStarts(s);
    if (!o.syllabicConsonants)
        applyChain(s, kSyllabicConsonants);
    replaceAll(s, QStringLiteral("(r)"), QStringLiteral("r"));
    replaceAll(s, QStringLiteral("<@>"), QStringLiteral("."));
    if (!o.keepSpaces)
        s.remove(QLatin1Char(' '));
    return s;
}

// Letters that no rendering step matches, inserts next to or removes: consonants other than
// n, l and r. A text cut between two of them renders as its two parts, since no match of
// any step can reach across the cut and the two letters stay side by side throughout.
bool isInert(QChar c) {
    static constexpr std::u16string_view kInert = u"bcdfghjkmpqstvwxyz\u0261\u03B8\u00F0\u0283\u0292\u014B";
    return kInert.find(char16_t(c.unicode())) != std::u16string_view::npos;
}

} // namespace

std::optional<QString> RenderTranscription(const QString &stored, const RenderOptions &o, Accent accent) {
    if (stored.isEmpty())
        return std::nullopt;
    return renderPart(stored, o, accent, true, true);
}

PiecewiseRenderer::PiecewiseRenderer(const RenderOptions &options, Accent accent, qsizetype pieceSize)
    : m_options(options), m_accent(accent), m_pieceSize(std::max<qsizetype>(pieceSize, 1)) {}

QString PiecewiseRenderer::add(const QString &stored) {
    m_pending += stored;
    if (m_pending.size() < m_pieceSize)
        return {};
    // The last cut, looked for only where no earlier call has looked already.
    qsizetype cut = m_pending.size() - 1;
    while (cut >= m_unsearched && !(isInert(m_pending[cut - 1]) && isInert(m_pending[cut])))
        --cut;
    if (cut < m_unsearched) {
        m_unsearched = m_pending.size();
        return {};
    }
    QString part = renderPart(m_pending.left(cut), m_options, m_accent, !m_started, false);
    m_pending.remove(0, cut);
    m_started = true;
    // What is left lies after the last cut, so it holds none.
    m_unsearched = m_pending.size();
    return part;
}

std::optional<QString> PiecewiseRenderer::finish() {
    if (!m_started && m_pending.isEmpty())
        return std::nullopt;
    QString part = renderPart(std::exchange(m_pending, QString()), m_options, m_accent, !m_started, true);
    m_started = true;
    return part;
}

} // namespace vocalith

#include "engine/wordtranscriber.h"

#include "engine/contextrules.h"

namespace vocalith {

namespace {

const QString kLinkingR = QStringLiteral("(r)");
const QString kIs = QStringLiteral("is");
// The word that follows "is" in the split of a possessive, so that "is" is not the last word.
const QString kPossessiveTail = QStringLiteral("mylife");
// "is" in full, which begins with a vowel.
const QString kIsFull = QStringLiteral(u"\u026Az");
constexpr int kMaxTranscriptionLength = 255;
constexpr int kCollocationWindow = 6;

bool oneOf(QChar c, std::u16string_view set) { return set.find(char16_t(c.unicode())) != std::u16string_view::npos; }

// Number of words of a collocation's neighbour text, counted at single spaces once
// double spaces are halved and the ends trimmed.
int neighbourCount(const QString &text) {
    QString t = text;
    t.replace(QLatin1String("  "), QLatin1String(" "));
    return int(t.trimmed().count(QLatin1Char(' '))) + 1;
}

} // namespace

// Every vowel a transcription can start with keeps a linking r: "four apples", "for I"
// are said with r just as "four eggs" is.
bool isLinkingVowel(QChar c) { return oneOf(c, u"i\u026A\u028Aue\u0259\u025C\u0254\u028C\u0251\u0252a\u00E6"); }

bool isLeadingModifier(QChar c) {
    return oneOf(c, u"\u02C8\u02CC\u02D0\u02D1\u02BC\u02B4\u02B0\u02B1\u02B2\u02B7\u02E0\u02E4\u02DE");
}

bool StartsWithVowel(const QString &transcription) {
    QStringView t(transcription);
    if (t.startsWith(QChar(0x02C8)) || t.startsWith(QChar(0x02CC)))
        t = t.mid(1);
    if (t.isEmpty())
        return false;
    return oneOf(t.front(), u"aeiou\u00E6\u0251\u0252\u0254\u0259\u025C\u026A\u028A\u028C\u02D0");
}

SegmentTranscriber::SegmentTranscriber(const QStringList &words, Accent accent, Lexicon &lexicon, const Guesser *guess)
    : m_words(words), m_accent(accent), m_lexicon(lexicon), m_guess(guess), m_done(words.size()),
      m_busy(words.size(), false), m_guessed(words.size(), false) {}

QString SegmentTranscriber::transcribeWord(int i) {
    const QString t = form(i);
    return i >= 0 && i < m_words.size() && m_guessed[i] ? kGuessMark + t : t;
}

QString SegmentTranscriber::form(int i) {
    if (i < 0 || i >= m_words.size())
        return {};
    if (!m_done[i]) {
        // No rule asks for a word that is waiting on it; should lexicon data ever make
        // one do so, the word is marked unknown instead of recursing without end.
        if (m_busy[i])
            return QLatin1Char('<') + m_words[i] + QLatin1Char('>');
        m_busy[i] = true;
        m_done[i] = compute(i);
        m_busy[i] = false;
    }
    return *m_done[i];
}

void SegmentTranscriber::transcribeAllBackwards() {
    for (int i = last(); i >= 0; --i) {
        if (m_words[i] != kIs || m_done[i]) {
            form(i);
            continue;
        }
        // "is" looks back at the word before it, which may be "is" again. The word before
        // a run of them does not look ahead into it (the rules take a following "is" in
        // full), so the run is done forwards from that word, one look-back deep each.
        int first = i;
        while (first > 0 && m_words[first - 1] == kIs)
            --first;
        for (int k = std::max(first - 1, 0); k <= i; ++k)
            form(k);
    }
}

OptText SegmentTranscriber::lookup(const QString &w) {
    const auto &row = m_lexicon.word(w);
    if (!row)
        return std::nullopt;
    return row->transcription[int(m_accent)];
}

std::optional<QString> SegmentTranscriber::fromCollocations(int i) {
    const QString &w = m_words[i];
    const QVector<CollocationRow> &rows = m_lexicon.collocations(w);
    bool foundAsItself = false;
    for (const CollocationRow &r : rows) {
        const OptText &value = r.transcription[int(m_accent)];
        bool windowRule = false;
        bool match = false;
        if (r.previous && r.following) {
            match = i >= 1 && i < last() && m_words[i - 1] == *r.previous && m_words[i + 1] == *r.following;
        } else if (r.previous) {
            const int n = neighbourCount(*r.previous);
            match = i - n >= 0 && m_words.mid(i - n, n).join(QLatin1Char(' ')) == *r.previous;
        } else if (r.following) {
            const int n = neighbourCount(*r.following);
            match = i + n <= last() && m_words.mid(i + 1, n).join(QLatin1Char(' ')) == *r.following;
        } else if (r.after) {
            windowRule = true;
            if (i < last()) {
                const int end = std::min(i + kCollocationWindow, last());
                for (int k = i; k <= end && !match; ++k)
                    match = m_words[k] == *r.after;
            }
        } else if (r.before) {
            windowRule = true;
            for (int k = std::max(i - kCollocationWindow, 0); k < i && !match; ++k)
                match = m_words[k] == *r.before;
        }
        // A matching row without a transcription in this accent is passed over.
        if (!match || !value)
            continue;
        if (windowRule && *value == w) {
            // The word itself as the value does not end the search.
            foundAsItself = true;
            continue;
        }
        QString result = *value;
        if (result.size() >= 3 && result.endsWith(kLinkingR))
            resolveLinkingR(result, i);
        return result;
    }
    if (foundAsItself)
        return w;
    return std::nullopt;
}

QString SegmentTranscriber::isRule(int i) {
    if (i == 0 || i == last() || staysFull(i))
        return kIsFull;
    const QString previous = form(i - 1);
    const QChar c = previous.isEmpty() ? QChar() : previous.back();
    if (oneOf(c, u"sz\u0283\u0292\u02A7\u02A4"))
        return kIsFull;
    if (oneOf(c, u"ptkf\u03B8"))
        return QStringLiteral("s");
    return QStringLiteral("z");
}

std::optional<QString> SegmentTranscriber::fromFunctionWords(int i) {
    const auto &row = m_lexicon.functionWord(m_words[i]);
    if (!row)
        return std::nullopt;
    OptText result;
    const context::Position position = context::functionWordPosition(m_words, i);
    if (position == context::Position::Strong && row->form(m_accent, FunctionForm::Strong)) {
        result = row->form(m_accent, FunctionForm::Strong);
    } else if (i == 0 && position != context::Position::Weak && row->form(m_accent, FunctionForm::AtBeginning)) {
        result = row->form(m_accent, FunctionForm::AtBeginning);
    } else if (i < last()) {
        if (!row->form(m_accent, FunctionForm::BeforeVowel)) {
            result = row->form(m_accent, FunctionForm::Weak);
        } else if (m_words[i + 1] == kIs && context::endsClauseBeforeIs(m_words[i])) {
            result = row->form(m_accent, FunctionForm::AtEnd);
            if (!result)
                result = row->form(m_accent, FunctionForm::Strong);
        } else if (m_words[i + 1] == kIs) {
            result = row->form(m_accent, formBeforeIs(*row, i));
        } else {
            result = row->form(m_accent, StartsWithVowel(form(i + 1)) ? FunctionForm::BeforeVowel
                                                                      : FunctionForm::BeforeConsonant);
        }
    } else {
        result = row->form(m_accent, FunctionForm::AtEnd);
        if (!result)
            result = row->form(m_accent, FunctionForm::Strong);
    }
    // A row whose chosen form is missing is treated as no function word.
    if (!result)
        return std::nullopt;
    resolveLinkingR(*result, i);
    return result;
}

bool SegmentTranscriber::staysFull(int i) {
    if (context::isInvertedIs(m_words, i))
        return true;
    // The 's of a possessive is never full.
    const QString &previous = m_words[i - 1];
    return (i + 1 > last() || m_words[i + 1] != kPossessiveTail) &&
           (context::weakBeforeFullIs(previous) || context::endsClauseBeforeIs(previous)) &&
           m_lexicon.functionWord(previous).has_value();
}

FunctionForm SegmentTranscriber::formBeforeIs(const FunctionWordRow &row, int i) {
    // "is" is not transcribed here: its own rule looks back at this word. It stays in full
    // at the end, inverted in a question or after a conjunction, and after a sibilant, where
    // it begins with a vowel; elsewhere it is a consonant (there's ðəz, not ðər z).
    if (i + 1 == last() || staysFull(i + 1))
        return FunctionForm::BeforeVowel;
    const OptText &beforeConsonant = row.form(m_accent, FunctionForm::BeforeConsonant);
    const QChar c = beforeConsonant && !beforeConsonant->isEmpty() ? beforeConsonant->back() : QChar();
    return oneOf(c, u"sz\u0283\u0292\u02A7\u02A4") ? FunctionForm::BeforeVowel : FunctionForm::BeforeConsonant;
}

void SegmentTranscriber::resolveLinkingR(QString &t, int i) {
    if (!t.contains(kLinkingR) || i >= last())
        return;
    // An "is" that stays in full inside the phrase begins with a vowel like any other word.
    if (m_words[i + 1] == kIs && (i + 1 == last() || !staysFull(i + 1))) {
        if (m_accent == Accent::BrE)
            t.remove(kLinkingR);
        else
            t.replace(kLinkingR, QLatin1String("r"));
        return;
    }
    const QString next = form(i + 1);
    if (next.isEmpty())
        return;
    QChar c = next.front();
    if (isLeadingModifier(c)) {
        if (next.size() < 2)
            return;
        c = next.at(1);
    }
    if (isLinkingVowel(c))
        t.replace(kLinkingR, QLatin1String("r"));
    else
        t.remove(kLinkingR);
}

std::optional<QString> SegmentTranscriber::possessive(const QString &w) {
    if (w.size() <= 2 || !w.endsWith(QLatin1String("'s")))
        return std::nullopt;
    QString split = w;
    split.replace(QLatin1String("'s"), QLatin1String("'is'") + kPossessiveTail);
    SegmentTranscriber parts(split.split(QLatin1Char('\'')), m_accent, m_lexicon, m_guess);
    return parts.transcribeWord(0) + parts.transcribeWord(1);
}

std::optional<QString> SegmentTranscriber::hyphenated(const QString &w) {
    if (!w.contains(QLatin1Char('-')))
        return std::nullopt;
    if (OptText whole = lookup(QString(w).remove(QLatin1Char('-'))))
        return whole;
    QStringList found;
    for (const QString &part : w.split(QLatin1Char('-'))) {
        if (OptText t = lookup(part))
            found << *t;
        else if (OptText g = guessed(part))
            found << kGuessMark + *g;
    }
    QString joined = found.join(QLatin1Char(' '));
    if (joined.isEmpty())
        return std::nullopt;
    return joined;
}

QString SegmentTranscriber::compute(int i) {
    const QString &w = m_words[i];
    // A homograph that its phrase decides is read as the word-list entry of its reading.
    const auto isWord = [this](const QString &word) { return m_lexicon.word(word).has_value(); };
    const std::optional<QString> reading = context::homographReading(m_words, i, isWord);
    OptText readingForm = reading ? lookup(*reading) : std::nullopt;
    if (!readingForm) {
        if (auto r = fromCollocations(i))
            return *r;
        if (w == kIs)
            return isRule(i);
        if (auto r = fromFunctionWords(i))
            return *r;
    }

    bool found = false;
    QString result = w;
    if (OptText t = readingForm ? readingForm : lookup(w)) {
        result = *t;
        found = true;
    }
    resolveLinkingR(result, i);
    if (!found) {
        if (auto r = possessive(w)) {
            result = *r;
            found = true;
        } else if (auto h = hyphenated(w)) {
            result = *h;
            found = true;
        } else if (auto g = guessed(w)) {
            result = *g;
            resolveLinkingR(result, i);
            found = true;
            m_guessed[i] = true;
        }
    }

    if (result.size() > kMaxTranscriptionLength)
        result.truncate(kMaxTranscriptionLength);
    if (result != w || found) {
        if (result.contains(QChar(0x02A7)))
            result.replace(QChar(0x02A7), QStringLiteral(u"t\u0283"));
        if (result.contains(QChar(0x02A4)))
            result.replace(QChar(0x02A4), QStringLiteral(u"d\u0292"));
        return result;
    }
    return QLatin1Char('<') + w.toLower() + QLatin1Char('>');
}

OptText SegmentTranscriber::guessed(const QString &w) {
    if (!m_guess || std::none_of(w.begin(), w.end(), [](QChar c) { return c.isLetter(); }))
        return std::nullopt;
    OptText g = (*m_guess)(w, m_accent);
    if (g && g->isEmpty())
        return std::nullopt;
    return g;
}

} // namespace vocalith

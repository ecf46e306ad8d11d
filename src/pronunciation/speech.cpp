#include "pronunciation/speech.h"

#include "engine/textchain.h"
#include "pronunciation/espeak.h"
#include "pronunciation/espeaksession.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace vocalith::pronunciation {

const QString kNothingToSpeak = QStringLiteral("Nothing to speak: the text has no English phoneme.");

namespace {

// espeak-ng's phoneme names that speech uses, most wanted first. Each one says the symbol
// that the lexicon's conversion (espeak.cpp) makes of it in the voice given, so the two
// directions share one table; a symbol that two names make is said by the first.
struct SpokenName {
    EspeakVoice voice;
    const char *name;
};
constexpr EspeakVoice RP = EspeakVoice::RP;
constexpr EspeakVoice US = EspeakVoice::US;
// clang-format off
constexpr SpokenName kConsonantNames[] = {
    {RP, "p"}, {RP, "b"}, {RP, "t"}, {RP, "d"}, {RP, "k"}, {RP, "g"}, {RP, "tS"}, {RP, "dZ"},
    {RP, "f"}, {RP, "v"}, {RP, "T"}, {RP, "D"}, {RP, "s"}, {RP, "z"}, {RP, "S"}, {RP, "Z"},
    {RP, "h"}, {RP, "m"}, {RP, "n"}, {RP, "N"}, {RP, "l"}, {RP, "r"}, {RP, "w"}, {RP, "j"},
};
// The vowels of each voice, then those of the other accent that the voice can say too. The
// American ɑː is "A:", which stays ɑː before r ("0" becomes ɔː there, as in sorry).
constexpr SpokenName kVowelNamesRP[] = {
    {RP, "i:"}, {RP, "i"}, {RP, "I"}, {RP, "E"}, {RP, "a"}, {RP, "V"}, {RP, "A:"}, {RP, "0"},
    {RP, "O:"}, {RP, "U"}, {RP, "u"}, {RP, "u:"}, {RP, "3:"}, {RP, "@"}, {RP, "eI"}, {RP, "aI"},
    {RP, "OI"}, {RP, "aU"}, {RP, "oU"}, {RP, "i@"}, {RP, "e@"}, {RP, "aI@"}, {RP, "aU@"},
};
constexpr SpokenName kVowelNamesUS[] = {
    {US, "i:"}, {US, "i"}, {US, "I"}, {US, "E"}, {US, "a"}, {US, "V"}, {US, "A:"}, {US, "O:"},
    {US, "U"}, {US, "u"}, {US, "u:"}, {US, "3:"}, {US, "3"}, {US, "@"}, {US, "eI"}, {US, "aI"},
    {US, "OI"}, {US, "aU"}, {US, "oU"}, {US, "A@"}, {US, "O@"}, {US, "e@"}, {US, "i@3"}, {US, "U@"},
    {US, "aI3"},
    {RP, "0"}, {RP, "3:"}, {RP, "i@"},
};
// clang-format on

// Symbols that the conversion never makes, or makes of a name that the voice says
// otherwise (the RP voice says its "U@" as ɔː, the American one its "aU@" as aɪʊɹ): what
// says them here. "|" parts names that would run together.
struct ExtraSymbol {
    const char16_t *ours;
    const char *names;
    bool vowel;
};
// clang-format off
constexpr ExtraSymbol kExtraRP[] = {
    {u"ʊə", "U|@", true},   {u"eɪə", "eI|@", true}, {u"əʊə", "oU|@", true}, {u"ɔɪə", "OI|@", true},
    {u"oʊə", "o|U|@", true}, {u"oʊ", "o|U", true},  {u"n̩", "n-", true},     {u"l̩", "l-", true},
    {u"ɑ", "A:", true},     {u"ɔ", "O", true},      {u"a", "a", true},      {u"o", "o", true},
    {u"ɾ", "t", false},     {u"ʔ", "?", false},     {u"x", "x", false},
};
constexpr ExtraSymbol kExtraUS[] = {
    {u"aʊər", "aU|3", true}, {u"eɪər", "eI|3", true}, {u"ɔɪər", "OI|3", true}, {u"oʊər", "oU|3", true},
    {u"aʊə", "aU|@", true},  {u"eɪə", "eI|@", true},  {u"ɔɪə", "OI|@", true},  {u"oʊə", "oU|@", true},
    {u"əʊə", "@|U|@", true}, {u"əʊ", "@|U", true},    {u"ʊə", "U|@", true},    {u"eə", "e|@", true},
    {u"n̩", "n-", true},      {u"l̩", "l-", true},      {u"ɑ", "A:", true},      {u"ɔ", "O", true},
    {u"a", "a", true},       {u"o", "o", true},       {u"ɾ", "t#", false},     {u"ʔ", "?", false},
    {u"x", "x", false},
};
// clang-format on

// Other ways of writing the symbols above: tie bars, single-letter affricates, the
// rhotic vowels of other dictionaries, typed look-alikes and the apostrophe as a stress mark.
// clang-format off
constexpr Replacement kVariantSymbols[] = {
    {u"\u0361", u""}, {u"\u035C", u""}, {u"ʧ", u"tʃ"}, {u"ʤ", u"dʒ"}, {u"g", u"ɡ"}, {u"ɚ", u"ər"},
    {u"ɝ", u"ɜːr"},   {u"ɹ", u"r"},     {u"ɛ", u"e"},  {u"ɐ", u"ə"},  {u"ɫ", u"l"}, {u"ᵻ", u"ɪ"},
    {u":", u"ː"},     {u"'", u"ˈ"},
};
// clang-format on

// The stress of a one-syllable word written without a stress mark: none on a weak vowel,
// secondary on ɪ and ʊ (the vowels of it, is, in, could), primary on the others.
constexpr const char16_t *kWeakVowels[] = {u"ə", u"i", u"u", u"ər", u"n̩", u"l̩"};
constexpr const char16_t *kLightVowels[] = {u"ɪ", u"ʊ"};

struct SpokenSymbol {
    QString ours;
    QString names;
    bool vowel = false;
    char ownStress = 0;      // as the one vowel of a word written without stress marks
    bool linksWithR = false; // the RP voice puts an r between it and a following vowel
};

class SpokenTable {
public:
    explicit SpokenTable(Accent accent) {
        const bool british = accent == Accent::BrE;
        for (const ExtraSymbol &e :
             british ? std::span<const ExtraSymbol>(kExtraRP) : std::span<const ExtraSymbol>(kExtraUS))
            add(QString::fromUtf16(e.ours), QString::fromLatin1(e.names), e.vowel);
        const auto vowels =
            british ? std::span<const SpokenName>(kVowelNamesRP) : std::span<const SpokenName>(kVowelNamesUS);
        for (auto names : {std::span<const SpokenName>(kConsonantNames), vowels})
            for (const SpokenName &n : names) {
                Pron p;
                if (phonesFromEspeak(QString::fromLatin1(n.name), n.voice, p) && p.size() == 1)
                    add(p.front().sym, QString::fromLatin1(n.name), p.front().vowel);
            }
        // Longest first, so that the longest symbol at a place is found first.
        std::stable_sort(m_symbols.begin(), m_symbols.end(),
                         [](const SpokenSymbol &a, const SpokenSymbol &b) { return a.ours.size() > b.ours.size(); });
        for (int i = 0; i < m_symbols.size(); ++i)
            m_byFirst[m_symbols[i].ours.front()].push_back(i);
    }

    // The longest symbol at the start of text, or nullptr.
    const SpokenSymbol *match(QStringView text) const {
        const auto it = m_byFirst.constFind(text.front());
        if (it == m_byFirst.cend())
            return nullptr;
        for (int i : *it)
            if (text.startsWith(m_symbols[i].ours))
                return &m_symbols[i];
        return nullptr;
    }

private:
    void add(const QString &ours, const QString &names, bool vowel) {
        for (const SpokenSymbol &s : m_symbols)
            if (s.ours == ours)
                return;
        SpokenSymbol s{ours, names, vowel, vowel ? '\'' : char(0), false};
        for (const char16_t *w : kLightVowels)
            if (ours == QStringView(w))
                s.ownStress = ',';
        for (const char16_t *w : kWeakVowels)
            if (ours == QStringView(w))
                s.ownStress = 0;
        s.linksWithR = vowel && (ours.endsWith(u'ə') || ours == QStringView(u"ɑː") || ours == QStringView(u"ɔː") ||
                                 ours == QStringView(u"ɜː"));
        m_symbols.push_back(s);
    }

    QVector<SpokenSymbol> m_symbols;
    QHash<QChar, QVector<int>> m_byFirst;
};

const SpokenTable &spokenTable(Accent accent) {
    static const SpokenTable british(Accent::BrE), american(Accent::AmE);
    return accent == Accent::BrE ? british : american;
}

constexpr char16_t kPrimaryStress = u'ˈ';
constexpr char16_t kSecondaryStress = u'ˌ';
const QString kLinkingRMark = QStringLiteral("(r)");

// What one place of a word says.
struct Sound {
    const SpokenSymbol *symbol = nullptr; // nullptr for a linking r
    QString names;
    char stress = 0;            // '\'' or ',' before it
    bool syllableStart = false; // after a syllable dot or a stress mark
};

// espeak-ng 1.51 says nothing for a word of some 200 phonemes and crashes on longer ones (a
// text whose spaces the display options turned into dots is one word): longer words are
// given to it in parts, cut at a syllable start.
constexpr int kMaxWordSounds = 40;
// A phrase is synthesised in parts of this many words, so that a long one without
// punctuation does not hold espeak-ng for long and a player can wait between the parts.
constexpr qsizetype kMaxPartWords = 40;

struct Word {
    QVector<Sound> sounds;
    bool hasStress = false;
};

// A lone combining mark is shown on a dotted circle.
QString shown(QStringView symbol) {
    return symbol.front().isMark() ? QStringLiteral(u"\u25CC") + symbol.toString() : symbol.toString();
}

Word readWord(QString text, const SpokenTable &table, QStringList &skipped) {
    applyChain(text, kVariantSymbols);
    Word word;
    char pending = 0;
    bool syllableStart = false;
    const QStringView w(text);
    for (qsizetype i = 0; i < w.size();) {
        const QChar c = w[i];
        if (c == kPrimaryStress || c == kSecondaryStress) {
            pending = c == kPrimaryStress ? '\'' : ',';
            word.hasStress = syllableStart = true;
            ++i;
        } else if (c == u'.' || c == u'≈' || c == u'-' || c == u'‿') {
            syllableStart = syllableStart || c == u'.';
            ++i; // syllable dots, the guess mark and hyphens make no sound
        } else if (w.mid(i).startsWith(kLinkingRMark)) {
            word.sounds.push_back(Sound{});
            i += kLinkingRMark.size();
        } else if (const SpokenSymbol *s = table.match(w.mid(i))) {
            word.sounds.push_back(
                Sound{s, s->names, std::exchange(pending, char(0)), std::exchange(syllableStart, false)});
            i += s->ours.size();
        } else if (c == u'ː' && !word.sounds.isEmpty() && word.sounds.back().symbol &&
                   word.sounds.back().symbol->vowel) {
            word.sounds.back().names += QLatin1Char(':');
            ++i;
        } else {
            // A symbol with no English phoneme, with the marks on it.
            qsizetype n = c.isHighSurrogate() && i + 1 < w.size() ? 2 : 1;
            while (i + n < w.size() && w[i + n].isMark() && !table.match(w.mid(i + n)))
                ++n;
            skipped << shown(w.mid(i, n));
            i += n;
        }
    }
    // A one-syllable word without a stress mark takes its vowel's own stress.
    const auto isVowel = [](const Sound &s) { return s.symbol && s.symbol->vowel; };
    const auto vowel = std::find_if(word.sounds.begin(), word.sounds.end(), isVowel);
    if (!word.hasStress && vowel != word.sounds.end() &&
        std::count_if(word.sounds.begin(), word.sounds.end(), isVowel) == 1 && word.sounds.front().symbol)
        word.sounds.front().stress = vowel->symbol->ownStress;
    return word;
}

// Where a word is cut into parts that espeak-ng takes: the indexes of the sounds that start
// a new part.
QVector<int> wordCuts(const QVector<Sound> &sounds) {
    QVector<int> cuts;
    for (int start = 0; sounds.size() - start > kMaxWordSounds;) {
        int cut = start + kMaxWordSounds;
        while (cut > start + 1 && !sounds[cut].syllableStart)
            --cut;
        cuts << (cut > start + 1 ? cut : start + kMaxWordSounds);
        start = cuts.back();
    }
    return cuts;
}

// Whether the sound after position k of the phrase (across words) is a vowel.
bool vowelFollows(const QVector<Word> &words, int w, int k) {
    for (; w < words.size(); ++w, k = -1)
        for (int j = k + 1; j < words[w].sounds.size(); ++j)
            if (const SpokenSymbol *s = words[w].sounds[j].symbol)
                return s->vowel;
    return false;
}

bool isBoundary(QChar c) {
    return c == u'/' || c == u'|' || c == u',' || c == u';' || c == u':' || c == u'?' || c == u'!' || c == u'.' ||
           c == u'\r' || c == u'\n';
}

// How a boundary ends the phrase before it when spoken.
QChar spokenEnd(QChar c) {
    if (c == u'?' || c == u'!' || c == u'.')
        return c;
    return c == u'\r' || c == u'\n' ? QChar(u'.') : QChar(u',');
}

// The length of the phrase boundary at k, 0 when there is none: a delimiter, a line break,
// a mark followed by white space, a boundary or the end (inside a word "." is a syllable
// dot and ":" a length mark), or a punctuation token of a stored transcription ("<.>").
qsizetype boundaryAt(QStringView text, qsizetype k) {
    const QChar c = text[k];
    if (c == u'<' && k + 2 < text.size() && text[k + 2] == u'>' && isBoundary(text[k + 1]) && text[k + 1] != u'/' &&
        text[k + 1] != u'|')
        return 3;
    if (!isBoundary(c))
        return 0;
    if (c == u'.' || c == u':') {
        const bool last = k + 1 == text.size();
        if (!last && !text[k + 1].isSpace() && !isBoundary(text[k + 1]))
            return 0;
    }
    return 1;
}

SpeechReport speakPhrases(QStringView text, const SpeechOptions &options, const SpeechCallbacks &callbacks,
                          QStringList *trace) {
    SpeechReport report;
    Espeak *espeak = Espeak::instance(&report.error);
    if (!espeak) {
        report.status = SpeechReport::Status::Unavailable;
        return report;
    }
    const auto stop = [&] { return callbacks.stopRequested && callbacks.stopRequested(); };
    const Espeak::SampleSink sink = [&](std::span<const std::int16_t> samples) {
        return !stop() && (!callbacks.samples || callbacks.samples(samples));
    };
    const QVector<SpeechPhrase> phrases = speechPhrases(text);
    for (int k = 0; k < phrases.size(); ++k) {
        if (stop()) {
            report.status = SpeechReport::Status::Stopped;
            return report;
        }
        const PhraseSpeech speech = phraseToEspeak(text.mid(phrases[k].from, phrases[k].length), options.accent);
        report.skipped += speech.skipped;
        if (speech.phonemes.isEmpty())
            continue;
        ++report.phrases;
        const QStringList words = speech.phonemes.split(QLatin1Char(' '));
        QStringList ipa;
        for (qsizetype from = 0; from < words.size(); from += kMaxPartWords) {
            if (from > 0 && stop()) {
                report.status = SpeechReport::Status::Stopped;
                return report;
            }
            if (callbacks.phraseStarted)
                callbacks.phraseStarted(k);
            const bool last = from + kMaxPartWords >= words.size();
            const QString input = QStringLiteral("[[") + words.mid(from, kMaxPartWords).join(QLatin1Char(' ')) +
                                  QStringLiteral("]]") + (last ? phrases[k].end : QChar(u','));
            QString partIpa;
            switch (espeak->synthesise(speechVoice(options.accent), input, clampSpeechRate(options.rate), sink,
                                       trace ? &partIpa : nullptr)) {
            case Espeak::SynthResult::Done:
                break;
            case Espeak::SynthResult::Stopped:
                report.status = SpeechReport::Status::Stopped;
                return report;
            case Espeak::SynthResult::Failed:
                report.status = SpeechReport::Status::Unavailable;
                report.error =
                    QStringLiteral("espeak-ng cannot speak with its voice %1").arg(speechVoice(options.accent));
                return report;
            }
            ipa << partIpa.simplified();
        }
        if (trace)
            *trace << ipa.join(QLatin1Char(' '));
    }
    return report;
}

} // namespace

QString speechVoice(Accent accent) { return accent == Accent::AmE ? kEspeakVoiceUS : kEspeakVoiceRP; }

QVector<SpeechPhrase> speechPhrases(QStringView text) {
    QVector<SpeechPhrase> phrases;
    qsizetype from = 0;
    const auto close = [&](qsizetype to, QChar end) {
        const QStringView t = text.mid(from, to - from);
        if (!t.trimmed().isEmpty())
            phrases.push_back(SpeechPhrase{from, to - from, end});
    };
    for (qsizetype k = 0; k < text.size();) {
        const qsizetype n = boundaryAt(text, k);
        if (n == 0) {
            ++k;
            continue;
        }
        close(k, spokenEnd(text[n == 3 ? k + 1 : k]));
        k += n;
        from = k;
    }
    close(text.size(), u'.');
    // The text ends with a fall, unless it asks or exclaims.
    if (!phrases.isEmpty() && phrases.back().end == u',')
        phrases.back().end = u'.';
    return phrases;
}

int phraseAt(const QVector<SpeechPhrase> &phrases, qsizetype position) {
    if (phrases.isEmpty())
        return -1;
    int k = 0;
    while (k + 1 < phrases.size() && phrases[k + 1].from <= position)
        ++k;
    return k;
}

PhraseSpeech phraseToEspeak(QStringView phrase, Accent accent) {
    const SpokenTable &table = spokenTable(accent);
    PhraseSpeech speech;
    QVector<Word> words;
    for (QStringView token : phrase.split(u' ', Qt::SkipEmptyParts)) {
        for (QStringView part : token.split(u'\t', Qt::SkipEmptyParts)) {
            // An unknown word of the transcriber, "<word>", is spelling, not sound.
            if (part.size() > 1 && part.front() == u'<' && part.back() == u'>') {
                speech.skipped << part.toString();
                continue;
            }
            Word word = readWord(part.toString(), table, speech.skipped);
            if (!word.sounds.isEmpty())
                words.push_back(word);
        }
    }
    QStringList spoken;
    for (int w = 0; w < words.size(); ++w) {
        QStringList names;
        const QVector<Sound> &sounds = words[w].sounds;
        const QVector<int> cuts = wordCuts(sounds);
        for (int k = 0; k < sounds.size(); ++k) {
            const Sound &s = sounds[k];
            if (cuts.contains(k) && !names.isEmpty())
                spoken << std::exchange(names, {}).join(QLatin1Char('|'));
            const bool vowelNext = vowelFollows(words, w, k);
            if (!s.symbol) { // a linking r is said before a vowel only
                if (vowelNext)
                    names << QStringLiteral("r");
                continue;
            }
            names << (s.stress ? QLatin1Char(s.stress) + s.names : s.names);
            // The RP voice joins these vowels to a following one with an r of its own, and both
            // voices say n as ŋ before k and ɡ in a word: a short break keeps them apart when
            // the text writes neither.
            const bool rNext = k + 1 < sounds.size() && !sounds[k + 1].symbol;
            const bool velarNext =
                k + 1 < sounds.size() && sounds[k + 1].symbol &&
                (sounds[k + 1].symbol->ours == QStringView(u"k") || sounds[k + 1].symbol->ours == QStringView(u"ɡ"));
            if ((accent == Accent::BrE && s.symbol->linksWithR && vowelNext && !rNext) ||
                (s.symbol->ours == QStringView(u"n") && velarNext))
                names << QStringLiteral("_");
        }
        if (!names.isEmpty())
            spoken << names.join(QLatin1Char('|'));
    }
    speech.phonemes = spoken.join(QLatin1Char(' '));
    return speech;
}

SpeechReport speak(QStringView text, const SpeechOptions &options, const SpeechCallbacks &callbacks) {
    return speakPhrases(text, options, callbacks, nullptr);
}

int speechSampleRate() {
    const Espeak *espeak = Espeak::instance();
    return espeak ? espeak->sampleRate() : 0;
}

QString spokenIpa(QStringView text, Accent accent) {
    QStringList trace;
    const SpeechReport report = speakPhrases(text, SpeechOptions{accent, kDefaultSpeechRate}, {}, &trace);
    return report.status == SpeechReport::Status::Done ? trace.join(QLatin1Char('\n')) : QString();
}

QByteArray wavFile(std::span<const std::int16_t> samples, int sampleRate) {
    const auto u32 = [](QByteArray &b, quint32 v) {
        v = qToLittleEndian(v);
        b.append(reinterpret_cast<const char *>(&v), 4);
    };
    const auto u16 = [](QByteArray &b, quint16 v) {
        v = qToLittleEndian(v);
        b.append(reinterpret_cast<const char *>(&v), 2);
    };
    const auto dataBytes = quint32(samples.size() * 2);
    QByteArray wav;
    wav.reserve(44 + qsizetype(dataBytes));
    wav.append("RIFF");
    u32(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    u32(wav, 16);                      // the format chunk's size
    u16(wav, 1);                       // PCM
    u16(wav, 1);                       // mono
    u32(wav, quint32(sampleRate));     // samples a second
    u32(wav, quint32(sampleRate) * 2); // bytes a second
    u16(wav, 2);                       // bytes a sample
    u16(wav, 16);                      // bits a sample
    wav.append("data");
    u32(wav, dataBytes);
    for (const std::int16_t s : samples)
        u16(wav, quint16(s));
    return wav;
}

QString notSpokenNote(const QStringList &skipped) {
    if (skipped.isEmpty())
        return {};
    QStringList distinct;
    for (const QString &s : skipped)
        if (!distinct.contains(s))
            distinct << s;
    constexpr int kShown = 10;
    QString list = QStringList(distinct.mid(0, kShown)).join(QStringLiteral(", "));
    if (distinct.size() > kShown)
        list += QStringLiteral(u", …");
    return skipped.size() == 1 ? QStringLiteral("Not spoken: %1").arg(list)
                               : QStringLiteral("Not spoken: %1 (%2 in all)").arg(list).arg(skipped.size());
}

} // namespace vocalith::pronunciation

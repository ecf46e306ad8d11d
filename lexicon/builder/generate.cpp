#include "generate.h"

#include "phonology.h"
#include "sources.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>

namespace vocalith::lexicon {

namespace {

const QString kVoiceRP = QStringLiteral("en-gb-x-rp");
const QString kVoiceUS = QStringLiteral("en-us");

int columnIndex(const Table &t, const char *name) {
    for (int c = 0; c < t.columns.size(); ++c)
        if (t.columns[c].compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

} // namespace

namespace {
bool noWord(const QString &) { return false; }
} // namespace

QString americanFromArpabet(const QString &word, const QString &arpabet, const WordTest &isWord) {
    Pron p;
    if (!phonesFromArpabet(arpabet, p))
        return {};
    dropPretonicWeakSecondary(p);
    dropPrefixSecondary(word, p);
    applyDictionaryStress(p);
    removeGlideW(word, p);
    fuseAmericanRhotics(p);
    applyAmericanWeakVowels(word, p);
    weakenUnstressedLongVowels(p);
    applyWeakEndings(word, p);
    mergeTriphthongs(p);
    applyDictionaryStress(p);
    addPretonicSecondary(p);
    markSuffixBoundaries(word, p, isWord ? isWord : WordTest(noWord));
    return renderPron(p);
}

QString americanFromEspeak(const QString &word, const QString &mnemonics, const WordTest &isWord) {
    Pron p;
    if (!phonesFromEspeak(mnemonics, EspeakVoice::US, p))
        return {};
    applyDictionaryStress(p);
    applyAmericanWeakVowels(word, p);
    weakenUnstressedLongVowels(p);
    mergeTriphthongs(p);
    applyDictionaryStress(p);
    addPretonicSecondary(p);
    markSuffixBoundaries(word, p, isWord ? isWord : WordTest(noWord));
    return renderPron(p);
}

QString britishFromEspeak(const QString &word, const QString &mnemonics, const QString &arpabet, bool crossCheckStress,
                          const WordTest &isWord) {
    Pron p;
    if (!phonesFromEspeak(mnemonics, EspeakVoice::RP, p))
        return {};
    dropNonPrevocalicR(p);
    Pron american;
    if (crossCheckStress && !arpabet.isEmpty() && phonesFromArpabet(arpabet, american))
        transferPrimaryStress(p, american);
    applyDictionaryStress(p);
    applyBathVowel(word, p);
    reduceAryEnding(word, p);
    reduceWeakSuffixes(word, p);
    reduceWeakPrefixes(word, p);
    applyWeakEndings(word, p);
    splitUnstressedIa(p);
    weakenUnstressedLongVowels(p);
    mergeTriphthongs(p);
    applySyllabicConsonants(p);
    applyDictionaryStress(p);
    addPretonicSecondary(p);
    markSuffixBoundaries(word, p, isWord ? isWord : WordTest(noWord));
    return withLinkingR(word, renderPron(p));
}

bool hiddenFromRhymes(const QString &word, bool inListInLowerCase) {
    if (!inListInLowerCase)
        return true;
    for (const QChar c : word)
        if (!c.isLetter())
            return true;
    return false;
}

bool generateWords(const GeneratorInputs &inputs, Table &words, GeneratorReport &report, QString *error) {
    QMap<QString, QString> cmudict;
    if (!readCmudict(inputs.cmudict, cmudict, error))
        return false;
    QHash<QString, bool> listed;
    for (const QString &list : inputs.wordLists)
        if (!readWordList(list, listed, error))
            return false;

    QHash<QString, bool> extra;
    for (const QString &list : inputs.extraWordLists)
        if (!readWordList(list, extra, error))
            return false;

    QSet<QString> all(cmudict.keyBegin(), cmudict.keyEnd());
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        all.insert(it.key());
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        all.insert(it.key());
    QStringList sorted(all.begin(), all.end());
    std::sort(sorted.begin(), sorted.end());

    const WordTest isWord = [&all](const QString &w) { return all.contains(w); };
    Espeak *espeak = Espeak::instance(error);
    if (!espeak)
        return false;
    QHash<QString, QString> british, american;
    if (!espeak->setVoice(kVoiceRP)) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice %1").arg(kVoiceRP);
        return false;
    }
    for (const QString &w : sorted) {
        // espeak's dictionary knows the common words; for the rest (names, rare words) its
        // stress is a guess by rule that CMUdict, which lists names, does better.
        const bool common = !hiddenFromRhymes(w, listed.value(w, false));
        const QString b =
            britishFromEspeak(w, espeak->phonemes(w), cmudict.value(w), inputs.crossCheckStress && !common, isWord);
        if (!b.isEmpty())
            british.insert(w, b);
    }
    if (!espeak->setVoice(kVoiceUS)) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice %1").arg(kVoiceUS);
        return false;
    }
    for (const QString &w : sorted) {
        QString a;
        if (cmudict.contains(w)) {
            a = americanFromArpabet(w, cmudict.value(w), isWord);
            if (!a.isEmpty())
                ++report.fromCmudict;
        }
        if (a.isEmpty()) {
            a = americanFromEspeak(w, espeak->phonemes(w), isWord);
            if (!a.isEmpty())
                ++report.fromEspeakOnly;
        }
        if (!a.isEmpty())
            american.insert(w, a);
    }

    // A function word's entry in the word list is its strong form (the form it has when
    // cited or stressed); corrections below still win.
    QHash<QString, QVector<QVariant>> corrections;
    if (!inputs.functionWords.isEmpty() && QFileInfo::exists(inputs.functionWords)) {
        Table t;
        if (!readTsv(inputs.functionWords, QStringLiteral("functionwords"), t, error))
            return false;
        const int cw = columnIndex(t, "word"), cb = columnIndex(t, "BrE_Strong"), ca = columnIndex(t, "AmE_Strong");
        for (const auto &row : t.rows) {
            const QString w = row.value(cw).toString().toLower();
            if (!w.isEmpty() && all.contains(w)) {
                corrections.insert(w, {row.value(cb), row.value(ca), QVariant()});
                ++report.functionWords;
            }
        }
    }
    if (!inputs.corrections.isEmpty() && QFileInfo::exists(inputs.corrections)) {
        Table t;
        if (!readTsv(inputs.corrections, QStringLiteral("words"), t, error))
            return false;
        const int cw = columnIndex(t, "word"), cb = columnIndex(t, "BrE"), ca = columnIndex(t, "AmE"),
                  ch = columnIndex(t, "hiderhyme");
        for (const auto &row : t.rows) {
            const QString w = row.value(cw).toString().toLower();
            if (w.isEmpty())
                continue;
            corrections.insert(w, {row.value(cb), row.value(ca), ch < 0 ? QVariant() : row.value(ch)});
            if (!all.contains(w)) {
                sorted << w;
                ++report.added;
            } else {
                ++report.corrected;
            }
        }
        std::sort(sorted.begin(), sorted.end());
    }

    words = Table{QStringLiteral("words"), {"word", "BrE", "AmE", "hiderhyme"}, {}};
    words.rows.reserve(sorted.size());
    for (const QString &w : sorted) {
        QVariant b = british.contains(w) ? QVariant(british.value(w)) : QVariant();
        QVariant a = american.contains(w) ? QVariant(american.value(w)) : QVariant();
        QVariant hide = hiddenFromRhymes(w, listed.value(w, false)) ? 1 : 0;
        if (corrections.contains(w)) {
            const auto &c = corrections[w];
            if (!c[0].isNull())
                b = c[0];
            if (!c[1].isNull())
                a = c[1];
            if (!c[2].isNull())
                hide = c[2];
        }
        if (b.isNull() && a.isNull()) {
            ++report.unreadable;
            continue;
        }
        // A word known in one accent only takes the other accent's form rather than none.
        if (b.isNull())
            b = a;
        if (a.isNull())
            a = b;
        words.rows.push_back({w, b, a, hide});
    }
    return true;
}

} // namespace vocalith::lexicon

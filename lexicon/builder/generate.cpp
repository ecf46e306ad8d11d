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

// Applies the rules of one pipeline in turn and notes in the trace each rule that changed
// the pronunciation.
class RuleSteps {
public:
    RuleSteps(Pron &p, RuleTrace *trace) : m_p(p), m_trace(trace) {}
    template <typename Rule>
    void operator()(const char *name, Rule &&rule) {
        if (!m_trace) {
            rule(m_p);
            return;
        }
        const Pron before = m_p;
        rule(m_p);
        if (before == m_p)
            return;
        RuleChange change{QString::fromUtf8(name), {}, {}};
        if (m_trace->keepForms) {
            change.before = renderPron(before);
            change.after = renderPron(m_p);
        }
        m_trace->changes.push_back(change);
    }

private:
    Pron &m_p;
    RuleTrace *m_trace;
};

// The rules that look at other entries: the first part of a compound, and for American
// English the British entry of the word.
void applyCrossEntryRules(const QString &word, RuleSteps &step, const WordContext &context, bool american) {
    if (context.formOf && context.isWord) {
        const QString first = happyFirstPart(word, context.isWord);
        const QString form = first.isEmpty() ? QString() : context.formOf(first);
        if (!form.isEmpty())
            step("compound happY", [&](Pron &q) { applyCompoundHappy(q, parseNotation(form, american)); });
    }
    if (american && !context.british.isEmpty()) {
        const Pron british = parseNotation(context.british);
        step("American prefixes", [&](Pron &q) { applyAmericanPrefixVowels(word, q, british); });
        step("American THOUGHT", [&](Pron &q) { applyAmericanThought(q, british); });
        step("shared weak ɪ", [&](Pron &q) { applySharedWeakI(word, q, british); });
    }
}

QString finish(const QString &word, Pron &p, RuleSteps &step, const WordContext &context) {
    step("pretonic secondary", addPretonicSecondary);
    if (word.size() > 2 && word.endsWith(QLatin1String("'s")))
        step("possessive ending", applyPossessiveEnding);
    markSuffixBoundaries(word, p, context.isWord ? context.isWord : WordTest(noWord));
    return renderPron(p);
}

} // namespace

QString happyFirstPart(const QString &word, const WordTest &isWord) {
    for (int k = 3; k + 2 <= word.size(); ++k) {
        if (word[k - 1] != QLatin1Char('y'))
            continue;
        QString rest = word.mid(k);
        if (rest.startsWith(QLatin1Char('-')))
            rest.remove(0, 1);
        if (rest.size() >= 2 && isWord(word.left(k)) && isWord(rest))
            return word.left(k);
    }
    return {};
}

QString americanFromArpabet(const QString &word, const QString &arpabet, const WordContext &context) {
    Pron p;
    if (!phonesFromArpabet(arpabet, p))
        return {};
    RuleSteps step(p, context.trace);
    step("pretonic weak secondary", dropPretonicWeakSecondary);
    step("prefix secondary", [&](Pron &q) { dropPrefixSecondary(word, q); });
    step("dictionary stress", applyDictionaryStress);
    step("glide w", [&](Pron &q) { removeGlideW(word, q); });
    step("rhotic fusion", fuseAmericanRhotics);
    step("American weak vowels", [&](Pron &q) { applyAmericanWeakVowels(word, q); });
    step("weak long vowels", weakenUnstressedLongVowels);
    step("weak endings", [&](Pron &q) { applyWeakEndings(word, q); });
    step("one", [&](Pron &q) { applyOneVowel(word, q, context.isWord); });
    step("-ion glide", [&](Pron &q) { applyGlideBeforeIon(word, q); });
    step("triphthongs", mergeTriphthongs);
    step("dictionary stress", applyDictionaryStress);
    applyCrossEntryRules(word, step, context, true);
    return finish(word, p, step, context);
}

QString americanFromEspeak(const QString &word, const QString &mnemonics, const WordContext &context) {
    Pron p;
    if (!phonesFromEspeak(mnemonics, EspeakVoice::US, p))
        return {};
    RuleSteps step(p, context.trace);
    step("dictionary stress", applyDictionaryStress);
    step("American weak vowels", [&](Pron &q) { applyAmericanWeakVowels(word, q); });
    step("weak long vowels", weakenUnstressedLongVowels);
    step("one", [&](Pron &q) { applyOneVowel(word, q, context.isWord); });
    step("-ion glide", [&](Pron &q) { applyGlideBeforeIon(word, q); });
    step("triphthongs", mergeTriphthongs);
    step("dictionary stress", applyDictionaryStress);
    applyCrossEntryRules(word, step, context, true);
    return finish(word, p, step, context);
}

QString britishFromEspeak(const QString &word, const QString &mnemonics, const QString &arpabet, bool crossCheckStress,
                          const WordContext &context) {
    Pron p;
    if (!phonesFromEspeak(mnemonics, EspeakVoice::RP, p))
        return {};
    RuleSteps step(p, context.trace);
    step("non-prevocalic r", dropNonPrevocalicR);
    Pron american;
    if (crossCheckStress && !arpabet.isEmpty() && phonesFromArpabet(arpabet, american))
        step("stress cross-check", [&](Pron &q) { transferPrimaryStress(q, american); });
    step("dictionary stress", applyDictionaryStress);
    step("BATH list", [&](Pron &q) { applyBathVowel(word, q); });
    step("-ary", [&](Pron &q) { reduceAryEnding(word, q); });
    step("weak suffixes", [&](Pron &q) { reduceWeakSuffixes(word, q); });
    step("weak prefixes", [&](Pron &q) { reduceWeakPrefixes(word, q); });
    step("weak endings", [&](Pron &q) { applyWeakEndings(word, q); });
    step("-ia", [&](Pron &q) { splitUnstressedIa(word, q); });
    step("weak long vowels", weakenUnstressedLongVowels);
    step("one", [&](Pron &q) { applyOneVowel(word, q, context.isWord); });
    step("-ion glide", [&](Pron &q) { applyGlideBeforeIon(word, q); });
    step("al + consonant", [&](Pron &q) { applyBritishAlVowel(word, q); });
    step("triphthongs", mergeTriphthongs);
    step("syllabic consonants", applySyllabicConsonants);
    step("dictionary stress", applyDictionaryStress);
    applyCrossEntryRules(word, step, context, false);
    return withLinkingR(word, finish(word, p, step, context));
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
    // A possessive whose stem is stored is left to the transcriber, which derives it from the
    // stem with the possessive rule; one stored beside it could only disagree.
    QStringList sorted;
    sorted.reserve(all.size());
    for (const QString &w : all) {
        if (w.endsWith(QLatin1String("'s")) && all.contains(w.chopped(2)))
            ++report.possessivesLeftOut;
        else
            sorted << w;
    }
    std::sort(sorted.begin(), sorted.end());

    // A function word's entry in the word list is its strong form (the form it has when
    // cited or stressed); the corrections still win. Read first: the American rules follow
    // the corrected British entry.
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
    QStringList added;
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
                added << w;
                ++report.added;
            } else {
                ++report.corrected;
            }
        }
    }

    const WordTest isWord = [&all](const QString &w) { return all.contains(w); };
    auto noteChanges = [&](const QString &accent, const QString &w, const RuleTrace &trace) {
        QSet<QString> counted;
        for (const RuleChange &c : trace.changes) {
            if (!counted.contains(c.rule)) {
                counted.insert(c.rule);
                ++report.ruleCounts[accent + QLatin1Char(' ') + c.rule];
            }
            if (inputs.keepChanges)
                report.changes << QStringList{c.rule, accent, w, c.before, c.after}.join(QLatin1Char('\t'));
        }
    };
    Espeak *espeak = Espeak::instance(error);
    if (!espeak)
        return false;
    QHash<QString, QString> british, american;
    if (!espeak->setVoice(kVoiceRP)) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice %1").arg(kVoiceRP);
        return false;
    }
    // Words are generated in order, so the first part of a compound (every-) is done before it.
    auto britishOf = [&british](const QString &w) { return british.value(w); };
    for (const QString &w : sorted) {
        // espeak's dictionary knows the common words; for the rest (names, rare words) its
        // stress is a guess by rule that CMUdict, which lists names, does better.
        const bool common = !hiddenFromRhymes(w, listed.value(w, false));
        RuleTrace trace{inputs.keepChanges, {}};
        const QString b = britishFromEspeak(w, espeak->phonemes(w), cmudict.value(w),
                                            inputs.crossCheckStress && !common, {isWord, {}, britishOf, &trace});
        if (!b.isEmpty())
            british.insert(w, b);
        noteChanges(QStringLiteral("BrE"), w, trace);
    }
    if (!espeak->setVoice(kVoiceUS)) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice %1").arg(kVoiceUS);
        return false;
    }
    auto americanOf = [&american](const QString &w) { return american.value(w); };
    for (const QString &w : sorted) {
        // The British entry guides the American one only where espeak knows the word itself.
        QString b;
        if (!hiddenFromRhymes(w, listed.value(w, false))) {
            const auto c = corrections.constFind(w);
            b = c != corrections.cend() && !c->at(0).isNull() ? c->at(0).toString() : british.value(w);
        }
        RuleTrace trace{inputs.keepChanges, {}};
        const WordContext context{isWord, b, americanOf, &trace};
        QString a;
        if (cmudict.contains(w)) {
            a = americanFromArpabet(w, cmudict.value(w), context);
            if (!a.isEmpty())
                ++report.fromCmudict;
        }
        if (a.isEmpty()) {
            trace.changes.clear();
            a = americanFromEspeak(w, espeak->phonemes(w), context);
            if (!a.isEmpty())
                ++report.fromEspeakOnly;
        }
        if (!a.isEmpty())
            american.insert(w, a);
        noteChanges(QStringLiteral("AmE"), w, trace);
    }
    sorted << added;
    std::sort(sorted.begin(), sorted.end());

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

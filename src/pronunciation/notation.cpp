#include "pronunciation/notation.h"

#include "pronunciation/arpabet.h"
#include "pronunciation/british.h"
#include "pronunciation/conventions.h"
#include "pronunciation/crosscheck.h"
#include "pronunciation/espeak.h"
#include "pronunciation/syllables.h"

namespace vocalith::pronunciation {

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
        step("plural voicing", [&](Pron &q) { applyBritishPluralVoicing(word, q, british, context.isWord); });
    }
}

QString finish(const QString &word, Pron &p, RuleSteps &step, const WordContext &context) {
    step("stress before -ion", [&](Pron &q) { stressBeforeIon(word, q); });
    step("ending voicing", matchEndingVoicing);
    step("re- again", [&](Pron &q) { applyRepetitionPrefix(word, q); });
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
    step("syllabic consonants", applySyllabicConsonants);
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
    step("prefix nasal", [&](Pron &q) { keepPrefixNasal(word, q); });
    step("weak endings", [&](Pron &q) { applyWeakEndings(word, q); });
    step("-ia", [&](Pron &q) { splitUnstressedIa(word, q); });
    step("weak long vowels", weakenUnstressedLongVowels);
    step("one", [&](Pron &q) { applyOneVowel(word, q, context.isWord); });
    step("-ion glide", [&](Pron &q) { applyGlideBeforeIon(word, q); });
    step("triphthongs", mergeTriphthongs);
    step("-n't", [&](Pron &q) { addNtSyllable(word, q); });
    step("syllabic consonants", applySyllabicConsonants);
    step("dictionary stress", applyDictionaryStress);
    applyCrossEntryRules(word, step, context, true);
    return finish(word, p, step, context);
}

QString britishFromEspeak(const QString &word, const QString &mnemonics, const QString &arpabet, bool crossCheckStress,
                          const WordContext &context) {
    Pron p;
    QVector<int> bathVowels;
    if (!phonesFromEspeak(mnemonics, EspeakVoice::RP, p, &bathVowels))
        return {};
    RuleSteps step(p, context.trace);
    // First, while the indexes of espeak's BATH vowels still hold.
    step("BATH set", [&](Pron &q) { limitBathToItsSet(word, q, bathVowels, context.isWord); });
    step("non-prevocalic r", dropNonPrevocalicR);
    step("intrusive r", [&](Pron &q) { dropIntrusiveR(word, q); });
    Pron american;
    const bool withCmudict = !arpabet.isEmpty() && phonesFromArpabet(arpabet, american);
    if (crossCheckStress && withCmudict)
        step("stress cross-check", [&](Pron &q) { transferPrimaryStress(q, american); });
    step("dictionary stress", applyDictionaryStress);
    step("BATH list", [&](Pron &q) { applyBathVowel(word, q); });
    step("-chester", [&](Pron &q) { applyChesterVowel(word, q); });
    step("-ary", [&](Pron &q) { reduceAryEnding(word, q); });
    step("weak suffixes", [&](Pron &q) { reduceWeakSuffixes(word, q); });
    step("weak prefixes", [&](Pron &q) { reduceWeakPrefixes(word, q); });
    step("au-", [&](Pron &q) { applyInitialAuVowel(word, q); });
    if (withCmudict) {
        step("CMUdict's pretonic secondary", [&](Pron &q) { keepPretonicSecondaryAsCmudict(word, q, american); });
        step("CMUdict's reduced vowels", [&](Pron &q) { reduceAsCmudict(word, q, american); });
        step("singular -is, -us", [&](Pron &q) { voiceSingularIsUs(word, q, american, context.isWord); });
        step("z as CMUdict", [&](Pron &q) { voiceAsCmudict(word, q, american); });
    }
    step("weak endings", [&](Pron &q) { applyWeakEndings(word, q); });
    step("-ia", [&](Pron &q) { splitUnstressedIa(word, q); });
    step("weak long vowels", weakenUnstressedLongVowels);
    step("one", [&](Pron &q) { applyOneVowel(word, q, context.isWord); });
    step("-ion glide", [&](Pron &q) { applyGlideBeforeIon(word, q); });
    step("al + consonant", [&](Pron &q) { applyBritishAlVowel(word, q); });
    step("triphthongs", mergeTriphthongs);
    step("-n't", [&](Pron &q) { addNtSyllable(word, q); });
    step("syllabic consonants", applySyllabicConsonants);
    step("dictionary stress", applyDictionaryStress);
    applyCrossEntryRules(word, step, context, false);
    return withLinkingR(word, finish(word, p, step, context));
}

} // namespace vocalith::pronunciation

#include "generate.h"

#include "pronunciation/accent.h"
#include "pronunciation/guess.h"
#include "pronunciation/inflections.h"
#include "pronunciation/notation.h"
#include "sources.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <optional>

namespace vocalith::lexicon {

using namespace pronunciation;

namespace {

int columnIndex(const Table &t, const char *name) {
    for (int c = 0; c < t.columns.size(); ++c)
        if (t.columns[c].compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

} // namespace

bool hiddenFromRhymes(const QString &word, bool inListInLowerCase) {
    if (!inListInLowerCase)
        return true;
    for (const QChar c : word)
        if (!c.isLetter())
            return true;
    return false;
}

namespace {

// The sources the words are generated from.
struct Sources {
    QMap<QString, QString> cmudict; // word → ARPAbet
    QHash<QString, bool> listed;    // the common word lists: true where a list has the word in lower case
    QHash<QString, bool> extra;     // the larger lists, likewise
};

bool readSources(const GeneratorInputs &inputs, Sources &sources, QString *error) {
    if (!readCmudict(inputs.cmudict, sources.cmudict, error))
        return false;
    for (const QString &list : inputs.wordLists)
        if (!readWordList(list, sources.listed, error))
            return false;
    for (const QString &list : inputs.extraWordLists)
        if (!readWordList(list, sources.extra, error))
            return false;
    return true;
}

struct Vocabulary {
    QSet<QString> all;  // every word of the sources
    QStringList sorted; // the words to generate, in order
};

// Every word of the sources. A possessive whose stem is there too is left to the
// transcriber, which derives it from the stem with the possessive rule; one stored beside it
// could only disagree.
Vocabulary collectWords(const Sources &sources, GeneratorReport &report) {
    Vocabulary v;
    v.all = QSet<QString>(sources.cmudict.keyBegin(), sources.cmudict.keyEnd());
    for (auto it = sources.listed.cbegin(); it != sources.listed.cend(); ++it)
        v.all.insert(it.key());
    for (auto it = sources.extra.cbegin(); it != sources.extra.cend(); ++it)
        v.all.insert(it.key());
    v.sorted.reserve(v.all.size());
    for (const QString &w : v.all) {
        if (w.endsWith(QLatin1String("'s")) && v.all.contains(w.chopped(2)))
            ++report.possessivesLeftOut;
        else
            v.sorted << w;
    }
    std::sort(v.sorted.begin(), v.sorted.end());
    return v;
}

// A hand-checked row: what it gives replaces the generated value, what it leaves empty is
// generated.
struct Correction {
    std::optional<QString> british, american, hideRhyme;
};
using Corrections = QHash<QString, Correction>;

std::optional<QString> cell(const QVector<QVariant> &row, int column) {
    const QVariant v = row.value(column);
    return v.isNull() ? std::nullopt : std::optional<QString>(v.toString());
}

// The function words' strong forms (for the words the sources have), then the corrections
// file, whose row replaces a function word's. added: the corrected words the sources lack.
bool readCorrections(const GeneratorInputs &inputs, const QSet<QString> &all, Corrections &corrections,
                     QStringList &added, GeneratorReport &report, QString *error) {
    if (!inputs.functionWords.isEmpty() && QFileInfo::exists(inputs.functionWords)) {
        Table t;
        if (!readTsv(inputs.functionWords, QStringLiteral("functionwords"), t, error))
            return false;
        const int cw = columnIndex(t, "word"), cb = columnIndex(t, "BrE_Strong"), ca = columnIndex(t, "AmE_Strong");
        for (const auto &row : t.rows) {
            const QString w = row.value(cw).toString().toLower();
            if (!w.isEmpty() && all.contains(w)) {
                corrections.insert(w, {cell(row, cb), cell(row, ca), std::nullopt});
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
            corrections.insert(w, {cell(row, cb), cell(row, ca), cell(row, ch)});
            if (!all.contains(w)) {
                added << w;
                ++report.added;
            } else {
                ++report.corrected;
            }
        }
    }
    return true;
}

// The espeak-ng session with both voices, or nullptr with the reason.
Espeak *startEspeak(QString *error) {
    Espeak *espeak = Espeak::instance(error);
    if (!espeak)
        return nullptr;
    for (const QString &voice : {kEspeakVoiceRP, kEspeakVoiceUS})
        if (!espeak->hasVoice(voice)) {
            if (error)
                *error = QStringLiteral("espeak-ng has no voice %1").arg(voice);
            return nullptr;
        }
    return espeak;
}

// Counts each rule that changed the entry once, and keeps its changes when asked.
void noteChanges(GeneratorReport &report, bool keepChanges, Accent accent, const QString &word,
                 const RuleTrace &trace) {
    const QString code = accentCode(accent);
    QSet<QString> counted;
    for (const RuleChange &c : trace.changes) {
        if (!counted.contains(c.rule)) {
            counted.insert(c.rule);
            ++report.ruleCounts[code + QLatin1Char(' ') + c.rule];
        }
        if (keepChanges)
            report.changes << QStringList{c.rule, code, word, c.before, c.after}.join(QLatin1Char('\t'));
    }
}

// The British entries from espeak-ng's RP voice. Words are generated in order, so the first
// part of a compound (every-) is done before it.
QHash<QString, QString> britishEntries(const QStringList &words, const Sources &sources, const WordTest &isWord,
                                       bool crossCheckStress, bool keepChanges, Espeak &espeak,
                                       GeneratorReport &report) {
    QHash<QString, QString> british;
    auto britishOf = [&british](const QString &w) { return british.value(w); };
    for (const QString &w : words) {
        // espeak's dictionary knows the common words; for the rest (names, rare words) its
        // stress is a guess by rule that CMUdict, which lists names, does better.
        const bool common = !hiddenFromRhymes(w, sources.listed.value(w, false));
        RuleTrace trace{keepChanges, {}};
        const QString b = britishFromEspeak(w, espeak.phonemes(kEspeakVoiceRP, w), sources.cmudict.value(w),
                                            crossCheckStress && !common, {isWord, {}, britishOf, &trace});
        if (!b.isEmpty())
            british.insert(w, b);
        noteChanges(report, keepChanges, Accent::BrE, w, trace);
    }
    return british;
}

// The American entries from CMUdict, or from espeak-ng's American voice for the words CMUdict
// lacks or cannot be read. The corrected British entry guides them, where espeak knows the
// word itself.
QHash<QString, QString> americanEntries(const QStringList &words, const Sources &sources,
                                        const Corrections &corrections, const QHash<QString, QString> &british,
                                        const WordTest &isWord, bool keepChanges, Espeak &espeak,
                                        GeneratorReport &report) {
    QHash<QString, QString> american;
    auto americanOf = [&american](const QString &w) { return american.value(w); };
    for (const QString &w : words) {
        QString b;
        if (!hiddenFromRhymes(w, sources.listed.value(w, false))) {
            const auto c = corrections.constFind(w);
            b = c != corrections.cend() && c->british ? *c->british : british.value(w);
        }
        RuleTrace trace{keepChanges, {}};
        const WordContext context{isWord, b, americanOf, &trace};
        QString a;
        if (sources.cmudict.contains(w)) {
            a = americanFromArpabet(w, sources.cmudict.value(w), context);
            if (!a.isEmpty())
                ++report.fromCmudict;
        }
        if (a.isEmpty()) {
            trace.changes.clear();
            a = americanFromEspeak(w, espeak.phonemes(kEspeakVoiceUS, w), context);
            if (!a.isEmpty())
                ++report.fromEspeakOnly;
        }
        if (!a.isEmpty())
            american.insert(w, a);
        noteChanges(report, keepChanges, Accent::AmE, w, trace);
    }
    return american;
}

// American LOT and THOUGHT taken as one vowel (CMUdict has dog dɔːɡ but dogs dɑːɡz).
QString withoutThought(QString form) { return form.replace(QStringLiteral("ɔː"), QStringLiteral("ɑː")); }

// An inflected form that disagrees with its stem's entry is made from that entry where the
// stem's is the better one: corrected by hand (families after family), or checked against
// CMUdict while the form is espeak-ng's alone (autumns ˈɔː.tʌmz after autumn); an American
// form of CMUdict whose stem has the THOUGHT vowel where it has LOT (dogs after dog).
void followStems(QHash<QString, QString> &entries, bool american, const Sources &sources,
                 const Corrections &corrections, const WordTest &isWord, bool keepChanges, GeneratorReport &report) {
    const QString accent = american ? QStringLiteral("AmE") : QStringLiteral("BrE");
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QString &w = it.key();
        const auto inflection = findInflection(w, isWord);
        if (!inflection || corrections.contains(w))
            continue;
        QString stemForm = entries.value(inflection->stem);
        bool corrected = false;
        if (const auto c = corrections.constFind(inflection->stem); c != corrections.cend()) {
            corrected = (american ? c->american : c->british).has_value();
            stemForm = (american ? c->american : c->british).value_or(stemForm);
        }
        if (stemForm.isEmpty() || agreesWithStem(stemForm, it.value(), american))
            continue;
        const bool fromEspeakOnly = !sources.cmudict.contains(w) && sources.cmudict.contains(inflection->stem);
        const bool thought = american && agreesWithStem(withoutThought(stemForm), withoutThought(it.value()), true);
        if (!corrected && !fromEspeakOnly && !thought)
            continue;
        const QString derived = inflectedForm(stemForm, inflection->ending, american);
        if (derived.isEmpty())
            continue;
        ++report.ruleCounts[accent + QStringLiteral(" inflection from the stem")];
        if (keepChanges)
            report.changes << QStringList{QStringLiteral("inflection from the stem"), accent, w, it.value(), derived}
                                  .join(QLatin1Char('\t'));
        it.value() = derived;
    }
}

// The words table: the generated entries under the corrections. A word known in one accent
// only takes the other accent's form rather than none; one known in neither is left out.
Table wordsTable(const QStringList &words, const QHash<QString, bool> &listed, const QHash<QString, QString> &british,
                 const QHash<QString, QString> &american, const Corrections &corrections, GeneratorReport &report) {
    Table table{QStringLiteral("words"), {"word", "BrE", "AmE", "hiderhyme"}, {}};
    table.rows.reserve(words.size());
    for (const QString &w : words) {
        QVariant b = british.contains(w) ? QVariant(british.value(w)) : QVariant();
        QVariant a = american.contains(w) ? QVariant(american.value(w)) : QVariant();
        QVariant hide = hiddenFromRhymes(w, listed.value(w, false)) ? 1 : 0;
        if (const auto c = corrections.constFind(w); c != corrections.cend()) {
            if (c->british)
                b = *c->british;
            if (c->american)
                a = *c->american;
            if (c->hideRhyme)
                hide = *c->hideRhyme;
        }
        if (b.isNull() && a.isNull()) {
            ++report.unreadable;
            continue;
        }
        if (b.isNull())
            b = a;
        if (a.isNull())
            a = b;
        table.rows.push_back({w, b, a, hide});
    }
    return table;
}

} // namespace

bool generateWords(const GeneratorInputs &inputs, Table &words, GeneratorReport &report, QString *error) {
    Sources sources;
    if (!readSources(inputs, sources, error))
        return false;
    const Vocabulary vocabulary = collectWords(sources, report);
    // Read before the American entries: they follow the corrected British entry.
    Corrections corrections;
    QStringList added;
    if (!readCorrections(inputs, vocabulary.all, corrections, added, report, error))
        return false;
    Espeak *espeak = startEspeak(error);
    if (!espeak)
        return false;
    const WordTest isWord = [&all = vocabulary.all](const QString &w) { return all.contains(w); };
    const QStringList &generated = vocabulary.sorted;
    auto british =
        britishEntries(generated, sources, isWord, inputs.crossCheckStress, inputs.keepChanges, *espeak, report);
    followStems(british, false, sources, corrections, isWord, inputs.keepChanges, report);
    auto american =
        americanEntries(generated, sources, corrections, british, isWord, inputs.keepChanges, *espeak, report);
    followStems(american, true, sources, corrections, isWord, inputs.keepChanges, report);
    QStringList tableWords = generated + added;
    std::sort(tableWords.begin(), tableWords.end());
    words = wordsTable(tableWords, sources.listed, british, american, corrections, report);
    report.inflectionMismatches = inflectionMismatches(words);
    return true;
}

QStringList inflectionMismatches(const Table &words, const std::function<bool(const QString &)> &includeStem) {
    QHash<QString, qsizetype> index;
    for (qsizetype r = 0; r < words.rows.size(); ++r)
        index.insert(words.rows[r].value(0).toString(), r);
    const auto isWord = [&](const QString &w) { return index.contains(w); };
    QStringList out;
    for (const auto &row : words.rows) {
        const QString w = row.value(0).toString();
        const auto inflection = findInflection(w, isWord);
        if (!inflection || (includeStem && !includeStem(inflection->stem)))
            continue;
        const auto &stemRow = words.rows[index.value(inflection->stem)];
        for (const int column : {1, 2}) {
            const QString form = row.value(column).toString(), stemForm = stemRow.value(column).toString();
            if (!agreesWithStem(stemForm, form, column == 2))
                out << QStringList{column == 2 ? QStringLiteral("AmE") : QStringLiteral("BrE"),
                                   w,
                                   inflection->stem,
                                   inflection->ending,
                                   stemForm,
                                   form}
                           .join(QLatin1Char('\t'));
        }
    }
    return out;
}

} // namespace vocalith::lexicon

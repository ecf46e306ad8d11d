#include "generate.h"

#include "pronunciation/guess.h"
#include "pronunciation/notation.h"
#include "sources.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>

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
    if (!espeak->hasVoice(kEspeakVoiceRP)) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice %1").arg(kEspeakVoiceRP);
        return false;
    }
    // Words are generated in order, so the first part of a compound (every-) is done before it.
    auto britishOf = [&british](const QString &w) { return british.value(w); };
    for (const QString &w : sorted) {
        // espeak's dictionary knows the common words; for the rest (names, rare words) its
        // stress is a guess by rule that CMUdict, which lists names, does better.
        const bool common = !hiddenFromRhymes(w, listed.value(w, false));
        RuleTrace trace{inputs.keepChanges, {}};
        const QString b = britishFromEspeak(w, espeak->phonemes(kEspeakVoiceRP, w), cmudict.value(w),
                                            inputs.crossCheckStress && !common, {isWord, {}, britishOf, &trace});
        if (!b.isEmpty())
            british.insert(w, b);
        noteChanges(QStringLiteral("BrE"), w, trace);
    }
    if (!espeak->hasVoice(kEspeakVoiceUS)) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice %1").arg(kEspeakVoiceUS);
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
            a = americanFromEspeak(w, espeak->phonemes(kEspeakVoiceUS, w), context);
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

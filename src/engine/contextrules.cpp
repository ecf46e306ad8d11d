#include "engine/contextrules.h"

#include <QSet>
#include <algorithm>
#include <initializer_list>

namespace vocalith::context {

namespace {

using Words = std::initializer_list<const char *>;

QSet<QString> wordSet(Words words) {
    QSet<QString> set;
    for (const char *w : words)
        set.insert(QString::fromUtf8(w));
    return set;
}

// clang-format off
// Auxiliaries that open a yes/no question, and the words a subject starts with after them.
const QSet<QString> kAuxiliaries = wordSet({
    "have", "has", "had", "do", "does", "can", "could", "should", "would", "must", "shall", "will",
    "was", "were", "am", "are"});
const QSet<QString> kSubjects = wordSet({
    "i", "you", "he", "she", "it", "we", "they", "there", "this", "that", "these", "those", "one",
    "the", "a", "an", "no", "my", "your", "his", "her", "its", "our", "their", "someone", "somebody",
    "something", "anyone", "anybody", "anything", "everyone", "everybody", "everything"});
// The subjects after which an inverted "is" stands in a question.
const QSet<QString> kIsSubjects = wordSet({"it", "he", "she", "there", "that", "this"});
const QSet<QString> kQuestionWords = wordSet({"what", "who", "whom", "whose", "which", "where", "when", "why", "how"});
const QSet<QString> kCoordinators = wordSet({"or", "and", "but", "so"});
// Function words that can be the subject of a following "is"; conjunctions and object
// pronouns, after which "is" stays full but the word keeps its weak form (and is …, one of
// them is …). Any other function word there ends the clause before it (the thing to do is …,
// what I'm looking for is …).
const QSet<QString> kSubjectsOfIs = wordSet({"he", "she", "it", "that", "this", "there", "who", "what", "which"});
const QSet<QString> kWeakBeforeFullIs = wordSet({
    "and", "but", "or", "nor", "as", "than", "so", "him", "her", "them", "us", "me", "you", "his", "your"});
// Subject pronouns: after one, a clause goes on (is that they've …), and before "is" one is
// its subject, not inverted after it.
const QSet<QString> kSubjectPronouns = wordSet({
    "i", "you", "he", "she", "it", "we", "they", "i've", "you've", "we've", "they've", "it's", "he's",
    "she's", "they're", "we're", "you're", "i'm", "i'll", "you'll", "he'll", "she'll", "we'll",
    "they'll", "i'd", "you'd", "he'd", "she'd", "we'd", "they'd"});
const QSet<QString> kBeForms = wordSet({"am", "is", "are", "was", "were", "be", "been", "being"});
// What follows existential "there": be, the modals, have, and the verbs of existence.
const QSet<QString> kExistentialVerbs = wordSet({
    "is", "are", "was", "were", "isn't", "aren't", "wasn't", "weren't", "will", "won't", "would",
    "wouldn't", "must", "mustn't", "may", "might", "can", "can't", "cannot", "could", "couldn't",
    "should", "shouldn't", "shall", "has", "hasn't", "have", "haven't", "had", "hadn't", "used",
    "ought", "seems", "seem", "seemed", "appears", "appear", "appeared", "remains", "remain",
    "remained", "exists", "exist", "existed", "came", "comes", "lived", "arose", "followed"});
// Adverbs that may stand between a form of be and a passive "used".
const QSet<QString> kPassiveAdverbs = wordSet({
    "also", "often", "still", "now", "only", "not", "never", "always", "once", "sometimes", "rarely", "seldom"});
// Words after "to" that are no verb: "used to" + one of them is "accustomed to".
const QSet<QString> kNoVerbAfterTo = wordSet({
    "the", "a", "an", "it", "them", "him", "her", "me", "us", "you", "this", "that", "these",
    "those", "his", "my", "your", "our", "their", "its", "some", "any", "such", "being", "having",
    "people", "life", "work", "things"});
// Words before "read" that make it the base form (to read, will read, did you read, please read).
const QSet<QString> kBaseFormMarkers = wordSet({
    "to", "will", "would", "can", "could", "shall", "should", "may", "might", "must", "do", "does",
    "did", "don't", "doesn't", "didn't", "won't", "wouldn't", "can't", "cannot", "couldn't",
    "shouldn't", "mustn't", "let", "let's", "please", "i'll", "you'll", "he'll", "she'll", "we'll",
    "they'll", "lets"});
// Words before "read" that make it the participle (have read, was read, being read).
const QSet<QString> kParticipleMarkers = wordSet({
    "have", "has", "had", "having", "i've", "you've", "we've", "they've", "is", "are", "was",
    "were", "be", "been", "being", "am", "get", "got", "gets"});
// A third-person singular subject right before "read" without -s: the past.
const QSet<QString> kSingularSubjects = wordSet({"he", "she", "it"});
// What may stand between an auxiliary and its verb: the subject of a question, adverbs.
const QSet<QString> kPronouns = wordSet({"i", "you", "he", "she", "it", "we", "they"});
const QSet<QString> kAdverbsBeforeVerb = wordSet({
    "not", "never", "already", "just", "ever", "also", "all", "both", "once", "often", "recently", "first"});
// Words of the time of a clause: a past one makes "read" past, a present one keeps it.
const QSet<QString> kPastTimeWords = wordSet({"yesterday", "ago", "already", "once", "formerly", "earlier"});
const QSet<QString> kPastTimeAfterLast = wordSet({
    "night", "week", "year", "month", "time", "summer", "winter", "spring", "autumn", "fall",
    "weekend", "term", "semester", "monday", "tuesday", "wednesday", "thursday", "friday",
    "saturday", "sunday", "christmas", "easter"});
const QSet<QString> kPresentTimeWords = wordSet({
    "every", "usually", "always", "often", "sometimes", "tomorrow", "now", "am", "is", "are",
    "do", "does", "don't", "doesn't", "each", "daily", "nowadays"});
// Past forms of common irregular verbs (those spelt like their base form are left out).
const QSet<QString> kIrregularPasts = wordSet({
    "was", "were", "had", "did", "went", "came", "saw", "said", "told", "took", "got", "made",
    "gave", "found", "thought", "knew", "felt", "left", "sat", "stood", "wrote", "sang", "ran",
    "began", "brought", "bought", "caught", "taught", "fought", "kept", "slept", "met", "heard",
    "held", "lost", "paid", "sent", "spent", "built", "meant", "fell", "forgot", "became",
    "broke", "chose", "drove", "ate", "drank", "flew", "grew", "threw", "wore", "won", "spoke",
    "woke", "rode", "rose", "hid", "shook", "stole", "swam", "understood", "sold", "lay", "lent",
    "fled", "sought", "swore", "tore", "drew", "wept", "dreamt", "learnt", "burnt", "didn't",
    "wasn't", "weren't", "couldn't"});
// clang-format on

const QString kRead = QStringLiteral("read");
const QString kReadInThePast = QStringLiteral("red");
const QString kUsed = QStringLiteral("used");
const QString kThere = QStringLiteral("there");
const QString kThat = QStringLiteral("that");
const QString kTo = QStringLiteral("to");

int lastIndex(const QStringList &words) { return int(words.size()) - 1; }

bool at(const QStringList &words, int i, const QSet<QString> &set) {
    return i >= 0 && i < words.size() && set.contains(words[i]);
}

// The stem of a word with an ending, in the lexicon: the ending alone, the ending after a
// silent e that went (smiled, making), after a doubled consonant (stopped), -ied for -y.
bool hasStem(const QString &w, const QString &ending, const WordTest &isWord) {
    if (!w.endsWith(ending) || w.size() < ending.size() + 3 || !isWord)
        return false;
    const QString stem = w.chopped(ending.size());
    if (isWord(stem) || isWord(stem + QLatin1Char('e')))
        return true;
    const qsizetype n = stem.size();
    if (n >= 4 && stem[n - 1] == stem[n - 2] && isWord(stem.chopped(1)))
        return true;
    return ending == QLatin1String("ed") && stem.endsWith(QLatin1Char('i')) && isWord(stem.chopped(1) + 'y');
}

// A regular past (-ed on a word of the lexicon: opened, smiled, stopped, carried) or a common
// irregular one. -eed words (need, seed, feed) are no pasts.
bool isPastVerb(const QString &w, const WordTest &isWord) {
    if (kIrregularPasts.contains(w))
        return true;
    return !w.endsWith(QLatin1String("eed")) && w != kUsed && hasStem(w, QStringLiteral("ed"), isWord);
}

bool isGerund(const QString &w, const WordTest &isWord) { return hasStem(w, QStringLiteral("ing"), isWord); }

// A contracted form of be written onto a word (it's, that's, they're).
bool endsWithBe(const QString &w) {
    return w.size() > 3 && (w.endsWith(QLatin1String("'s")) || w.endsWith(QLatin1String("'re")));
}

// Whether "read" at i is in the past by the words of its phrase: nullopt when nothing says.
std::optional<bool> readIsPast(const QStringList &words, int i, const WordTest &isWord) {
    // The auxiliary before it, across adverbs and the subject of a question: to, will, did …
    // give the base form; have, was … the participle.
    bool subjectPassed = false;
    for (int k = i - 1; k >= 0; --k) {
        const QString &w = words[k];
        if (kBaseFormMarkers.contains(w))
            return false;
        if (kParticipleMarkers.contains(w))
            return true;
        if (kAdverbsBeforeVerb.contains(w) || w.endsWith(QLatin1String("ly")))
            continue;
        if (subjectPassed || !kPronouns.contains(w))
            break;
        subjectPassed = true;
    }
    if (i == 0)
        return std::nullopt; // an imperative, or a heading
    bool past = at(words, i - 1, kSingularSubjects), pastVerb = false, present = false;
    for (int k = 0; k <= lastIndex(words); ++k) {
        const QString &w = words[k];
        if (k == i)
            continue;
        past = past || kPastTimeWords.contains(w) ||
               (w == QLatin1String("last") && at(words, k + 1, kPastTimeAfterLast)) ||
               (w == QLatin1String("then") && k > i);
        pastVerb = pastVerb || isPastVerb(w, isWord);
        present = present || kPresentTimeWords.contains(w);
    }
    if (past || (pastVerb && !present))
        return true;
    return std::nullopt;
}

// "used" as the passive of use: a form of be (or 's, 're), perhaps an adverb, then used, to
// and a verb (is used to cut); "is used to the noise", "used to working" mean accustomed.
bool isPassiveUsed(const QStringList &words, int i, const WordTest &isWord) {
    if (i + 2 > lastIndex(words) || words[i + 1] != kTo)
        return false;
    const QString &verb = words[i + 2];
    if (kNoVerbAfterTo.contains(verb) || isGerund(verb, isWord))
        return false;
    int k = i - 1;
    while (k >= 0 && k >= i - 3 && (kPassiveAdverbs.contains(words[k]) || words[k].endsWith(QLatin1String("ly"))))
        --k;
    return k >= 0 && (kBeForms.contains(words[k]) || endsWithBe(words[k]));
}

} // namespace

namespace {

// Whether the auxiliary at k is inverted before its subject: a question word before it
// (within four words), or it opens the phrase.
bool invertedAuxiliary(const QStringList &words, int k) {
    if (k == 0)
        return true;
    if (at(words, k - 1, kSubjectPronouns))
        return false;
    for (int j = k - 1; j >= std::max(0, k - 4); --j)
        if (kQuestionWords.contains(words[j]))
            return true;
    return false;
}

} // namespace

bool isInvertedIs(const QStringList &words, int i) {
    if (i <= 0 || i >= lastIndex(words) || words[i] != QLatin1String("is") || !at(words, i + 1, kIsSubjects))
        return false;
    return at(words, i - 1, kCoordinators) || invertedAuxiliary(words, i);
}

bool endsClauseBeforeIs(const QString &functionWord) {
    return !kSubjectsOfIs.contains(functionWord) && !kWeakBeforeFullIs.contains(functionWord);
}

bool weakBeforeFullIs(const QString &functionWord) { return kWeakBeforeFullIs.contains(functionWord); }

Position functionWordPosition(const QStringList &words, int i) {
    if (i < 0 || i > lastIndex(words))
        return Position::Usual;
    const QString &w = words[i];
    if (i == 0 && kAuxiliaries.contains(w) && at(words, 1, kSubjects))
        return Position::Strong;
    // Demonstrative that as a subject after an opening auxiliary or an inverted is; a
    // conjunction that is followed by its clause's subject (… is that they've gone).
    const bool clauseFollows = at(words, i + 1, kSubjectPronouns) && i + 1 < lastIndex(words);
    if (w == kThat && i >= 1 && !clauseFollows &&
        ((i == 1 && (kAuxiliaries.contains(words[0]) || words[0] == QLatin1String("is"))) ||
         isInvertedIs(words, i - 1)))
        return Position::Strong;
    if (w == kThere) {
        if (at(words, i + 1, kExistentialVerbs))
            return Position::Weak;
        if (i >= 2 && at(words, i - 1, kBeForms) && !invertedAuxiliary(words, i - 1))
            return Position::Strong;
    }
    return Position::Usual;
}

std::optional<QString> homographReading(const QStringList &words, int i, const WordTest &isWord) {
    if (i < 0 || i > lastIndex(words))
        return std::nullopt;
    if (words[i] == kRead) {
        if (const auto past = readIsPast(words, i, isWord))
            return *past ? kReadInThePast : kRead;
    } else if (words[i] == kUsed && isPassiveUsed(words, i, isWord)) {
        return kUsed;
    }
    return std::nullopt;
}

} // namespace vocalith::context

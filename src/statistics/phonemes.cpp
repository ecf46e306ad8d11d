#include "statistics/phonemes.h"

#include "encodings/htmlreferences.h"

#include <QSet>
#include <algorithm>

namespace vocalith {

namespace {
using G = PhonemeGroup;
}

// clang-format off
const std::array<Phoneme, kPhonemeCount> kPhonemes = {{
    {u"p", G::Consonants, 5},      {u"b", G::Consonants, 5},       {u"t", G::Consonants, 5},
    {u"d", G::Consonants, 5},      {u"t\u0283", G::Consonants, 4}, {u"d\u0292", G::Consonants, 4},
    {u"k", G::Consonants, 5},      {u"\u0261", G::Consonants, 5},  {u"f", G::Consonants, 5},
    {u"v", G::Consonants, 5},      {u"\u03B8", G::Consonants, 5},  {u"\u00F0", G::Consonants, 5},
    {u"s", G::Consonants, 5},      {u"z", G::Consonants, 5},       {u"\u0283", G::Consonants, 5},
    {u"\u0292", G::Consonants, 5}, {u"m", G::Consonants, 5},       {u"n", G::Consonants, 5},
    {u"\u014B", G::Consonants, 5}, {u"h", G::Consonants, 5},       {u"l", G::Consonants, 5},
    {u"r", G::Consonants, 5},      {u"w", G::Consonants, 5},       {u"j", G::Consonants, 5},

    {u"i\u02D0", G::Vowels, 3},       {u"i", G::Vowels, 5},            {u"\u026A", G::Vowels, 5},
    {u"\u028A", G::Vowels, 5},        {u"u", G::Vowels, 5},            {u"u\u02D0", G::Vowels, 3},
    {u"e", G::Vowels, 5},             {u"\u0259", G::Vowels, 5},       {u"\u025C\u02D0", G::Vowels, 3},
    {u"\u0254\u02D0", G::Vowels, 3},  {u"\u00E6", G::Vowels, 5},       {u"\u028C", G::Vowels, 5},
    {u"\u0251\u02D0", G::Vowels, 3},  {u"\u0252", G::Vowels, 5},

    {u"\u026A\u0259", G::Diphthongs, 2}, {u"e\u026A", G::Diphthongs, 2},      {u"\u028A\u0259", G::Diphthongs, 2},
    {u"\u0254\u026A", G::Diphthongs, 2}, {u"\u0259\u028A", G::Diphthongs, 2}, {u"o\u028A", G::Diphthongs, 2},
    {u"e\u0259", G::Diphthongs, 2},      {u"a\u026A", G::Diphthongs, 2},      {u"a\u028A", G::Diphthongs, 2},

    {u"e\u026A\u0259", G::Triphthongs, 1},      {u"a\u026A\u0259", G::Triphthongs, 1},
    {u"\u0259\u028A\u0259", G::Triphthongs, 1}, {u"o\u028A\u0259", G::Triphthongs, 1},
    {u"a\u028A\u0259", G::Triphthongs, 1},
}};
// clang-format on

const std::array<int, kPhonemeCount> &countingOrder() {
    static const std::array<int, kPhonemeCount> order = [] {
        std::array<int, kPhonemeCount> rows;
        for (int i = 0; i < kPhonemeCount; ++i)
            rows[size_t(i)] = i;
        std::stable_sort(rows.begin(), rows.end(),
                         [](int a, int b) { return kPhonemes[size_t(a)].pass < kPhonemes[size_t(b)].pass; });
        return rows;
    }();
    return order;
}

namespace {

// Counts the occurrences of symbol in w, overlapping ones included, in one scan, and
// replaces them by "@" left to right (an occurrence overlapping one already replaced stays),
// so that shorter phonemes are not found in them.
qint64 countOccurrences(QString &w, QStringView symbol) {
    QString out;
    qint64 count = 0;
    qsizetype copied = 0; // w is in out up to here
    for (qsizetype at = w.indexOf(symbol); at >= 0; at = w.indexOf(symbol, at + 1)) {
        if (++count == 1)
            out.reserve(w.size());
        if (at >= copied) {
            out.append(QStringView(w).mid(copied, at - copied));
            out.append(u'@');
            copied = at + symbol.size();
        }
    }
    if (count > 0) {
        out.append(QStringView(w).mid(copied));
        w = std::move(out);
    }
    return count;
}

} // namespace

std::optional<PhonemeCounts> countPhonemes(const QString &text, const CountProgress &progress) {
    // Lower case once, so that what is counted is also what is blotted out.
    QString w = text.toLower();
    static const auto symbols = [] {
        std::array<QStringView, kPhonemeCount> views;
        for (int i = 0; i < kPhonemeCount; ++i)
            views[size_t(i)] = QStringView(kPhonemes[size_t(i)].symbol);
        return views;
    }();
    PhonemeCounts counts{};
    int counted = 0;
    for (int row : countingOrder()) {
        counts[size_t(row)] = countOccurrences(w, symbols[size_t(row)]);
        if (progress && !progress(++counted))
            return std::nullopt;
    }
    return counts;
}

QString RemoveDuplicateWords(const QString &text, QChar delimiter) {
    QSet<QStringView> seen;
    QString out;
    out.reserve(text.size());
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(delimiter, start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        const QStringView word = QStringView(text).mid(start, end - start);
        // Runs of delimiters (empty words) stay as they are.
        if (word.isEmpty() || !seen.contains(word)) {
            seen.insert(word);
            out.append(word);
            if (!last)
                out.append(delimiter);
        }
        start = end + 1;
    }
    // A dropped last word leaves the delimiter before it at the end.
    if (!text.endsWith(delimiter) && out.endsWith(delimiter))
        out.chop(1);
    return out;
}

QString analysedText(QString editorText) {
    editorText.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return HTML2Text(std::move(editorText));
}

} // namespace vocalith

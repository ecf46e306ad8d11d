#pragma once
// Phoneme statistics of a transcription: the 52 counts, each with its share of all counted
// phonemes and a bar whose length and colour grow with the count; the fixed texts of the
// Statistics and Zentab windows.

#include "statistics/phonemes.h"

#include <QString>
#include <array>
#include <optional>

namespace vocalith {

namespace statistics {

inline const QString kStatisticsCaption = QStringLiteral(" Statistics");
inline const QString kZentabCaption = QStringLiteral("Form1");
inline const QString kTextBoxEmpty = QStringLiteral("Text box empty.");
inline const QString kRemoveDuplicates = QStringLiteral("Remove duplicated words");
inline const QString kPleaseWait = QStringLiteral("Please, wait a moment");
inline const QString kCalculating = QStringLiteral("Calculating statistics");
inline const QString kNotCounted = QStringLiteral("val"); // a row's count before it is counted
inline const QString kCopyTable = QStringLiteral("Copy table");
inline const QString kSaveAs = QStringLiteral("Save as\u2026");
inline const QString kSaveAsTitle = QStringLiteral("Save the Zentab report");
inline const QString kTsvFilter = QStringLiteral("Tab-separated values (*.tsv)");
inline const QString kTsvSuffix = QStringLiteral("tsv");
inline const QString kNotSaved = QStringLiteral("The report could not be saved: %1");
inline const QString kReportError = QStringLiteral("The report could not be built: %1");

// Column headings of the Statistics window, by group.
QString groupCaption(PhonemeGroup group);

// Bars, in twips: the largest count of a run gets the full length.
inline constexpr int kBarLength = 900;
inline constexpr unsigned kEmptyBarColour = 0xFFC0C0; // 0xRRGGBB, no count at all
inline constexpr unsigned kFullBarColour = 0xA30000;  // the largest count

} // namespace statistics

struct PhonemeStatistics {
    qint64 count = 0;
    int barWidth = 0; // twips
    unsigned barColour = statistics::kEmptyBarColour;
    int perMille = 0; // share of all counted phonemes, in tenths of a percent
};

struct Statistics {
    std::array<PhonemeStatistics, kPhonemeCount> rows;
    qint64 total = 0;   // all counted phonemes
    qint64 maximum = 0; // the largest count
};

// a / b rounded to the nearest integer, halves to even (a >= 0, b > 0).
qint64 roundHalfEven(qint64 a, qint64 b);

// Bars and shares of a set of counts. With r = count / largest count: width r × 900,
// colour (255 − 92r, 192 − 192r, 192 − 192r), each rounded halves to even.
Statistics statisticsOf(const PhonemeCounts &counts);

// Counts the text (see countPhonemes) and works out bars and shares; nullopt when progress
// stopped the count.
std::optional<Statistics> ComputeStatistics(const QString &text, const CountProgress &progress = {});

// A share in tenths of a percent as "12.3".
QString shareText(int perMille);

// "/symbol/" as a row shows it.
QString rowCaption(int row);

// The table for the clipboard: the 52 rows "/symbol/<TAB>count<TAB>share", CR LF between.
QString statisticsTable(const Statistics &statistics);

} // namespace vocalith

#pragma once
// The Zentab report: the phoneme counts of each section of a transcription (the parts
// between "|") as tab-separated text that a spreadsheet reads.

#include "statistics/phonemes.h"

#include <QString>

namespace vocalith {

// The counts of one section, counted as the statistics count (longest first).
PhonemeCounts CountSection(const QString &section);

// The header line: the 52 phoneme symbols joined by tabs.
QString zentabHeader();

// The report of an analysed text: the header, then for every section that is not empty
// once trimmed of spaces a CR LF and its 52 counts joined by tabs. No line break at the end.
QString zentabReport(const QString &analysedText);

// Saves a report as its file holds it (box text, UTF-8, a final LF) with the checked
// writer; false with the message that names the reason.
bool saveZentabReport(const QString &path, const QString &report, QString *message);

} // namespace vocalith

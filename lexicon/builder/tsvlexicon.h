#pragma once
// Compiles a lexicon from tab-separated source files, one per table: <table>.tsv with a
// header line naming the columns, "#" comment lines, and an empty cell for a null value.

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace vocalith::lexicon {

struct Table {
    QString name;
    QStringList columns;
    QVector<QVector<QVariant>> rows;
};

// Reads one TSV file; returns false with a message naming the file and line on error.
bool readTsv(const QString &path, const QString &tableName, Table &table, QString *error);

// Rhyme columns from a transcription: no syllable dots, no "(r)", no syllabic mark, the
// affricates as single letters.
QString rhymeForm(const QString &transcription);
// Sound-search form: dots and stress kept, affricates as single letters, no "(r)" or
// syllabic mark.
QString soundForm(const QString &transcription);

// Builds the lexicon file from the folder's TSV files. Missing BrE2/AmE2 and a missing
// words2.tsv are derived from words; a missing "dbwords" metadata row is the word count.
// Writes to a temporary file and renames it, so a failed build leaves the old file.
// When words is given, it is the words table and the folder's words.tsv is not read;
// metadataDefaults are added for attributes the folder's metadata.tsv does not set.
bool buildLexicon(const QString &sourceFolder, const QString &outputPath, QString *error, const Table *words = nullptr,
                  const QVector<QPair<QString, QString>> &metadataDefaults = {});

} // namespace vocalith::lexicon

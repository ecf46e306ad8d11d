#include "contributions/contributionstore.h"

#include "app/textfiles.h"

#include <QFile>
#include <QSqlError>
#include <QStringDecoder>

namespace vocalith::contributions {

namespace {

const QString kSelectWord = QStringLiteral("SELECT * FROM words WHERE word = ?");
const QString kInsert = QStringLiteral("INSERT INTO words (word, BrE, AmE) VALUES (?, ?, ?)");
const QString kUpdate = QStringLiteral("UPDATE words SET BrE=?,AmE=? WHERE word=?");
const QString kDelete = QStringLiteral("DELETE FROM words WHERE word = ?");
const QString kSelectAll = QStringLiteral("SELECT word, BrE, AmE FROM words ORDER BY word");

// Tabs and line breaks become spaces: they would shift the columns of the TSV file. A
// value read from a database the user brought may hold them too.
QString flattened(const QString &text) {
    QString t = text;
    for (QChar &c : t)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return t;
}

Contribution rowOf(const Recordset &rs) {
    return {rs.text(QStringLiteral("word")), rs.text(QStringLiteral("BrE")), rs.text(QStringLiteral("AmE"))};
}

OptText unlessEmpty(const QString &text) {
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return text;
}

struct ParsedLine {
    int line;
    Contribution contribution;
};

// The file's lines: the acceptable ones as contributions, the others refused with why.
QVector<ParsedLine> parseTsv(const QByteArray &tsv, ImportReport &report) {
    QVector<ParsedLine> lines;
    QByteArray data = tsv;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    const QList<QByteArray> raw = data.split('\n');
    for (int k = 0; k < raw.size(); ++k) {
        const int line = k + 1;
        QByteArray bytes = raw[k];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.trimmed().isEmpty())
            continue;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder(bytes);
        if (decoder.hasError()) {
            report.refused.push_back({line, kRefusedNotUtf8});
            continue;
        }
        if (k == 0 && text.trimmed().compare(kTsvHeader, Qt::CaseInsensitive) == 0)
            continue;
        const QStringList fields = text.split(QLatin1Char('\t'));
        if (fields.size() != 3) {
            report.refused.push_back({line, kRefusedColumns.arg(fields.size())});
            continue;
        }
        const Contribution c = normalised(fields[0], fields[1], fields[2]);
        if (c.word.isEmpty())
            report.refused.push_back({line, kRefusedNoWord});
        else if (c.british.isEmpty() && c.american.isEmpty())
            report.refused.push_back({line, kRefusedNoTranscription});
        else
            lines.push_back({line, c});
    }
    return lines;
}

} // namespace

Contribution normalised(const QString &word, const QString &british, const QString &american) {
    const auto cleaned = [](const QString &text) { return flattened(text.toLower()).trimmed(); };
    return {cleaned(word), cleaned(british), cleaned(american)};
}

QString refusal(const Contribution &c) {
    if (c.word.isEmpty())
        return kNoWord;
    if (c.british.isEmpty() && c.american.isEmpty())
        return kNoTranscription;
    return {};
}

QString reportText(const ImportReport &report) {
    QStringList lines{kImportCounts.arg(report.added).arg(report.updated).arg(report.refused.size())};
    for (const ImportReport::Refused &r : report.refused)
        lines << kImportRefusedLine.arg(r.line).arg(r.reason);
    return lines.join(QLatin1Char('\n'));
}

// Runs work between BEGIN and COMMIT; any failure rolls back and is thrown.
template <typename Work>
auto ContributionStore::inTransaction(Work work) {
    QSqlDatabase db = m_db.database();
    if (!db.transaction())
        throw DatabaseError(db.lastError().text());
    try {
        auto result = work();
        if (!db.commit())
            throw DatabaseError(db.lastError().text());
        return result;
    } catch (...) {
        db.rollback();
        throw;
    }
}

ContributionStore::Saved ContributionStore::write(const Contribution &c) {
    if (m_db.openRecordset(kSelectWord, {c.word}).recordCount() == 0) {
        m_db.execute(kInsert, {c.word, c.british, c.american});
        return Saved::Added;
    }
    m_db.execute(kUpdate, {c.british, c.american, c.word});
    return Saved::Updated;
}

ContributionStore::Saved ContributionStore::save(const Contribution &c) {
    return inTransaction([&] { return write(c); });
}

bool ContributionStore::remove(const QString &word) {
    return inTransaction([&] { return m_db.execute(kDelete, {word}) > 0; });
}

QStringList ContributionStore::words() {
    QStringList list;
    for (const Contribution &c : all())
        list << c.word;
    return list;
}

std::optional<Contribution> ContributionStore::find(const QString &word) {
    for (const QString &key : {word, word.toLower()}) {
        const Recordset rs = m_db.openRecordset(kSelectWord, {key});
        if (rs.recordCount() > 0)
            return rowOf(rs);
    }
    return std::nullopt;
}

QVector<Contribution> ContributionStore::all() {
    QVector<Contribution> rows;
    for (Recordset rs = m_db.openRecordset(kSelectAll); !rs.eof(); rs.moveNext())
        rows.push_back(rowOf(rs));
    return rows;
}

QHash<QString, WordRow> ContributionStore::overlay() {
    QHash<QString, WordRow> rows;
    for (const Contribution &c : all()) {
        WordRow row;
        row.transcription[int(Accent::BrE)] = unlessEmpty(c.british);
        row.transcription[int(Accent::AmE)] = unlessEmpty(c.american);
        if (row.transcription[0] || row.transcription[1])
            rows.insert(c.word, row);
    }
    return rows;
}

ImportReport ContributionStore::importTsv(const QByteArray &tsv) {
    ImportReport report;
    const QVector<ParsedLine> lines = parseTsv(tsv, report);
    inTransaction([&] {
        for (const ParsedLine &l : lines)
            ++(write(l.contribution) == Saved::Added ? report.added : report.updated);
        return true;
    });
    return report;
}

QByteArray ContributionStore::exportTsv() {
    QString text = kTsvHeader + QLatin1Char('\n');
    for (const Contribution &c : all())
        text += flattened(c.word) + QLatin1Char('\t') + flattened(c.british) + QLatin1Char('\t') +
                flattened(c.american) + QLatin1Char('\n');
    return text.toUtf8();
}

std::optional<int> ContributionStore::exportFile(const QString &path, QString *error) {
    const QByteArray tsv = exportTsv();
    QString reason;
    if (!writeFileAtomically(path, tsv, &reason)) {
        *error = kFileNotWritten.arg(path, reason);
        return std::nullopt;
    }
    return int(tsv.count('\n')) - 1;
}

std::optional<QByteArray> readFile(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = kFileNotRead.arg(path, file.errorString());
        return std::nullopt;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = kFileNotRead.arg(path, file.errorString());
        return std::nullopt;
    }
    return data;
}

} // namespace vocalith::contributions

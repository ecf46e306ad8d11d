#include "contributions/contributionstore.h"

#include "storage/files.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace vocalith::contributions {

namespace {

const QString kSelectWord = QStringLiteral("SELECT * FROM words WHERE word = ?");
const QString kInsert = QStringLiteral("INSERT INTO words (word, BrE, AmE) VALUES (?, ?, ?)");
const QString kUpdate = QStringLiteral("UPDATE words SET BrE=?,AmE=? WHERE word=?");
const QString kUpdateGiven =
    QStringLiteral("UPDATE words SET BrE=COALESCE(NULLIF(?, ''), BrE),AmE=COALESCE(NULLIF(?, ''), AmE) WHERE word=?");
const QString kDelete = QStringLiteral("DELETE FROM words WHERE word = ?");
const QString kSelectAll = QStringLiteral("SELECT word, BrE, AmE FROM words ORDER BY word");

// Tabs and line breaks become spaces: they would shift the columns of the TSV file. A
// value read from a database the user brought may hold them.
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

bool holdsMark(const QString &transcription) {
    for (const QChar c : transcription)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('<') ||
            c == QLatin1Char('>'))
            return true;
    return false;
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
    int textLines = 0;
    int otherLines = 0;
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
            ++otherLines;
            continue;
        }
        ++textLines;
        if (k == 0 && text.trimmed().compare(kTsvHeader, Qt::CaseInsensitive) == 0)
            continue;
        const QStringList fields = text.split(QLatin1Char('\t'));
        if (fields.size() != 3) {
            report.refused.push_back({line, kRefusedColumns.arg(fields.size())});
            continue;
        }
        const Contribution c = normalised(fields[0], fields[1], fields[2]);
        switch (refusedFor(c)) {
        case Refused::Nothing:
            lines.push_back({line, c});
            break;
        case Refused::NoWord:
            report.refused.push_back({line, kRefusedNoWord});
            break;
        case Refused::NoTranscription:
            report.refused.push_back({line, kRefusedNoTranscription});
            break;
        case Refused::MarkInBritish:
        case Refused::MarkInAmerican:
            report.refused.push_back({line, kRefusedMark});
            break;
        }
    }
    // A binary file, or one in another encoding: one line says so rather than thousands.
    if (data.contains('\0') || otherLines > textLines) {
        report = ImportReport();
        report.notText = true;
        lines.clear();
    }
    return lines;
}

} // namespace

Contribution normalised(const QString &word, const QString &british, const QString &american) {
    return {flattened(word.toLower()).trimmed(), british.toLower().trimmed(), american.toLower().trimmed()};
}

Refused refusedFor(const Contribution &c) {
    if (c.word.isEmpty())
        return Refused::NoWord;
    if (c.british.isEmpty() && c.american.isEmpty())
        return Refused::NoTranscription;
    if (holdsMark(c.british))
        return Refused::MarkInBritish;
    if (holdsMark(c.american))
        return Refused::MarkInAmerican;
    return Refused::Nothing;
}

QString refusal(const Contribution &c) {
    switch (refusedFor(c)) {
    case Refused::Nothing:
        break;
    case Refused::NoWord:
        return kNoWord;
    case Refused::NoTranscription:
        return kNoTranscription;
    case Refused::MarkInBritish:
    case Refused::MarkInAmerican:
        return kMarkInTranscription;
    }
    return {};
}

QString reportText(const ImportReport &report, int shown) {
    if (report.notText)
        return kImportNotText;
    QStringList lines{kImportCounts.arg(report.added).arg(report.updated).arg(report.refused.size())};
    const qsizetype listed = shown < 0 ? report.refused.size() : std::min<qsizetype>(shown, report.refused.size());
    for (qsizetype i = 0; i < listed; ++i)
        lines << kImportRefusedLine.arg(report.refused[i].line).arg(report.refused[i].reason);
    if (listed < report.refused.size())
        lines << kImportMoreRefused.arg(report.refused.size() - listed);
    return lines.join(QLatin1Char('\n'));
}

// Runs work between BEGIN IMMEDIATE and COMMIT; any failure rolls back and is thrown.
template <typename Work>
auto ContributionStore::inTransaction(Work work) {
    Connection::WriteTransaction transaction(m_db);
    auto result = work();
    transaction.commit();
    return result;
}

ContributionStore::Saved ContributionStore::write(const Contribution &c, Empty empty) {
    if (m_db.openRecordset(kSelectWord, {c.word}).recordCount() == 0) {
        m_db.execute(kInsert, {c.word, c.british, c.american});
        return Saved::Added;
    }
    m_db.execute(empty == Empty::Keep ? kUpdateGiven : kUpdate, {c.british, c.american, c.word});
    return Saved::Updated;
}

ContributionStore::Saved ContributionStore::save(const Contribution &c) {
    return inTransaction([&] { return write(c, Empty::Replace); });
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
    if (lines.isEmpty())
        return report;
    inTransaction([&] {
        for (const ParsedLine &l : lines)
            ++(write(l.contribution, Empty::Keep) == Saved::Added ? report.added : report.updated);
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

bool ContributionStore::exportFile(const QString &path, QString *error, int *count) {
    const QByteArray tsv = exportTsv();
    QString reason;
    if (!writeFileAtomically(path, tsv, &reason)) {
        if (error)
            *error = kFileNotWritten.arg(path, reason);
        return false;
    }
    if (count)
        *count = int(tsv.count('\n')) - 1;
    return true;
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

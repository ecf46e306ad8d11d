#include "tsvlexicon.h"

#include "engine/lexicon/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace vocalith::lexicon {

namespace {

const QString kTables[] = {QStringLiteral("words"),         QStringLiteral("words2"),   QStringLiteral("collocations"),
                           QStringLiteral("functionwords"), QStringLiteral("metadata"), QStringLiteral("contributors"),
                           QStringLiteral("abbreviations")};

int columnOf(const QStringList &columns, const QString &name) {
    for (int c = 0; c < columns.size(); ++c)
        if (columns[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString fail(QString *error, const QString &message) {
    if (error)
        *error = message;
    return message;
}

} // namespace

QString rhymeForm(const QString &t) {
    QString s = t;
    s.remove(QLatin1Char('.')).remove(QStringLiteral("(r)")).remove(QChar(0x0329));
    s.replace(QStringLiteral(u"t\u0283"), QStringLiteral(u"\u02A7"));
    s.replace(QStringLiteral(u"d\u0292"), QStringLiteral(u"\u02A4"));
    return s;
}

QString soundForm(const QString &t) {
    QString s = t;
    s.remove(QStringLiteral("(r)")).remove(QChar(0x0329));
    s.replace(QStringLiteral(u"t\u0283"), QStringLiteral(u"\u02A7"));
    s.replace(QStringLiteral(u"d\u0292"), QStringLiteral(u"\u02A4"));
    return s;
}

bool readTsv(const QString &path, const QString &tableName, Table &table, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    const QStringList known = schema::lexiconColumns(tableName);
    table = Table{tableName, {}, {}};
    QVector<int> target; // schema column of each file column
    int lineNo = 0;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        QString line = in.readLine();
        ++lineNo;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (table.columns.isEmpty()) {
            for (const QString &name : cells) {
                const int c = columnOf(known, name.trimmed());
                if (c < 0) {
                    fail(error, QStringLiteral("%1:%2: unknown column \"%3\" for table %4")
                                    .arg(path)
                                    .arg(lineNo)
                                    .arg(name, tableName));
                    return false;
                }
                target << c;
                table.columns << known[c];
            }
            continue;
        }
        if (cells.size() > table.columns.size()) {
            fail(error, QStringLiteral("%1:%2: %3 cells, the header has %4")
                            .arg(path)
                            .arg(lineNo)
                            .arg(cells.size())
                            .arg(table.columns.size()));
            return false;
        }
        QVector<QVariant> row(table.columns.size());
        for (int c = 0; c < cells.size(); ++c)
            row[c] = cells[c].isEmpty() ? QVariant() : QVariant(cells[c]);
        table.rows.push_back(std::move(row));
    }
    if (table.columns.isEmpty()) {
        fail(error, QStringLiteral("%1: no header line").arg(path));
        return false;
    }
    return true;
}

namespace {

// Adds BrE2/AmE2 to words when the file lacks them.
void deriveRhymeColumns(Table &words) {
    const int bre = columnOf(words.columns, QStringLiteral("BrE"));
    const int ame = columnOf(words.columns, QStringLiteral("AmE"));
    for (const auto &[derived, from] :
         {std::pair{QStringLiteral("BrE2"), bre}, std::pair{QStringLiteral("AmE2"), ame}}) {
        if (columnOf(words.columns, derived) >= 0 || from < 0)
            continue;
        words.columns << derived;
        for (auto &row : words.rows) {
            const QVariant v = row.value(from);
            row.resize(words.columns.size() - 1);
            row << (v.isNull() ? QVariant() : QVariant(rhymeForm(v.toString())));
        }
    }
}

Table deriveWords2(const Table &words) {
    Table t{QStringLiteral("words2"), {"word", "BrE", "AmE", "hiderhyme"}, {}};
    const int w = columnOf(words.columns, QStringLiteral("word"));
    const int bre = columnOf(words.columns, QStringLiteral("BrE"));
    const int ame = columnOf(words.columns, QStringLiteral("AmE"));
    const int hide = columnOf(words.columns, QStringLiteral("hiderhyme"));
    for (const auto &row : words.rows) {
        auto form = [&](int c) {
            const QVariant v = c < 0 ? QVariant() : row.value(c);
            return v.isNull() ? QVariant() : QVariant(soundForm(v.toString()));
        };
        t.rows.push_back({row.value(w), form(bre), form(ame), hide < 0 ? QVariant(0) : row.value(hide)});
    }
    return t;
}

bool insertTable(QSqlDatabase &db, const Table &table, QString *error) {
    QStringList quoted, marks;
    for (const QString &c : table.columns) {
        quoted << QLatin1Char('"') + c + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(table.name, quoted.join(QLatin1Char(',')), marks.join(QLatin1Char(','))))) {
        fail(error, q.lastError().text());
        return false;
    }
    const int hide = columnOf(table.columns, QStringLiteral("hiderhyme"));
    for (const auto &row : table.rows) {
        for (int c = 0; c < table.columns.size(); ++c) {
            QVariant v = row.value(c);
            if (c == hide) // booleans are stored as 0/1
                v = (v.toString() == QLatin1String("1") ||
                     v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                        ? 1
                        : 0;
            q.bindValue(c, v);
        }
        if (!q.exec()) {
            fail(error, QStringLiteral("%1: %2").arg(table.name, q.lastError().text()));
            return false;
        }
    }
    return true;
}

} // namespace

bool buildLexicon(const QString &sourceFolder, const QString &outputPath, QString *error, const Table *words,
                  const QVector<QPair<QString, QString>> &metadataDefaults) {
    const QDir dir(sourceFolder);
    QVector<Table> tables;
    bool haveWords2 = false;
    for (const QString &name : kTables) {
        const QString path = dir.filePath(name + QStringLiteral(".tsv"));
        Table t;
        if (words && name == QLatin1String("words")) {
            t = *words;
        } else {
            if (!QFileInfo::exists(path))
                continue;
            if (!readTsv(path, name, t, error))
                return false;
        }
        if (name == QLatin1String("words"))
            deriveRhymeColumns(t);
        haveWords2 = haveWords2 || name == QLatin1String("words2");
        tables.push_back(std::move(t));
    }
    qsizetype wordCount = 0;
    for (const Table &t : tables) {
        if (t.name == QLatin1String("words")) {
            wordCount = t.rows.size();
            if (!haveWords2)
                tables.push_back(deriveWords2(t));
            break;
        }
    }
    bool haveCount = false;
    for (Table &t : tables) {
        if (t.name != QLatin1String("metadata"))
            continue;
        for (const auto &row : t.rows)
            haveCount = haveCount || row.value(0).toString() == QLatin1String("dbwords");
        if (!haveCount)
            t.rows.push_back({QStringLiteral("dbwords"), QString::number(wordCount)});
        haveCount = true;
        for (const auto &[attribute, value] : metadataDefaults) {
            bool present = false;
            for (const auto &row : t.rows)
                present = present || row.value(0).toString() == attribute;
            if (!present)
                t.rows.push_back({attribute, value});
        }
    }

    const QString temp = outputPath + QStringLiteral(".building");
    QFile::remove(temp);
    const QString connectionName = QStringLiteral("vocalith-lexicon-build");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(temp);
        if (!db.open()) {
            fail(error, QStringLiteral("%1: %2").arg(temp, db.lastError().text()));
            ok = false;
        }
        QSqlQuery q(db);
        if (ok) {
            q.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
            q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
            db.transaction();
            for (const QString &statement : schema::lexiconTables())
                ok = ok && q.exec(statement);
            for (const Table &t : tables)
                ok = ok && insertTable(db, t, error);
            for (const QString &statement : schema::lexiconIndexes())
                ok = ok && q.exec(statement);
            ok = ok && db.commit();
            if (!ok && error && error->isEmpty())
                *error = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!ok) {
        QFile::remove(temp);
        return false;
    }
    QFile::remove(outputPath);
    if (!QFile::rename(temp, outputPath)) {
        fail(error, QStringLiteral("cannot write %1").arg(outputPath));
        return false;
    }
    return true;
}

} // namespace vocalith::lexicon

// About texts from the lexicon's metadata, and the font-size rule.

#include "app/about.h"
#include "app/fontsize.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vocalith;

using MetadataRows = QList<std::pair<QString, QVariant>>;
Q_DECLARE_METATYPE(MetadataRows)

namespace {

// A lexicon file with the given metadata rows (a null value for an empty QVariant).
QString makeLexicon(const QTemporaryDir &dir, const MetadataRows &rows) {
    const QString path = dir.filePath(QStringLiteral("lexicon.sqlite"));
    auto db = Connection::openReadWrite(path, schema::lexiconTables(), schema::lexiconRequiredTables());
    for (const auto &[attribute, value] : rows)
        db->execute(QStringLiteral("INSERT INTO metadata (attribute, Value) VALUES (?, ?)"), {attribute, value});
    db->execute(QStringLiteral("INSERT INTO contributors VALUES ('Ann', 'Leeds', 'vowels')"));
    return path;
}

const MetadataRows kFull = {
    {"dbversion", "2.0"}, {"dbdate", "March 2015"}, {"dbtext", "A test lexicon"},
    {"dbwords", "125000"}, {"www", "https://example.org"}, {"email", "a@example.org"}};

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void texts_data() {
        QTest::addColumn<MetadataRows>("rows");
        QTest::addColumn<QStringList>("lines");
        const QString title = QStringLiteral("Vocalith version 1.7f (January 2014)");
        QTest::newRow("all rows") << kFull
                                  << QStringList{title, "Database version 2.0 (March 2015)", "A test lexicon.",
                                                 "This tool is based on a database that contains 125000 words.",
                                                 "https://example.org", "a@example.org"};
        QTest::newRow("no rows") << MetadataRows{}
                                 << QStringList{title, "", "", "", "", ""};
        auto partial = kFull;
        partial[1].second = QVariant(); // null dbdate
        partial.removeAt(5);            // no email
        QTest::newRow("null date, no email")
            << partial
            << QStringList{title, "", "A test lexicon.",
                           "This tool is based on a database that contains 125000 words.", "https://example.org", ""};
    }

    void texts() {
        QFETCH(MetadataRows, rows);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = makeLexicon(dir, rows);
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY(db);
        Lexicon lexicon(*db);
        QCOMPARE(ReadAboutTexts(lexicon).lines(), lines);
    }

    void contributors() {
        QTemporaryDir dir;
        auto db = Connection::openReadOnly(makeLexicon(dir, kFull), schema::lexiconRequiredTables());
        const auto list = ReadContributors(*db);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].name + '|' + list[0].from + '|' + list[0].contribution, QStringLiteral("Ann|Leeds|vowels"));
    }

    void fontSizes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size"); // 0: refused
        QTest::newRow("12") << "12" << 12.0;
        QTest::newRow("13 not in the list") << "13" << 13.0;
        QTest::newRow("decimal") << "10.5" << 10.5;
        QTest::newRow("spaces") << " 14 " << 14.0;
        QTest::newRow("abc") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("negative") << "-4" << 0.0;
        QTest::newRow("huge") << "1,000,000" << 0.0;
        QTest::newRow("12pt") << "12pt" << 0.0;
    }

    void fontSizes() {
        QFETCH(QString, text);
        QFETCH(double, size);
        QCOMPARE(ParseFontSize(text).value_or(0.0), size);
    }
};

QTEST_GUILESS_MAIN(TestAbout)
#include "tst_about.moc"

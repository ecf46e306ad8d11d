// The storage below every feature: result sets of the SQLite connection and the checked
// file writer.

#include "storage/database.h"
#include "storage/files.h"
#include "testsupport.h"

#include <sys/stat.h>

using namespace vocalith;

class TestStorage : public QObject {
    Q_OBJECT

private slots:
    void recordsetFields() {
        auto c = test::openFixture("engine");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute("DELETE FROM words")); // read-only
        Recordset rs = c->openRecordset("SELECT * FROM words WHERE word = ? OR word = ? ORDER BY word", {"dog", "CAT"});
        QCOMPARE(rs.recordCount(), 2);                       // the word column ignores letter case,
        QCOMPARE(rs.text("ame") + rs.text("BRE"), "kætkæt"); // and so do the column names
        QVERIFY(rs.field("nosuchcolumn").isNull());
        rs.moveNext();
        rs.moveNext();
        QVERIFY(rs.eof() && rs.field("word").isNull());
    }

    // A file replaced keeps its permissions; a link keeps pointing to the file, which gets the bytes.
    void writerKeepsPermissionsAndLinks() {
        QTemporaryDir dir;
        const QString path = test::writeFile(dir.filePath("a.txt"), "old");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        QVERIFY(QFile::link(path, dir.filePath("link.txt")));
        QVERIFY(writeFileAtomically(dir.filePath("link.txt"), "new"));
        QVERIFY(QFileInfo(dir.filePath("link.txt")).isSymLink());
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, 0640u);
        QCOMPARE(readRegularFile(path, 10).bytes, QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"

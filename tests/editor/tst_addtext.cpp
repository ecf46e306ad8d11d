// Insertion at the caret, replacing the selection, on the box's text alone.

#include "editor/addtext.h"

#include <QtTest>

using namespace vocalith;

class TestAddText : public QObject {
    Q_OBJECT
private slots:
    void insert_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::newRow("caret between") << "ab" << 1 << 0 << u"\u03B8"_qs << u"a\u03B8b"_qs << 2;
        QTest::newRow("selection replaced") << "abc" << 1 << 1 << u"\u0283"_qs << u"a\u0283c"_qs << 2;
        QTest::newRow("start of second line") << "ab\r\ncd" << 3 << 0 << "x" << "ab\r\nxcd" << 4;
        QTest::newRow("end of first line") << "ab\r\ncd" << 2 << 0 << "x" << "abx\r\ncd" << 3;
        QTest::newRow("selection over a line break") << "ab\r\ncd" << 1 << 3 << "x" << "axd" << 2;
        QTest::newRow("empty box") << "" << 0 << 0 << u"\u02C8"_qs << u"\u02C8"_qs << 1;
        QTest::newRow("end of text") << "ab" << 2 << 0 << "cd" << "abcd" << 4;
        QTest::newRow("inserted line break counts one") << "ab" << 1 << 0 << "x\r\ny" << "ax\r\nyb" << 4;
        QTest::newRow("C cedilla stays") << u"\u00C7a\r\nb\u00C7"_qs << 4 << 0 << "x"
                                         << u"\u00C7a\r\nbx\u00C7"_qs << 5;
        QTest::newRow("lone LF is one position") << "a\nb" << 2 << 0 << "x" << "a\nxb" << 3;
        QTest::newRow("caret past the end") << "ab" << 9 << 0 << "x" << "abx" << 3;
        QTest::newRow("selection past the end") << "ab" << 1 << 9 << "x" << "ax" << 2;
        QTest::newRow("combining mark after a letter") << "n" << 1 << 0 << u"\u0329"_qs << u"n\u0329"_qs << 2;
    }

    void insert() {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, insert);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        const EditResult r = AddText(text, selStart, selLength, insert);
        QCOMPARE(r.text, expected);
        QCOMPARE(r.caret, caret);
    }

    void boxConversions_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("program");
        QTest::newRow("LF") << "a\nb" << "a\r\nb";
        QTest::newRow("paragraph separator") << u"a\u2029b"_qs << "a\r\nb";
        QTest::newRow("two breaks") << "a\n\nb" << "a\r\n\r\nb";
        QTest::newRow("no break, C cedilla") << u"\u00C7"_qs << u"\u00C7"_qs;
    }

    void boxConversions() {
        QFETCH(QString, box);
        QFETCH(QString, program);
        QCOMPARE(boxToProgramText(box), program);
        QCOMPARE(programToBoxText(program), QString(box).replace(QChar(0x2029), '\n'));
        QCOMPARE(caretLength(program), int(programToBoxText(program).size()));
    }
};

QTEST_GUILESS_MAIN(TestAddText)
#include "tst_addtext.moc"

// The editor's core: insertion at the caret, the shortcut keys, the keyboard's groups, the
// recently used symbols and the IPA chart's lists and layout.

#include "editor/addtext.h"
#include "editor/ipachart.h"
#include "editor/keyboard.h"
#include "editor/optiontips.h"
#include "editor/shortcuts.h"
#include "engine/render.h"

#include <QtTest>

using namespace vocalith;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

QStringList recentSymbols(const RecentSymbols &r) {
    QStringList list;
    for (const SymbolButton &b : r.buttons())
        list << b.symbol;
    return list;
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void insert_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::newRow("caret between") << "ab" << 1 << 0 << u"\u03B8"_qs << u"a\u03B8b"_qs << 2;
        QTest::newRow("selection replaced") << "abc" << 1 << 1 << u"\u0283"_qs << u"a\u0283c"_qs << 2;
        QTest::newRow("start of second line") << "ab\r\ncd" << 3 << 0 << "x" << "ab\r\nxcd" << 4;
        QTest::newRow("selection over a line break") << "ab\r\ncd" << 1 << 3 << "x" << "axd" << 2;
        QTest::newRow("inserted line break counts one") << "ab" << 1 << 0 << "x\r\ny" << "ax\r\nyb" << 4;
        QTest::newRow("C cedilla stays") << u"\u00C7a\r\nb\u00C7"_qs << 4 << 0 << "x" << u"\u00C7a\r\nbx\u00C7"_qs << 5;
        QTest::newRow("lone LF is one position") << "a\nb" << 2 << 0 << "x" << "a\nxb" << 3;
        QTest::newRow("caret past the end") << "ab" << 9 << 0 << "x" << "abx" << 3;
        QTest::newRow("selection past the end") << "ab" << 1 << 9 << "x" << "ax" << 2;
        // clang-format on
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
        // clang-format off
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("program");
        QTest::newRow("LF") << "a\nb" << "a\r\nb";
        QTest::newRow("paragraph separator") << u"a\u2029b"_qs << "a\r\nb";
        QTest::newRow("two breaks") << "a\n\nb" << "a\r\n\r\nb";
        QTest::newRow("no break, C cedilla") << u"\u00C7"_qs << u"\u00C7"_qs;
        // clang-format on
    }

    void boxConversions() {
        QFETCH(QString, box);
        QFETCH(QString, program);
        QCOMPARE(boxToProgramText(box), program);
        QCOMPARE(programToBoxText(program), QString(box).replace(QChar(0x2029), '\n'));
        QCOMPARE(caretLength(program), int(programToBoxText(program).size()));
    }

    void keys_data() {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("expected"); // empty: no shortcut
        const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Shift+H") << int(Qt::Key_H) << shift << u"t\u0283"_qs;
        QTest::newRow("G") << int(Qt::Key_G) << none << u"\u0261"_qs;
        QTest::newRow("X") << int(Qt::Key_X) << none << u"d\u0292"_qs;
        QTest::newRow("8") << int(Qt::Key_8) << none << u"\u03B8"_qs;
        QTest::newRow("Shift+D") << int(Qt::Key_D) << shift << u"\u00F0"_qs;
        QTest::newRow("Shift+S") << int(Qt::Key_S) << shift << u"\u0283"_qs;
        QTest::newRow("3") << int(Qt::Key_3) << none << u"\u0292"_qs;
        QTest::newRow("Shift+N") << int(Qt::Key_N) << shift << u"\u014B"_qs;
        QTest::newRow("Shift+I") << int(Qt::Key_I) << shift << u"\u026A"_qs;
        QTest::newRow("Shift+U") << int(Qt::Key_U) << shift << u"\u028A"_qs;
        QTest::newRow("Shift+E") << int(Qt::Key_E) << shift << u"\u0259"_qs;
        QTest::newRow("Shift+B") << int(Qt::Key_B) << shift << u"\u025C"_qs;
        QTest::newRow("Shift+C") << int(Qt::Key_C) << shift << u"\u0254"_qs;
        QTest::newRow("Shift+X") << int(Qt::Key_X) << shift << u"\u00E6"_qs;
        QTest::newRow("Shift+V") << int(Qt::Key_V) << shift << u"\u028C"_qs;
        QTest::newRow("Shift+A") << int(Qt::Key_A) << shift << u"\u0251"_qs;
        QTest::newRow("Shift+O") << int(Qt::Key_O) << shift << u"\u0252"_qs;
        QTest::newRow("[") << int(Qt::Key_BracketLeft) << none << u"\u02C8"_qs;
        QTest::newRow("{ (Shift+[)") << int(Qt::Key_BraceLeft) << shift << u"\u02CC"_qs;
        QTest::newRow("comma") << int(Qt::Key_Comma) << none << u"\u02CC"_qs;
        QTest::newRow("> (Shift+.)") << int(Qt::Key_Greater) << shift << u"\u02D0"_qs;
        // Keys typed as themselves.
        QTest::newRow("Shift+G is a capital G") << int(Qt::Key_G) << shift << QString();
        QTest::newRow("period") << int(Qt::Key_Period) << none << QString();
        QTest::newRow("< (Shift+,)") << int(Qt::Key_Less) << shift << QString();
        QTest::newRow("keypad 8") << int(Qt::Key_8) << Qt::KeyboardModifiers(Qt::KeypadModifier) << QString();
        // Ctrl, Alt, AltGr and Meta never match.
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString();
        QTest::newRow("Alt+X") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::AltModifier) << QString();
        QTest::newRow("Shift+Ctrl+H") << int(Qt::Key_H) << (Qt::ShiftModifier | Qt::ControlModifier) << QString();
        QTest::newRow("AltGr+8") << int(Qt::Key_8) << Qt::KeyboardModifiers(Qt::GroupSwitchModifier) << QString();
        // clang-format on
    }

    void keys() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, expected);
        QCOMPARE(shortcutText(key, modifiers).value_or(QString()), expected);
    }

    void labels_data() {
        // clang-format off
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("label");
        QTest::newRow("\u0283") << u"\u0283"_qs << u"\u21E7S"_qs;
        QTest::newRow("\u0261") << u"\u0261"_qs << "G";
        QTest::newRow("\u02C8") << u"\u02C8"_qs << "[";
        QTest::newRow("\u02D0") << u"\u02D0"_qs << u"\u21E7."_qs;
        QTest::newRow("p has none") << "p" << QString();
        QTest::newRow("either key of \u02CC") << u"\u02CC"_qs << u"\u21E7[ ,"_qs;
        QTest::newRow("a row for the whole symbol wins") << u"t\u0283"_qs << u"\u21E7H"_qs;
        // Symbols of several characters: the keys in turn, a plain letter for itself.
        QTest::newRow("\u0251\u02D0") << u"\u0251\u02D0"_qs << u"\u21E7A\u21E7."_qs;
        QTest::newRow("\u025C\u02D0") << u"\u025C\u02D0"_qs << u"\u21E7B\u21E7."_qs;
        QTest::newRow("i\u02D0") << u"i\u02D0"_qs << u"i\u21E7."_qs;
        QTest::newRow("e\u026A") << u"e\u026A"_qs << u"e\u21E7I"_qs;
        QTest::newRow("a character without a key") << u"p\u02B0"_qs << QString();
        QTest::newRow("letters alone") << "ou" << QString();
        // clang-format on
    }

    void labels() {
        QFETCH(QString, symbol);
        QFETCH(QString, label);
        QCOMPARE(shortcutKeyLabel(symbol), label);
    }

    void chartToolTips_data() {
        // clang-format off
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tip");
        QTest::newRow("\u0251") << 0 << u"open back unrounded\nKey in the editor: \u21E7A"_qs;
        QTest::newRow("\u0250 has no key") << 1 << "open-mid schwa";
        QTest::newRow("\u02CC, two keys") << 87 << u"secondary stress\nKey in the editor: \u21E7[ or ,"_qs;
        QTest::newRow("\u02A7 is not t\u0283") << 64 << "vl postalveolar affricate";
        // clang-format on
    }

    void chartToolTips() {
        QFETCH(int, index);
        QFETCH(QString, tip);
        QCOMPARE(chartToolTip(index), tip);
    }

    // Every shortcut is named somewhere on the keyboard: under a phoneme button or under
    // the fixed length-mark button.
    void everyShortcutHasALabel() {
        QStringList labels{shortcutKeyLabel(RecentSymbols().button(0).symbol)};
        for (const SymbolEntry &e : phonemeButtons())
            labels << shortcutKeyLabel(QString::fromUtf16(e.symbol));
        const QString all = labels.join(' ');
        for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key)
            for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier})
                if (const auto text = shortcutText(key, modifiers))
                    for (const QString &name : shortcutKeyNames(*text))
                        QVERIFY2(all.contains(name), qPrintable(name));
    }

    void everyOptionHasATip() {
        for (const RenderOptionInfo &o : kRenderOptions)
            QVERIFY2(!displayOptionTip(QString::fromLatin1(o.checkBox)).isEmpty(), o.checkBox);
        QCOMPARE(displayOptionTip("chkNothing"), QString());
    }

    void groupsCoverEveryButtonOnce() {
        QCOMPARE(phonemeButtons().size(), size_t(50));
        int next = 0;
        for (const ButtonGroup &g : phonemeGroups()) {
            QCOMPARE(g.first, next);
            next += g.count;
        }
        QCOMPARE(next, 50);
    }

    void recentStart() {
        const RecentSymbols r;
        QCOMPARE(recentSymbols(r).join(' '),
                 u"\u02D0 \u02D1 \u02BC \u02B4 \u02B0 \u02B1 \u02B2 \u02B7 \u02E0 \u02E4 \u02DE \u0294 \u02A1"_qs);
        QCOMPARE(r.button(5).tooltip, QStringLiteral("Add IPA symbol"));
    }

    void recentPicks() {
        RecentSymbols r;
        const QStringList before = recentSymbols(r);
        QVERIFY(r.pick(u"\u0283"_qs, "vl postalveolar fricative"));
        QCOMPARE(r.button(1), (SymbolButton{u"\u0283"_qs, "vl postalveolar fricative"}));
        // 1..11 moved to 2..12, the old 12 dropped, element 0 untouched.
        QCOMPARE(recentSymbols(r).mid(2), before.mid(1, 11));
        QCOMPARE(r.button(0).symbol, before[0]);
        // A symbol on buttons 1..12 stays where it is; button 0 is not searched.
        const auto picked = r.buttons();
        QVERIFY(!r.pick(u"\u0283"_qs, "a"));
        QVERIFY(!r.pick(r.button(12).symbol, "x"));
        QVERIFY(r.buttons() == picked);
        QVERIFY(r.pick(before[0], "length mark"));
        QCOMPARE(r.button(1).symbol, before[0]);
    }

    void recentRestored() {
        RecentSymbols r;
        r.restore(std::vector<SymbolButton>{{u"\u0283"_qs, "sh"}, {u"\u0292"_qs, "zh"}});
        const RecentSymbols start;
        QCOMPARE(r.button(0), start.button(0));
        QCOMPARE(r.button(1), (SymbolButton{u"\u0283"_qs, "sh"}));
        QCOMPARE(r.button(2), (SymbolButton{u"\u0292"_qs, "zh"}));
        QCOMPARE(r.button(3), start.button(3));
        // More than twelve: the first twelve.
        r.restore(std::vector<SymbolButton>(14, SymbolButton{"x", "y"}));
        QCOMPARE(r.button(12), (SymbolButton{"x", "y"}));
        QCOMPARE(r.button(0), start.button(0));
    }

    void displayCaptions() {
        QCOMPARE(displayCaption(u"\u0329"_qs), u"\u25CC\u0329"_qs);
        QCOMPARE(displayCaption(u"\u0283"_qs), u"\u0283"_qs);
        QCOMPARE(displayCaption(u"\u02D0"_qs), u"\u02D0"_qs);
    }

    void chartLists() {
        const QStringList symbols = SymbolList();
        QCOMPARE(symbols.size(), 135);
        QCOMPARE(DescriptionList().size(), 135);
        for (const QString &s : symbols)
            QCOMPARE(s.size(), 1);
        // ɫ stands twice, among the letters and among the diacritics.
        QCOMPARE(symbols.indexOf(u"\u026B"_qs), 37);
        QCOMPARE(symbols.lastIndexOf(u"\u026B"_qs), 116);
    }

    void chartRows_data() {
        // clang-format off
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("rowLengths");
        QTest::newRow("alphabetic") << "Alphabetic symbols" << "14 14 14 14 14 14 2";
        QTest::newRow("spacing") << "Spacing diacritics and suprasegmental" << "13";
        QTest::newRow("non-spacing") << "Non-spacing diacritics and suprasegmental" << "14 14 3";
        QTest::newRow("arrows") << "Arrows" << "5";
        // clang-format on
    }

    void chartRows() {
        QFETCH(QString, heading);
        QFETCH(QString, rowLengths);
        int section = -1;
        for (size_t s = 0; s < chartSections().size(); ++s)
            if (QString::fromLatin1(chartSections()[s].heading) == heading)
                section = int(s);
        QVERIFY(section >= 0);
        QMap<int, int> rows;
        for (int i = 0; i < 135; ++i) {
            const ChartCell c = chartCell(i);
            if (c.section == section) {
                QCOMPARE(c.column, rows.value(c.row));
                ++rows[c.row];
            }
        }
        QStringList lengths;
        for (int n : rows)
            lengths << QString::number(n);
        QCOMPARE(lengths.join(' '), rowLengths);
    }
};

QTEST_GUILESS_MAIN(TestEditor)
#include "tst_editor.moc"

// The shortcut keys: key meaning and exact modifiers.

#include "editor/shortcuts.h"

#include <QtTest>

using namespace vocalith;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestShortcuts : public QObject {
    Q_OBJECT
private slots:
    void keys_data() {
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
        QTest::newRow("h") << int(Qt::Key_H) << none << QString();
        QTest::newRow("s") << int(Qt::Key_S) << none << QString();
        QTest::newRow("period") << int(Qt::Key_Period) << none << QString();
        QTest::newRow("< (Shift+,)") << int(Qt::Key_Less) << shift << QString();
        QTest::newRow("keypad 8") << int(Qt::Key_8) << Qt::KeyboardModifiers(Qt::KeypadModifier) << QString();
        // Ctrl, Alt, AltGr and Meta never match.
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString();
        QTest::newRow("Alt+X") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::AltModifier) << QString();
        QTest::newRow("Shift+Ctrl+H") << int(Qt::Key_H) << (Qt::ShiftModifier | Qt::ControlModifier) << QString();
        QTest::newRow("Ctrl+G") << int(Qt::Key_G) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString();
        QTest::newRow("Meta+comma") << int(Qt::Key_Comma) << Qt::KeyboardModifiers(Qt::MetaModifier) << QString();
        QTest::newRow("AltGr+8") << int(Qt::Key_8) << Qt::KeyboardModifiers(Qt::GroupSwitchModifier) << QString();
    }

    void keys() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, expected);
        QCOMPARE(ShortcutText(key, modifiers).value_or(QString()), expected);
    }

    void labels_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("label");
        QTest::newRow("\u0283") << u"\u0283"_qs << u"\u21E7S"_qs;
        QTest::newRow("\u0261") << u"\u0261"_qs << "G";
        QTest::newRow("\u02C8") << u"\u02C8"_qs << "[";
        QTest::newRow("\u02D0") << u"\u02D0"_qs << u"\u21E7."_qs;
        QTest::newRow("p has none") << "p" << QString();
    }

    void labels() {
        QFETCH(QString, symbol);
        QFETCH(QString, label);
        QCOMPARE(ShortcutLabel(symbol), label);
    }
};

QTEST_GUILESS_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"

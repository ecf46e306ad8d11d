// The string-expression form: ChrW(n) calls and quoted pieces joined by " & ".

#include "encodings/reference.h"
#include "encodings/stringexpression.h"

#include <QtTest>

using namespace vocalith;
using namespace vocalith::test;
using namespace Qt::StringLiterals;

namespace {

const QString kQuotable = u"abcdefghijklmnñopqrstuvwxyz,.:;¿?!¡=|"_s;

QString quoted(QChar c) { return u"\""_s + c + u"\""_s; }
QString call(QChar c) { return u"ChrW(%1)"_s.arg(c.unicode()); }

// The export chain written out step by step.
QString exportByRules(QString text) {
    Rules rules{{u" "_s, u"\" \" & "_s}};
    for (const QChar q : kQuotable)
        rules << std::pair{QString(q), quoted(q) + u" & "_s};
    for (const QChar c : inventory())
        rules << std::pair{QString(c), call(c) + u" & "_s};
    text = byRules(text, rules);
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    if (text.endsWith(u'&'))
        text.chop(1);
    return text.remove(u"\" & \""_s);
}

QString importByRules(const QString &text) {
    Rules rules{{u" & "_s, QString()}};
    for (const QChar q : kQuotable)
        rules << std::pair{quoted(q), QString(q)};
    for (const QChar c : inventory())
        rules << std::pair{call(c), QString(c)};
    rules << std::pair{u"\""_s, QString()};
    return byRules(text, rules);
}

} // namespace

class TestStringExpression : public QObject {
    Q_OBJECT

private slots:
    void exports_data() {
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("imported");
        QTest::newRow("one piece") << u"hat"_s << u"\"hat\" "_s << u"hat "_s;
        QTest::newRow("space inside") << u"a b"_s << u"\"a b\" "_s << u"a b "_s;
        QTest::newRow("happy") << u"ˈhæpi"_s << u"ChrW(712) & \"h\" & ChrW(230) & \"pi\" "_s << u"ˈhæpi "_s;
        QTest::newRow("capitals and digits") << u"AB12"_s << u"AB12"_s << u"AB12"_s;
        QTest::newRow("capital then letter") << u"Ab"_s << u"A\"b\" "_s << u"Ab "_s;
        QTest::newRow("ligature kept") << u"ʤ"_s << u"ChrW(676) "_s << u"ʤ "_s;
        QTest::newRow("line break at end") << u"a\r\n"_s << u"\"a\" & \r\n"_s << u"a\r\n"_s;
        QTest::newRow("punctuation") << u"¿ñ?"_s << u"\"¿ñ?\" "_s << u"¿ñ? "_s;
    }
    void exports() {
        QFETCH(QString, ipa);
        QFETCH(QString, expression);
        QFETCH(QString, imported);
        QCOMPARE(Text2StringExpression(ipa), expression);
        QCOMPARE(VB2Unicode(expression), imported);
    }

    void imports_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("ipa");
        QTest::newRow("call") << u"ChrW(593)"_s << u"ɑ"_s;
        QTest::newRow("call outside inventory") << u"ChrW(97)"_s << u"ChrW(97)"_s;
        QTest::newRow("space inside call") << u"ChrW( 593)"_s << u"ChrW( 593)"_s;
        QTest::newRow("leading zero") << u"ChrW(0593)"_s << u"ChrW(0593)"_s;
        QTest::newRow("joiner without spaces") << u"\"a\"&ChrW(593)"_s << u"a&ɑ"_s;
        QTest::newRow("piece of two") << u"\"pi\""_s << u"pi"_s;
        QTest::newRow("every call") << QString() << QString();
    }
    void imports() {
        QFETCH(QString, expression);
        QFETCH(QString, ipa);
        if (expression.isEmpty()) { // every inventory symbol by its call, joined
            QStringList calls;
            for (const QChar c : inventory())
                calls << call(c);
            expression = calls.join(u" & "_s);
            ipa = inventory();
        }
        QCOMPARE(VB2Unicode(expression), ipa);
    }

    // The export joins steps into one scan; both directions must equal the chain step by step.
    void sameAsRuleByRule() {
        const QStringList plain{u"a"_s, u"h"_s, u" "_s, u"ˈ"_s, u"æ"_s, u"A"_s, u"1"_s, u"\""_s, u"&"_s,
                                u"ñ"_s, u"¿"_s, u"|"_s, u"\r\n"_s, u"ʤ"_s, u"\U0001F600"_s, u"W"_s};
        for (const QString &text : randomTexts(plain, 2000))
            QCOMPARE(Text2StringExpression(text), exportByRules(text));
        const QStringList expression{u"\""_s, u" & "_s, u"&"_s, u" "_s, u"a"_s, u"h"_s, u"r"_s, u"C"_s,
                                     u"ChrW("_s, u"593"_s, u")"_s, u"\"a\""_s, u"ChrW(593)"_s, u"W"_s};
        for (const QString &text : randomTexts(expression, 2000))
            QCOMPARE(VB2Unicode(text), importByRules(text));
    }
};

QTEST_APPLESS_MAIN(TestStringExpression)
#include "tst_stringexpression.moc"

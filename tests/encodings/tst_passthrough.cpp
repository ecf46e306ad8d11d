// What every converter leaves alone: empty text, surrogate pairs, lone surrogates.

#include "encodings/braille.h"
#include "encodings/htmlreferences.h"
#include "encodings/stringexpression.h"
#include "encodings/xsampa.h"

#include <QtTest>

using namespace vocalith;
using namespace Qt::StringLiterals;

namespace {

struct Converter {
    const char *name;
    QString (*fn)(QString);
    const char16_t *sample; // text the converter changes
};

const Converter kConverters[] = {
    {"Text2HTML", Text2HTML, u"ɑ"},
    {"HTML2Text", HTML2Text, u"&#593;"},
    {"Text2HexHTML", Text2HexHTML, u"ɑ"},
    {"HexHTML2Text", HexHTML2Text, u"&#x251;"},
    {"Text2StringExpression", Text2StringExpression, u"ɑa"},
    {"VB2Unicode", VB2Unicode, u"ChrW(593) & \"a\""},
    {"Text2SAMPA", Text2SAMPA, u"ɑ˥˩"},
    {"SAMPA2Unicode", SAMPA2Unicode, u"A<TB>"},
    {"Text2Braille", Text2Braille, u"ɑ"},
    {"Braille2Unicode", Braille2Unicode, u"\u2816\u2807"},
};

// Surrogate pairs (an emoji, a musical symbol) and lone high and low surrogates, with a
// digit no converter touches.
QString surrogates() {
    return u"\U0001F600"_s + QChar(0xD800) + u"0"_s + QChar(0xDC00) + u"\U0001D11E"_s + QChar(0xDBFF);
}

} // namespace

class TestPassThrough : public QObject {
    Q_OBJECT

private slots:
    void untouched_data() {
        QTest::addColumn<int>("converter");
        for (int k = 0; k < int(std::size(kConverters)); ++k)
            QTest::newRow(kConverters[k].name) << k;
    }
    void untouched() {
        QFETCH(int, converter);
        const Converter &c = kConverters[converter];
        const QString sample = QString::fromUtf16(c.sample);
        const QString s = surrogates();
        QCOMPARE(c.fn(QString()), QString());
        QCOMPARE(c.fn(s), s);
        QVERIFY(c.fn(sample) != sample);
        // Beside converted text the surrogates stay whole and in place.
        QVERIFY(c.fn(sample + s).endsWith(s));
        QVERIFY(c.fn(s + sample).startsWith(s));
    }
};

QTEST_APPLESS_MAIN(TestPassThrough)
#include "tst_passthrough.moc"

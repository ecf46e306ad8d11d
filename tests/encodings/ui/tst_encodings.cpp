// The ten converters: each equals its table's rules run one by one on random and overlapping
// texts; worked examples and the rows where the order of the rules decides. Then the import
// and export window driven from the main window: export of the editor's text, import from
// the visible tab, Close, the tabs and the Braille font box with its setting.

#include "editor/ui/resultpanel.h"
#include "encodings/braille.h"
#include "encodings/htmlreferences.h"
#include "encodings/reference.h"
#include "encodings/stringexpression.h"
#include "encodings/ui/importexportwindow.h"
#include "encodings/xsampa.h"
#include "engine/render.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace vocalith;
using namespace vocalith::test;
using namespace Qt::StringLiterals;

namespace {

struct Converter {
    const char *name;
    QString (*convert)(QString);
    Rules (*rules)();       // its rules, run one by one
    const char16_t *pieces; // more fragments for the random texts, separated by spaces
};

// clang-format off
const Converter kConverters[] = {
    {"Text2SAMPA",            Text2SAMPA,            xsampaExport,          u"a \u0336 \u026A \u028A"},
    {"SAMPA2Unicode",         SAMPA2Unicode,         xsampaImport,          u"a d t \\ _ < > ` |"},
    {"Text2Braille",          Text2Braille,          brailleExport,         u"A \u2800"},
    {"Braille2Unicode",       Braille2Unicode,       brailleImport,         u"x \u2800 \u2808 \u2810 \u2814 \u2816 \u2820 \u2826 \u2832 \u2838"},
    {"Text2HTML",             Text2HTML,             decimalExport,         u"& # x ; 0"},
    {"HTML2Text",             HTML2Text,             decimalImport,         u"& # x ; 0 59 3 &#x251;"},
    {"Text2HexHTML",          Text2HexHTML,          hexExport,             u"& # x ; 0"},
    {"HexHTML2Text",          HexHTML2Text,          hexImport,             u"& # x ; 0 E6 2A4 &#593;"},
    {"Text2StringExpression", Text2StringExpression, stringExpressionRules, u"A 1 \" & \r\n W"},
    {"VB2Unicode",            VB2Unicode,            stringExpressionImport, u"\" & a h r C ChrW( 593 ) W"},
};
// clang-format on

const Converter &converter(const QString &name) {
    for (const Converter &c : kConverters)
        if (name == QLatin1String(c.name))
            return c;
    qFatal("no converter %s", qPrintable(name));
}

} // namespace

class TestEncodings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordedMessages m_messages;
    std::unique_ptr<MainWindow> m_main;

    ResultPanel *panel() const { return child<ResultPanel>(m_main.get(), u"fraPhonetics"_s); }
    QPlainTextEdit *editor() const { return child<QPlainTextEdit>(panel(), u"txtText"_s); }
    ImportExportWindow *window() const { return m_main->importExportWindow(); }
    QPlainTextEdit *box(int i) const { return child<QPlainTextEdit>(window(), u"txtTexto%1"_s.arg(i)); }
    void click(QObject *parent, const QString &name) const { child<QToolButton>(parent, name)->click(); }
    void clickTab(int i) const { QTest::mouseClick(child<QLabel>(window(), u"lblTexto%1"_s.arg(i)), Qt::LeftButton); }
    // Installed fonts in the system's order; two are Braille fonts of the settings.
    void startMain() {
        m_main = startMainWindow(fixturePath(u"engine"_s), m_dir, m_messages,
                                 {u"Charis SIL"_s, u"FREE MONO"_s, u"DejaVu Sans"_s});
    }

private slots:
    void initTestCase() { startMain(); }
    void cleanup() { QCOMPARE(m_messages.shown, QStringList()); }

    // The converters scan once, in a way of their own; each must give what its rules give
    // one after another. Surrogate pairs, lone surrogates and empty texts pass untouched.
    void sameAsRuleByRule_data() {
        QTest::addColumn<QString>("name");
        for (const Converter &c : kConverters)
            QTest::newRow(c.name) << QString::fromLatin1(c.name);
    }
    void sameAsRuleByRule() {
        QFETCH(QString, name);
        const Converter &c = converter(name);
        const Rules rules = c.rules();
        QStringList keys, fragments = QString::fromUtf16(c.pieces).split(u' ');
        for (const auto &[key, replacement] : rules)
            keys << key;
        for (const QString &key : keys)
            fragments << key << key.left(1) << key.right(1);
        fragments << u" "_s << u"\U0001F600"_s << QString(QChar(0xD800)) << QString(QChar(0xDC00));
        for (const QString &text : randomTexts(fragments, 3000) + overlaps(keys))
            QCOMPARE(c.convert(text),
                     c.convert == Text2StringExpression ? stringExpressionExport(text) : byRules(text, rules));
    }

    // Worked examples, both ways, and the rows where the order of the rules decides.
    void examples_data() {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("back");
        const QString x = u"Text2SAMPA"_s, xi = u"SAMPA2Unicode"_s, b = u"Text2Braille"_s, bi = u"Braille2Unicode"_s;
        // clang-format off
        QTest::newRow("xsampa affricates") << x << xi << u"tʃ ʧ dʒ ʤ"_s << u"tS tS dZ dZ"_s << u"tʃ tʃ dʒ dʒ"_s;
        // The three-letter tone rules run in tone order, not from the left of the run.
        QTest::newRow("xsampa high then three low") << x << xi << u"˥˩˩˩"_s << u"<T><BBB>"_s << u"˥˩˩˩"_s;
        QTest::newRow("xsampa five tones") << x << xi << u"˧˥˩˩˩"_s << u"<MT><BBB>"_s << u"˧˥˩˩˩"_s;
        QTest::newRow("xsampa rings") << x << xi << u"n\u0325 n\u030A"_s << u"n_0 n_0"_s << u"n\u0325 n\u0325"_s;
        // Caron followed by grave exports as the code of the contour tone.
        QTest::newRow("xsampa caron grave") << x << xi << u"a\u030C\u0300"_s << u"a_L_H_L"_s << u"a\u1DC8"_s;
        // The three-cell rule of ɮ runs before the two-cell rule of ɫ.
        QTest::newRow("braille dark l, tie, ezh") << b << bi << u"ɫ\u0361ʒ"_s << u"\u2816\u2807\u2810\u282E"_s << u"ɱɮ"_s;
        QTest::newRow("braille twins") << b << bi << u"ɡʟ"_s << u"\u281B\u2816\u2807"_s << u"gɫ"_s;
        QTest::newRow("braille words") << b << bi << u"ðə ˈkæt"_s << u"\u283B\u2822 \u2838\u2803\u2805\u2829\u281E"_s << u"ðə ˈkæt"_s;
        QTest::newRow("braille retroflex t") << b << bi << u"ʈ"_s << u"\u2832\u2756"_s << u"ʈ"_s;
        QTest::newRow("braille extra high tone") << b << bi << u"˥"_s << u"\u2838\u2808\uD7F7"_s << u"˥"_s;
        QTest::newRow("decimal ligature") << u"Text2HTML"_s << u"HTML2Text"_s << u"ʤ"_s << u"&#676;"_s << u"dʒ"_s;
        QTest::newRow("vb line break at end") << u"Text2StringExpression"_s << u"VB2Unicode"_s << u"a\r\n"_s << u"\"a\" & \r\n"_s << u"a\r\n"_s;
        QTest::newRow("vb punctuation") << u"Text2StringExpression"_s << u"VB2Unicode"_s << u"¿ñ?¡"_s << u"\"¿ñ?¡\" "_s << u"¿ñ?¡ "_s;
        // clang-format on
    }
    void examples() {
        QFETCH(QString, to);
        QFETCH(QString, from);
        QFETCH(QString, ipa);
        QFETCH(QString, code);
        QFETCH(QString, back);
        QCOMPARE(converter(to).convert(ipa), code);
        QCOMPARE(converter(from).convert(code), back);
    }

    // Imports where one code could be read two ways, and references that are not quite right.
    void imports_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString x = u"SAMPA2Unicode"_s, d = u"HTML2Text"_s, h = u"HexHTML2Text"_s, v = u"VB2Unicode"_s;
        // clang-format off
        QTest::newRow("xsampa aspiration before click") << x << u"_h\\"_s << u"ʰǀ"_s;
        QTest::newRow("xsampa clicks") << x << u"|\\|\\ \\|\\ || |\\ |"_s << u"ǁ ǁ ǁ ǀ ǀ"_s;
        QTest::newRow("xsampa retroflex approximant") << x << u"r\\` r\\ r`"_s << u"ɻ ɹ ɽ"_s;
        QTest::newRow("xsampa tone arrow before pharyngeal") << x << u"<\\> <\\"_s << u"↘ ʢ"_s;
        QTest::newRow("decimal ampersand before") << d << u"&&#593;;"_s << u"&ɑ;"_s;
        QTest::newRow("decimal nested") << d << u"&#&#593;593;"_s << u"&#ɑ593;"_s;
        QTest::newRow("decimal leading zero, hex") << d << u"&#0593; &#0000593; &#x251;"_s << u"&#0593; &#0000593; &#x251;"_s;
        QTest::newRow("decimal without ;") << d << u"&#593 &#593"_s << u"&#593 &#593"_s;
        QTest::newRow("hex short and padded") << h << u"&#xE6;&#x00E6;&#x251;"_s << u"ææɑ"_s;
        QTest::newRow("hex three digits, one zero") << h << u"&#x0E6;"_s << u"&#x0E6;"_s;
        QTest::newRow("hex five digits") << h << u"&#x00251;"_s << u"&#x00251;"_s;
        QTest::newRow("hex lower case") << h << u"&#x025b; &#X025B;"_s << u"&#x025b; &#X025B;"_s;
        QTest::newRow("vb joiner without spaces") << v << u"\"a\"&ChrW(593)"_s << u"a&ɑ"_s;
        QTest::newRow("vb leading zero") << v << u"ChrW(0593) ChrW( 593)"_s << u"ChrW(0593) ChrW( 593)"_s;
        // clang-format on
    }
    void imports() {
        QFETCH(QString, from);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(converter(from).convert(text), expected);
    }

    // Each box in its notation, from the editor's text with CR LF line breaks; Close keeps it.
    void exportAll() {
        editor()->setPlainText(u"ˈhæpi\nn"_s);
        click(panel(), u"picExport"_s);
        QVERIFY(window()->isVisible() && window()->isModal());
        QCOMPARE(window()->windowTitle(), u"Exported transcription"_s);
        QVERIFY(child<QToolButton>(window(), u"picImport"_s)->isHidden());
        const QStringList expected{u"\"h{pi\nn"_s, u"&#712;h&#230;pi\nn"_s, u"&#x02C8;h&#x00E6;pi\nn"_s, u"⠸⠃⠓⠩⠏⠊\n⠝"_s,
                                   u"ChrW(712) & \"h\" & ChrW(230) & \"pi\" & \n\"n\" "_s};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(box(i)->toPlainText(), expected[i]);
        click(window(), u"picCopy1"_s);
        QCOMPARE(QApplication::clipboard()->text(), expected[1]);
        click(window(), u"picSalir"_s);
        QCOMPARE(panel()->storedTranscription(), u"ˈhæpi\r\nn"_s);
        // The import mode starts with empty boxes; Close imports nothing.
        click(panel(), u"picImport"_s);
        QVERIFY(box(0)->toPlainText().isEmpty() && box(4)->toPlainText().isEmpty());
        box(0)->setPlainText(u"dOg"_s);
        click(window(), u"picSalir"_s);
        QCOMPARE(panel()->storedTranscription(), u"ˈhæpi\r\nn"_s);
    }

    void importVisibleTab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("expected");
        QTest::newRow("X-SAMPA") << 0 << u"ʃɪp"_s;
        QTest::newRow("HTML (decimal)") << 1 << u"ɑː &#x251;"_s;
    }
    void importVisibleTab() {
        QFETCH(int, tab);
        QFETCH(QString, expected);
        editor()->setPlainText(u"old"_s);
        click(panel(), u"picImport"_s);
        QCOMPARE(window()->windowTitle(), u"Import transcription"_s);
        QVERIFY(child<QLabel>(window(), u"lblHelp1"_s)->text().startsWith(u"Enter or copy the HTML text (IPA"_s));
        box(0)->setPlainText(u"SIp"_s);
        box(1)->setPlainText(u"&#593;&#720; &#x251;"_s);
        clickTab(tab);
        click(window(), u"picImport"_s);
        QVERIFY(!window()->isVisible());
        QCOMPARE(editor()->toPlainText(), expected);
        // The imported text is what the display options render from now on.
        child<QCheckBox>(panel(), u"chkStress"_s)->click();
        QCOMPARE(editor()->toPlainText(), RenderTranscription(expected, panel()->options(), Accent::BrE).value());
    }

    void tabsAndBrailleFont() {
        click(panel(), u"picImport"_s);
        for (int tab : {3, 1}) {
            clickTab(tab);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(box(i)->isVisible(), i == tab);
                QCOMPARE(child<QLabel>(window(), u"lblTexto%1"_s.arg(i))->palette().color(QPalette::WindowText),
                         i == tab ? QColor(0, 0, 0) : QColor(192, 192, 192));
            }
            QCOMPARE(child<QWidget>(window(), u"fraFont"_s)->isVisible(), tab == 3);
        }
        auto *fonts = child<QComboBox>(window(), u"cmbFont"_s);
        QCOMPARE(fonts->currentText(), u"Braille"_s);
        QCOMPARE(fonts->itemText(0), u"FREE MONO"_s); // the system's order and spelling
        fonts->setCurrentIndex(1);                    // the user picks DejaVu Sans
        QCOMPARE(box(3)->font().family(), u"DejaVu Sans"_s);

        // Saved at once: the next start opens the Braille box in that font.
        m_main.reset();
        startMain();
        click(panel(), u"picImport"_s);
        QCOMPARE(child<QComboBox>(window(), u"cmbFont"_s)->currentText(), u"DejaVu Sans"_s);
        QCOMPARE(box(3)->font().family(), u"DejaVu Sans"_s);
    }
};

QTEST_MAIN(TestEncodings)
#include "tst_encodings.moc"

#include "app/settings.h"

#include "app/fontsize.h"
#include "storage/files.h"

#include <QDomDocument>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace vocalith {

const QStringList kDefaultBrailleFonts = {"Braille",    "Code2000", "DejaVu Sans", "Free Mono",
                                          "ghUBraille", "Komikaze", "Y.OzFont"};
const QString kDefaultFontSize = QStringLiteral("12");
const QString kSettingsFileName = QStringLiteral("vocalith.xml");
const QString kUseContributionsKey = QStringLiteral("usecontributions");
const QString kGuessUnknownKey = QStringLiteral("guessunknown");
const QString kSettingsDamagedKept =
    QStringLiteral("The settings could not be read (%1); they were kept as %2. Starting with the default settings.");
const QString kSettingsDamaged =
    QStringLiteral("The settings could not be read (%1). Starting with the default settings.");

namespace {

const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

bool isTrue(const QString &value) { return value.compare(kTrue, Qt::CaseInsensitive) == 0; }
QString boolText(bool b) { return b ? kTrue : kFalse; }

const QString kTooDeep = QStringLiteral("elements nested more than %1 deep");
const QString kXmlError = QStringLiteral("line %1: %2");
const QString kNotXml = QStringLiteral("not an XML document");

// Checks the document with a stream reader first: it takes linear time where the DOM
// parser's takes quadratic time on deeply nested elements. An empty text when it may be
// parsed, otherwise why not.
QString xmlFault(const QByteArray &bytes) {
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxSettingsDepth)
            return kTooDeep.arg(kMaxSettingsDepth);
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    if (!reader.hasError())
        return {};
    QString error = reader.errorString();
    if (error.endsWith(QLatin1Char('.')))
        error.chop(1);
    return kXmlError.arg(reader.lineNumber()).arg(error);
}

void applyDefaultBraille(Settings &s) {
    s.brailleFonts = kDefaultBrailleFonts;
    s.brailleFontName = QStringLiteral("Braille");
}

} // namespace

QStringList defaultUnicodeFonts(const QStringList &installedFonts) {
    QStringList fonts;
    for (const QString &f : installedFonts) {
        const QString lower = f.toLower();
        if (lower.contains(QLatin1String("unicode")) || lower == QLatin1String("charis sil") ||
            lower == QLatin1String("doulos sil") || lower == QLatin1String("gentium"))
            fonts << f;
    }
    return fonts;
}

Settings defaultSettings(const QStringList &installedFonts) {
    Settings s;
    s.unicodeFonts = defaultUnicodeFonts(installedFonts);
    s.fontName = s.unicodeFonts.value(0);
    applyDefaultBraille(s);
    return s;
}

bool LoadSettings(const QString &path, const QStringList &installedFonts, Settings &s, QString *damaged) {
    const RegularFileRead file = readRegularFile(path, kMaxSettingsBytes);
    QString fault = file.reason;
    QDomDocument doc;
    if (file.state == RegularFileRead::State::Read) {
        fault = xmlFault(file.bytes);
        if (fault.isEmpty() && (!doc.setContent(file.bytes) || doc.documentElement().isNull()))
            fault = kNotXml;
    }
    const QDomElement root = doc.documentElement();
    if (file.state != RegularFileRead::State::Read || !fault.isEmpty()) {
        const RenderOptions options = s.editor;
        s = defaultSettings(installedFonts);
        s.editor = options;
        if (damaged)
            *damaged = file.state == RegularFileRead::State::Missing ? QString() : fault;
        return false;
    }

    s.unicodeFonts.clear();
    s.brailleFonts.clear();
    s.accent = parseAccent(root.attribute(QStringLiteral("language"))).value_or(Accent::BrE);

    const QDomElement fonts = root.firstChildElement(QStringLiteral("unicodefonts"));
    if (fonts.isNull()) {
        // A file without the element still gets the installed IPA fonts.
        s.unicodeFonts = defaultUnicodeFonts(installedFonts);
        s.fontName = s.unicodeFonts.value(0);
    } else {
        const QString size = fonts.attribute(QStringLiteral("size"));
        s.fontSize = parseFontSize(size) ? size : kDefaultFontSize;
        if (isTrue(fonts.attribute(QStringLiteral("bold"))))
            s.bold = true;
        if (isTrue(fonts.attribute(QStringLiteral("italic"))))
            s.italic = true;
        if (isTrue(fonts.attribute(QStringLiteral("underline"))))
            s.underline = true;
        for (QDomElement f = fonts.firstChildElement(QStringLiteral("font")); !f.isNull();
             f = f.nextSiblingElement(QStringLiteral("font"))) {
            const QString name = f.attribute(QStringLiteral("name"));
            for (const QString &installed : installedFonts) {
                if (installed.compare(name, Qt::CaseInsensitive) == 0) {
                    s.unicodeFonts << installed;
                    break;
                }
            }
        }
        s.fontName = fonts.attribute(QStringLiteral("name"));
    }

    const QDomElement editor = root.firstChildElement(QStringLiteral("editor"));
    if (!editor.isNull()) {
        for (const RenderOptionInfo &o : kRenderOptions) {
            const QString key = QString::fromLatin1(o.key);
            if (editor.hasAttribute(key))
                s.editor.*o.member = isTrue(editor.attribute(key));
        }
        if (editor.hasAttribute(kUseContributionsKey))
            s.useContributions = isTrue(editor.attribute(kUseContributionsKey));
        if (editor.hasAttribute(kGuessUnknownKey))
            s.guessUnknown = isTrue(editor.attribute(kGuessUnknownKey));
    }

    const QDomElement braille = root.firstChildElement(QStringLiteral("braillefonts"));
    if (braille.isNull() || braille.firstChildElement(QStringLiteral("font")).isNull()) {
        applyDefaultBraille(s);
    } else {
        for (QDomElement f = braille.firstChildElement(QStringLiteral("font")); !f.isNull();
             f = f.nextSiblingElement(QStringLiteral("font")))
            s.brailleFonts << f.attribute(QStringLiteral("name"));
        s.brailleFontName = braille.hasAttribute(QStringLiteral("name")) ? braille.attribute(QStringLiteral("name"))
                                                                         : QStringLiteral("Braille");
    }
    return true;
}

QByteArray settingsDocument(const Settings &s) {
    // Written with a stream writer: it keeps the attributes in the order given. The
    // declaration is written by hand: the writer would put a line break before it, and a
    // declaration that is not at the very start makes the file unreadable.
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartElement(QStringLiteral("vocalith"));
    w.writeAttribute(QStringLiteral("language"), accentCode(s.accent));

    w.writeStartElement(QStringLiteral("unicodefonts"));
    w.writeAttribute(QStringLiteral("size"), s.fontSize);
    w.writeAttribute(QStringLiteral("bold"), boolText(s.bold));
    w.writeAttribute(QStringLiteral("italic"), boolText(s.italic));
    w.writeAttribute(QStringLiteral("underline"), boolText(s.underline));
    w.writeAttribute(QStringLiteral("name"), s.fontName);
    for (const QString &f : s.unicodeFonts) {
        w.writeEmptyElement(QStringLiteral("font"));
        w.writeAttribute(QStringLiteral("name"), f);
    }
    w.writeEndElement();

    w.writeEmptyElement(QStringLiteral("editor"));
    for (const RenderOptionInfo &o : kRenderOptions)
        w.writeAttribute(QString::fromLatin1(o.key), boolText(s.editor.*o.member));
    // After the nine: readers that do not know them pass over them.
    w.writeAttribute(kUseContributionsKey, boolText(s.useContributions));
    w.writeAttribute(kGuessUnknownKey, boolText(s.guessUnknown));

    w.writeStartElement(QStringLiteral("braillefonts"));
    w.writeAttribute(QStringLiteral("name"), s.brailleFontName);
    for (const QString &f : s.brailleFonts) {
        w.writeEmptyElement(QStringLiteral("font"));
        w.writeAttribute(QStringLiteral("name"), f);
    }
    w.writeEndElement();
    w.writeEndElement();
    return QByteArrayLiteral("<?xml version='1.0'?>\n") + out.trimmed() + '\n';
}

bool SaveSettings(const QString &path, const Settings &settings, QString *error) {
    return writeFileAtomically(path, settingsDocument(settings), error);
}

} // namespace vocalith

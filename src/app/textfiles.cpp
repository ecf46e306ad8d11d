#include "app/textfiles.h"

#include "storage/files.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>

namespace vocalith {

const QString kOpenTextCaption = QStringLiteral("Open text\u2026");
const QString kSaveTranscriptionCaption = QStringLiteral("Save transcription\u2026");
const QString kOpenTextFilter = QStringLiteral("Text files (*.txt);;All files (*)");
const QString kTextFilter = QStringLiteral("Text (*.txt)");
const QString kHtmlFilter = QStringLiteral("HTML page (*.html)");
const QString kFileNotReadable = QStringLiteral("The file %1 could not be read: %2");
const QString kFileNotText =
    QStringLiteral("The file %1 is not a text file in UTF-8 or UTF-16 (with a byte order mark): nothing was opened.");
const QString kFileTooLarge = QStringLiteral("The file %1 is larger than %2 MB: nothing was opened.");
const QString kTranscriptionNotSaved =
    QStringLiteral("The transcription could not be saved to %1: %2. No file was changed.");
const QString kHtmlTitle = QStringLiteral("IPA transcription");
const QString kIpaFontStack = QStringLiteral("\"Charis SIL\", \"Doulos SIL\", \"Gentium Plus\", \"Noto Serif\", "
                                             "\"Lucida Sans Unicode\", \"Arial Unicode MS\", \"DejaVu Sans\", serif");

namespace {

bool isTextCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u >= 0x20 || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

QString crLfLines(const QString &text) {
    QString out;
    out.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += QLatin1String("\r\n");
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString htmlEscaped(const QString &text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\'':
            out += QLatin1String("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A font family as a CSS string: only characters that font names use, quoted.
QString cssFamily(const QString &family) {
    QString safe;
    for (const QChar c : family)
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
            c == QLatin1Char('.'))
            safe += c;
    safe = safe.trimmed();
    return safe.isEmpty() ? QString() : QLatin1Char('"') + safe + QLatin1Char('"');
}

} // namespace

std::optional<QString> decodeTextFile(const QByteArray &bytes) {
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        skip = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = QStringConverter::Utf16LE;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = QStringConverter::Utf16BE;
        skip = 2;
    }
    if (encoding != QStringConverter::Utf8 && (bytes.size() - skip) % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(skip));
    if (decoder.hasError())
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isTextCharacter(c) || c.isLowSurrogate())
            return std::nullopt;
        // A surrogate pair is one character; a half of one, which the decoder lets
        // through at the end of the bytes, is no text.
        if (c.isHighSurrogate() && (++i == text.size() || !text.at(i).isLowSurrogate()))
            return std::nullopt;
    }
    return crLfLines(text);
}

TextFileRead readTextFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    const RegularFileRead read = readRegularFile(path, kMaxTextFileBytes);
    switch (read.state) {
    case RegularFileRead::State::Missing:
        return {std::nullopt, kFileNotReadable.arg(name, systemReason(ENOENT))};
    case RegularFileRead::State::Unreadable:
        return {std::nullopt, read.tooLarge ? kFileTooLarge.arg(name).arg(kMaxTextFileBytes / (1024 * 1024))
                                            : kFileNotReadable.arg(name, read.reason)};
    case RegularFileRead::State::Read:
        break;
    }
    std::optional<QString> text = decodeTextFile(read.bytes);
    if (!text)
        return {std::nullopt, kFileNotText.arg(name)};
    return {std::move(text), {}};
}

TranscriptionFormat formatForFileName(const QString &path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
                   suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0
               ? TranscriptionFormat::Html
               : TranscriptionFormat::PlainText;
}

QByteArray transcriptionText(const QString &editorText) {
    QString text = editorText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.toUtf8();
}

QByteArray transcriptionHtml(const QString &editorText, const QString &fontFamily) {
    const QString own = cssFamily(fontFamily);
    const QString stack = own.isEmpty() ? kIpaFontStack : own + QStringLiteral(", ") + kIpaFontStack;
    QString text = editorText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QString page = QStringLiteral("<!DOCTYPE html>\n"
                                        "<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                                        "<style>\n.ipa { font-family: %2; white-space: pre-wrap; }\n</style>\n"
                                        "</head>\n<body>\n<div class=\"ipa\">%3</div>\n</body>\n</html>\n")
                             .arg(kHtmlTitle, stack, htmlEscaped(text));
    return page.toUtf8();
}

bool writeTranscription(const QString &path, const QString &editorText, const QString &fontFamily, QString *message) {
    const QByteArray bytes = formatForFileName(path) == TranscriptionFormat::Html
                                 ? transcriptionHtml(editorText, fontFamily)
                                 : transcriptionText(editorText);
    QString reason;
    if (writeFileAtomically(path, bytes, &reason))
        return true;
    if (message)
        *message = kTranscriptionNotSaved.arg(QFileInfo(path).fileName(), reason);
    return false;
}

} // namespace vocalith

#include "app/textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
const QString kDamagedSuffix = QStringLiteral(".damaged");
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

const QString kNotRegularFile = QStringLiteral("not a regular file");
const QString kLargerThan = QStringLiteral("larger than %1 MB");

QString systemReason(int error) { return qt_error_string(error); }

// Writes every byte to the descriptor; false with errno set when a write fails.
bool writeAll(int fd, const char *data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qint64>(size, qint64(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// A new file beside target, open for writing, with its name; -1 with errno set when none
// can be made.
int createTemporary(const QString &target, QByteArray &name) {
    const QFileInfo info(target);
    const QString stem = info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('.'));
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(stem + QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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

TextFileRead ReadTextFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    const RegularFileRead read = ReadRegularFile(path, kMaxTextFileBytes);
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

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // A link is followed: the file it points to gets the bytes, the link stays.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return fail(systemReason(errno));
    if (replacing && !S_ISREG(old.st_mode))
        return fail(S_ISDIR(old.st_mode) ? systemReason(EISDIR) : kNotRegularFile);

    QByteArray temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0)
        return fail(systemReason(errno));
    bool written = (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                   writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    int reason = written ? 0 : errno;
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && written && errno != EINTR) {
        written = false;
        reason = errno;
    }
    if (written && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        written = false;
        reason = errno;
    }
    if (!written) {
        ::unlink(temporary.constData());
        return fail(systemReason(reason));
    }
    // The new name itself reaches the disk with the folder.
    fd = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

RegularFileRead ReadRegularFile(const QString &path, qint64 maxBytes) {
    RegularFileRead r;
    auto unreadable = [&](const QString &reason) {
        r.state = RegularFileRead::State::Unreadable;
        r.reason = reason;
        return r;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? r : unreadable(systemReason(errno));
    // Checked before opening: opening a FIFO waits for a writer.
    if (!S_ISREG(st.st_mode))
        return unreadable(kNotRegularFile);
    const QString tooLarge = kLargerThan.arg(maxBytes / (1024 * 1024));
    r.tooLarge = st.st_size > maxBytes;
    if (r.tooLarge)
        return unreadable(tooLarge);
    // Without waiting, should the name have been replaced by a FIFO since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return unreadable(systemReason(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return unreadable(file.errorString());
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return unreadable(kNotRegularFile);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable(file.errorString());
    r.tooLarge = bytes.size() > maxBytes; // it grew since
    if (r.tooLarge)
        return unreadable(tooLarge);
    r.state = RegularFileRead::State::Read;
    r.bytes = std::move(bytes);
    return r;
}

QString SetAsideDamaged(const QString &path, const QString &reason, const QString &kept, const QString &notKept) {
    const QString aside = path + kDamagedSuffix;
    // rename itself: it never opens the file, which may be a FIFO.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        return notKept.arg(reason);
    return kept.arg(reason, QFileInfo(aside).fileName());
}

bool SaveTranscription(const QString &path, const QString &editorText, const QString &fontFamily, QString *message) {
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

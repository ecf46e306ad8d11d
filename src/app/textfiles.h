#pragma once
// Text files in and out of the desktop program: a text opened into the input box and the
// editor's transcription saved as plain text or as an HTML page (through storage/files.h).

#include <QByteArray>
#include <QString>
#include <optional>

namespace vocalith {

// Largest text file opened into the input box.
constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

extern const QString kOpenTextCaption;          // button and dialog title
extern const QString kSaveTranscriptionCaption; // button and dialog title
extern const QString kOpenTextFilter;
extern const QString kTextFilter;
extern const QString kHtmlFilter;
extern const QString kFileNotReadable;       // %1 file, %2 reason
extern const QString kFileNotText;           // %1 file
extern const QString kFileTooLarge;          // %1 file, %2 megabytes
extern const QString kTranscriptionNotSaved; // %1 file, %2 reason
extern const QString kHtmlTitle;
// Fonts of the HTML page after the editor's own, the first that has IPA symbols wins.
extern const QString kIpaFontStack;

// The text of a file's bytes: UTF-8 (with or without a byte order mark) or UTF-16 with a
// byte order mark, line breaks (LF, CR LF or CR) as CR LF. nullopt for bytes that are not
// such a text: invalid UTF-8 or UTF-16, or control characters other than tab, line and
// page breaks.
std::optional<QString> decodeTextFile(const QByteArray &bytes);

struct TextFileRead {
    std::optional<QString> text; // as decodeTextFile gives it
    QString error;               // the message when there is no text
};
TextFileRead readTextFile(const QString &path);

enum class TranscriptionFormat { PlainText, Html };
// HTML for a name ending in .html or .htm (any letter case), plain text otherwise.
TranscriptionFormat formatForFileName(const QString &path);

// The editor's text (CR LF line breaks) as UTF-8 with LF line breaks.
QByteArray transcriptionText(const QString &editorText);
// A UTF-8 HTML page showing the editor's text, escaped, lines and spaces kept, in the
// editor's font family followed by the IPA font stack.
QByteArray transcriptionHtml(const QString &editorText, const QString &fontFamily);

// Saves the editor's text in the format its name asks for; false with the message.
bool writeTranscription(const QString &path, const QString &editorText, const QString &fontFamily,
                        QString *message = nullptr);

} // namespace vocalith

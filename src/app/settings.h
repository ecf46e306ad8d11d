#pragma once
// The user's remembered choices and their file, vocalith.xml.

#include "engine/render.h"
#include "pronunciation/accent.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vocalith {

struct Settings {
    Accent accent = Accent::BrE;
    QString fontSize = QStringLiteral("12");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString fontName;         // the text of the font box
    QStringList unicodeFonts; // fonts offered for the editor
    RenderOptions editor;     // the nine display options
    // "Use my words when transcribing", saved with the display options.
    bool useContributions = false;
    // "Guess unknown words", likewise.
    bool guessUnknown = false;
    QStringList brailleFonts; // fonts offered for Braille text
    QString brailleFontName = QStringLiteral("Braille");
};

extern const QStringList kDefaultBrailleFonts;
extern const QString kDefaultFontSize;
extern const QString kSettingsFileName;
// The editor element's attribute of "Use my words when transcribing".
extern const QString kUseContributionsKey;
// The editor element's attribute of "Guess unknown words".
extern const QString kGuessUnknownKey;

// Installed fonts usable for IPA, in the system's order: names containing "unicode",
// and Charis SIL, Doulos SIL and Gentium.
QStringList defaultUnicodeFonts(const QStringList &installedFonts);

// The state without a settings file.
Settings defaultSettings(const QStringList &installedFonts);

// Largest settings file read, and the deepest nesting of its elements.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;
constexpr int kMaxSettingsDepth = 64;
// Status line texts: the file could not be read (%1 reason, %2 where it was kept, or the
// plain text when it could not be kept).
extern const QString kSettingsDamagedKept;
extern const QString kSettingsDamaged;

// Reads the file onto settings (absent attributes leave their value as it is; a font size
// that is no usable size gets the default). A missing file, or one that is not a regular
// file of at most kMaxSettingsBytes with well-formed XML nested at most kMaxSettingsDepth
// deep, applies the defaults and returns false; *damaged then gets the reason when there
// is such a file (and stays empty when there is none).
bool LoadSettings(const QString &path, const QStringList &installedFonts, Settings &settings,
                  QString *damaged = nullptr);

// The file's content for these settings.
QByteArray settingsDocument(const Settings &settings);

// Writes the file with the checked writer: a failed save leaves the previous file as it was.
// Returns false with a message when the file cannot be written.
bool SaveSettings(const QString &path, const Settings &settings, QString *error = nullptr);

} // namespace vocalith

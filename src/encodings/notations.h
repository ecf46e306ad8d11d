#pragma once
// The five notations the transcription is exported to and imported from, in the order of
// the import and export window's tabs, with their converters and the window's fixed texts.

#include <QString>
#include <QStringList>
#include <array>

namespace vocalith {

using Converter = QString (*)(QString);

struct Notation {
    const char *name;        // on the command line
    const char16_t *caption; // the tab's caption
    const char16_t *prompt;  // what the tab asks for in import mode
    Converter exportFn;
    Converter importFn;
};

extern const std::array<Notation, 5> kNotations;
inline constexpr int kBrailleTab = 3;

namespace importexport {

inline const QString kDesignCaption = QStringLiteral("Output transcription");
inline const QString kExportCaption = QStringLiteral("Exported transcription");
inline const QString kImportCaption = QStringLiteral("Import transcription");
inline const QString kImportButton = QStringLiteral("Import");
inline const QString kCopy = QStringLiteral("Copy");
inline const QString kFont = QStringLiteral("Font");
inline const QString kTextFont = QStringLiteral("Lucida Sans Unicode");
inline const QString kPromptFont = QStringLiteral("Arial");

// Tab captions: the selected one black, the others silver (0xRRGGBB).
inline constexpr unsigned kSelectedTab = 0x000000;
inline constexpr unsigned kOtherTab = 0xC0C0C0;

} // namespace importexport

// The installed fonts offered for Braille text: those named in brailleFonts (ignoring
// letter case), each once, in the system's order and with the system's spelling.
QStringList brailleFontChoices(const QStringList &installedFonts, const QStringList &brailleFonts);

} // namespace vocalith

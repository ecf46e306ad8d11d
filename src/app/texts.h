#pragma once
// Fixed texts, versions and look constants of the desktop program.

#include <QString>
#include <QStringList>

namespace vocalith::texts {

// From the build (CMake's project version and its letter), like the package's version.
inline const QString kVersion = QStringLiteral(VOCALITH_VERSION);
inline const QString kReleaseDate = QStringLiteral("January 2014");
inline const QString kSubtitle = QStringLiteral("Draft IPA transcriptions of English");
inline const QString kProgramName = QStringLiteral("Vocalith");

// "Vocalith 1.7f - <subtitle>"
inline QString mainWindowCaption() {
    return QStringLiteral("Vocalith ") + kVersion + QStringLiteral(" - ") + kSubtitle;
}
// " Vocalith - <subtitle>" (the About window's caption starts with a space)
inline QString aboutWindowCaption() { return QStringLiteral(" Vocalith - ") + kSubtitle; }

// Font sizes offered in the size box, in this order.
inline const QStringList kFontSizes = {"8",  "9",  "10", "11", "12", "14", "16",
                                       "18", "20", "22", "24", "26", "28", "36"};

// Caption colours of the panel and accent labels, and the colour of warnings.
// (0xRRGGBB; the core has no colour type).
constexpr unsigned kActiveCaption = 0x404040;
constexpr unsigned kInactiveCaption = 0xC0C0C0;
constexpr unsigned kWarning = 0xFF0000;

// Pictures of the toggle buttons.
inline const QString kPictureOff = QStringLiteral("boton");
inline const QString kPictureOn = QStringLiteral("boton_sel");

// Panel buttons and the commands around them.
inline const QString kTranscriptionPanel = QStringLiteral("transcription");
inline const QString kRhymesPanel = QStringLiteral("rhymes");
inline const QString kUpdatePanel = QStringLiteral("update db");
inline const QString kAmE = QStringLiteral("AmE");
inline const QString kBrE = QStringLiteral("BrE");
inline const QString kAbout = QStringLiteral("about");
inline const QString kExit = QStringLiteral("exit");
inline const QString kBritishEnglish = QStringLiteral("British English ( RP - Recieved Pronunciation )");
inline const QString kAmericanEnglish = QStringLiteral("American English ( GA - General American )");

inline const QString kTranscribe = QStringLiteral("Transcribe");
inline const QString kTranscribeTip = QStringLiteral("Get draft phonetic transcription");
inline const QString kF5 = QStringLiteral("F5");
inline const QString kClearText = QStringLiteral("Clear text");
inline const QString kRemoveCR = QStringLiteral("Remove CR");
inline const QString kRemoveCRTip = QStringLiteral("Remove carriage returns");
inline const QString kStop = QStringLiteral("Stop");
inline const QString kBold = QStringLiteral("B");
inline const QString kItalic = QStringLiteral("I");
inline const QString kUnderline = QStringLiteral("U");
inline const QString kStatistics = QStringLiteral("Statistics");
inline const QString kZentab = QStringLiteral("Zentab");
inline const QString kStatisticsTip = QStringLiteral("Get statistics"); // both statistics commands
inline const QString kImport = QStringLiteral("Import ...");
inline const QString kImportTip = QStringLiteral("Import transcription");
inline const QString kExport = QStringLiteral("Export ...");
inline const QString kExportTip = QStringLiteral("Export transcription");
inline const QString kWebSite = QStringLiteral("https://vocalith.example.org");
inline const QString kMail = QStringLiteral("vocalith@example.org");
inline const QString kEditorHint = QStringLiteral(
    "You can directly paste the above text into your word processor. Make sure you choose a Unicode font with "
    "IPA symbols in your word processor. Otherwise, phonetic symbols will not display correctly.");

// Status line of a Transcribe run.
inline QString statusStarted(int segmentCount) { return QStringLiteral("Line 0 out of %1").arg(segmentCount); }
inline QString statusWord(int segment, int segmentCount, const QString &word, const QString &transcription) {
    return QStringLiteral("Line %1 out of %2. Word: %3 /%4/")
        .arg(segment + 1)
        .arg(segmentCount)
        .arg(word, transcription);
}

// The status line after the accent changed while a transcription of the other accent shows.
inline const QString kBritishName = QStringLiteral("British English");
inline const QString kAmericanName = QStringLiteral("American English");
inline const QString kAccentRedo =
    QStringLiteral("The transcription shown is in %1: Transcribe (F5) will redo it in %2.");
inline QString accentRedoStatus(bool shownAmerican) {
    return shownAmerican ? kAccentRedo.arg(kAmericanName, kBritishName) : kAccentRedo.arg(kBritishName, kAmericanName);
}

// Shown in the empty input box.
inline const QString kInputPlaceholder =
    QStringLiteral("Type or paste English text here, or drop a text file (Ctrl+O opens one). "
                   "Tab moves on to the next control; Ctrl+Tab types a tab.");

// About window.
inline const QString kClose = QStringLiteral("Close");
inline const QString kAboutDatabase = QStringLiteral(
    "Vocalith Database is a compilation of words and their corresponding phonetic transcriptions. For many of the "
    "words, the source of the phonetic transcription is unknown and diverse. As many derived words (plurals, "
    "gerunds, etc.) were loaded using automated processings, it is possible to find mistakes.");
inline const QString kAboutDisclaimer = QStringLiteral(
    "The transcriptions are drafts: check them before you use them. Vocalith comes without any warranty.");
inline const QString kThanksList = QStringLiteral("Thanks list");
inline const QString kThanksNote = QStringLiteral("Thanks to everyone who contributed words and corrections.");
inline const QString kAboutPages = QStringLiteral("News, help and the latest database are on the web site:");
inline const QStringList kContributorHeadings = {"Name", "Origin", "Contribution"};

} // namespace vocalith::texts

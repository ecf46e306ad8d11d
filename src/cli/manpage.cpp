#include "cli/manpage.h"

namespace vocalith::cli {
namespace {

// clang-format off
struct Description {
    const char *name;
    const char *text;
};
const Description kDescriptions[] = {
    {"transcribe", "Transcribes TEXT (the arguments joined by single spaces), or standard input when there is "
                   "none, as the desktop program's Transcribe does, and prints the text its editor shows. --raw "
                   "prints the stored transcription instead; --use-contributions looks your own words up before "
                   "the lexicon's; --guess has espeak-ng guess the words no rule finds (marked with \u2248). The "
                   "display options start from the program's defaults or the settings file FILE, and each --set "
                   "changes one: removestress, intrusiver, slash, keeppunctuation, removecrs, showsyllables, "
                   "keepspaces, list, syllabicconsonants."},
    {"render",     "Reads a stored transcription (as transcribe --raw prints it) on standard input and prints it "
                   "rendered with the display options, which are set as for transcribe."},
    {"number",     "Prints NUMBER in words, in the accent of --accent. --amount SYMBOL reads it as money "
                   "(\u00a31.50 is one pound and fifty pence). \"Invalid Number\" and \"Number too big\" are "
                   "printed on standard output, with exit status 1."},
    {"export",     "Converts IPA text on standard input to X-SAMPA, HTML decimal (html) or hexadecimal (hex) "
                   "character references, Braille or the string-expression form (vb), byte for byte."},
    {"import",     "Converts text in one of the forms of export on standard input back to IPA."},
    {"rhymes",     "Lists the words of the lexicon that rhyme with WORD, one per line as "
                   "word<TAB>/transcription/: perfect rhymes (the default; from the vowel of the stressed "
                   "syllable to the end), assonance (the same last vowel) or alliteration (the same first "
                   "consonant). Standard error has the word's own transcription and the count."},
    {"sound",      "Lists the words whose transcription matches PATTERN, written in IPA with ? for one symbol "
                   "and * for any run of symbols; every other character stands for itself. Quote the pattern, "
                   "and put -- before one that starts with -."},
    {"stats",      "Counts the 52 English phonemes in the transcription on standard input and prints one line "
                   "/symbol/<TAB>count for each; --unique first removes repeated words."},
    {"zentab",     "Prints the Zentab report of the transcription on standard input: a header of the 52 "
                   "symbols, then one line of counts per section between | marks."},
    {"contributions", "Works on your own words, in the file of --contributions or else ContributionDB.sqlite "
                   "in the data folder (created when missing). list prints the words, show a word's "
                   "transcriptions, add adds a word or replaces its transcriptions, delete removes it; export "
                   "prints them as TSV (word<TAB>BrE<TAB>AmE under a header line) and import adds or updates "
                   "the words of such a file in one step, listing the lines it refused."},
    {"about",      "Prints the six texts of the About window: the program's and the lexicon's versions."},
    {"speak",      "Speaks the IPA text on standard input with espeak-ng into the WAV file FILE; --rate sets "
                   "the speed in words per minute."},
};

const char *const kExitStatuses[][2] = {
    {"0", "Done."},
    {"1", "The command refused (its message on standard error, on standard output for number), or standard "
          "input could not be read or does not fit in memory."},
    {"2", "Usage error."},
    {"3", "A database cannot be opened or read: the fixed message, then the reason on a second line."},
    {"4", "The output could not be written (a full disk, a closed pipe)."},
};

const char *const kExamples[][2] = {
    {"vocalith-cli transcribe \"Good morning, sir.\"", "/ \u0261\u028ad \u02c8m\u0254\u02d0.n\u026a\u014b / s\u025c\u02d0 /"},
    {"vocalith-cli --accent AmE number 1984", nullptr},
    {"vocalith-cli rhymes silver", nullptr},
    {"vocalith-cli transcribe \"The cat sat on the mat.\" | vocalith-cli stats", nullptr},
};
// clang-format on

QString section(const char *name) { return QStringLiteral(".SH ") + QLatin1String(name) + QLatin1Char('\n'); }

QString paragraph(const QString &text) { return QStringLiteral(".PP\n") + roffEscaped(text) + QLatin1Char('\n'); }

// A tagged paragraph: the tag in bold, the text under it.
QString tagged(const QString &tag, const QString &text) {
    QString out = QStringLiteral(".TP\n\\fB") + roffEscaped(tag) + QStringLiteral("\\fR\n");
    if (!text.isEmpty())
        out += roffEscaped(text) + QLatin1Char('\n');
    return out;
}

} // namespace

QString commandDescription(const QString &name) {
    for (const Description &d : kDescriptions)
        if (name == QLatin1String(d.name))
            return QString::fromUtf8(d.text);
    return {};
}

QString roffEscaped(const QString &text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\e");
        else if (c == QLatin1Char('-'))
            out += QLatin1String("\\-");
        else
            out += c;
    }
    // A line starting with . or ' would be a request.
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QLatin1String("\\&"));
    return out;
}

QString manPage(const QString &version, const QString &date, const QStringList &usageLines,
                const QList<CommandHelp> &commands) {
    QString page = QStringLiteral(".TH VOCALITH\\-CLI 1 \"%1\" \"Vocalith %2\" \"User Commands\"\n")
                       .arg(roffEscaped(date), roffEscaped(version));
    page += QStringLiteral(".nh\n.ad l\n"); // names and paths are not hyphenated
    page += section("NAME") + QStringLiteral("vocalith\\-cli \\- draft IPA transcriptions of English\n");
    page += section("SYNOPSIS") + QStringLiteral(".nf\n");
    for (const QString &line : usageLines)
        page += roffEscaped(line) + QLatin1Char('\n');
    page += QStringLiteral(".fi\n");
    page += section("DESCRIPTION");
    page += paragraph(QStringLiteral(
        "vocalith-cli makes draft IPA transcriptions of English text in British (RP) or American (General "
        "American) English, finds rhymes, converts IPA to and from other notations and counts phonemes: the "
        "features of the desktop program vocalith from a terminal. Text in and out is UTF-8; line breaks of "
        "standard input may be LF or CR LF, the output uses LF."));
    page += section("OPTIONS");
    page += tagged(QStringLiteral("--lexicon PATH"),
                   QStringLiteral("The lexicon database. Without it: $VOCALITH_LEXICON, then VocalithDB.sqlite "
                                  "beside the program, then in ../share/vocalith/ beside it."));
    page += tagged(QStringLiteral("--contributions PATH"),
                   QStringLiteral("Your word list. Without it: ContributionDB.sqlite in the data folder."));
    page += tagged(QStringLiteral("--accent BrE|AmE"),
                   QStringLiteral("British (the default) or American English, in any letter case."));
    page += tagged(QStringLiteral("--help, --version"), QStringLiteral("The usage, or the version."));
    page += paragraph(QStringLiteral("The global options may also follow the command, up to a --."));
    page += section("COMMANDS");
    for (const CommandHelp &command : commands)
        page += tagged(command.synopsis, commandDescription(command.name));
    page += section("EXIT STATUS");
    for (const auto &[status, text] : kExitStatuses)
        page += tagged(QLatin1String(status), QString::fromUtf8(text));
    page += section("ENVIRONMENT");
    page += tagged(QStringLiteral("VOCALITH_LEXICON"), QStringLiteral("The lexicon, when --lexicon is not given."));
    page += section("FILES");
    page += tagged(QStringLiteral("/usr/share/vocalith/VocalithDB.sqlite"),
                   QStringLiteral("The lexicon of an installed program (read only)."));
    page += tagged(QStringLiteral("~/.local/share/Vocalith/ContributionDB.sqlite"),
                   QStringLiteral("Your word list, beside the desktop program's settings (vocalith.xml) and work "
                                  "in progress (work.json). Files an older version kept beside the program are "
                                  "moved there at the first start."));
    page += section("EXAMPLES");
    for (const auto &[command, output] : kExamples) {
        page += QStringLiteral(".PP\n.nf\n") + roffEscaped(QStringLiteral("$ ") + QString::fromUtf8(command)) +
                QLatin1Char('\n');
        if (output)
            page += roffEscaped(QString::fromUtf8(output)) + QLatin1Char('\n');
        page += QStringLiteral(".fi\n");
    }
    page += section("SEE ALSO") + QStringLiteral("\\fBvocalith\\fR(1)\n");
    return page;
}

} // namespace vocalith::cli

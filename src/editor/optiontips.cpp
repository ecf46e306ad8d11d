#include "editor/optiontips.h"

namespace vocalith {

const QString kPunctuationDisabledTip =
    QStringLiteral("Not available while syllable boundaries are shown:\nthe syllable dot and the full stop are the "
                   "same character.\nUntick \"Show syllable boundaries\" to keep the punctuation.");

namespace {

struct OptionTip {
    const char *checkBox;
    const char16_t *tip;
};

// clang-format off
const OptionTip kTips[] = {
    {"chkKeepSpaces", u"Keep the spaces between words.\nUnticked, the words run together; with syllable "
                      u"boundaries shown, each space becomes a syllable dot."},
    {"chkStress", u"Remove the stress marks \u02C8 and \u02CC."},
    {"chkPunctuation", u"Show the punctuation marks . , ; : ? ! of the text instead of turning them into "
                       u"phrase delimiters."},
    {"chkSyllabicConsonants", u"Show syllabic n and l with their mark (n\u0329, l\u0329).\nUnticked, they are "
                              u"written \u0259n and \u0259l."},
    {"chkIntrusiveR", u"Insert an intrusive r between a word ending in \u0251\u02D0, \u0254\u02D0, \u026A\u0259, "
                      u"e\u0259 or \u028A\u0259\nand a word beginning with a vowel (British English only)."},
    {"chkSyllables", u"Show the syllable boundaries as dots."},
    {"chkRemoveCRs", u"Join the lines into one: each line break becomes a phrase delimiter."},
    {"chkSlash", u"Delimit the phrases with / instead of |."},
    {"chkList", u"Begin every line with the delimiter too, so that each line stands between delimiters\n"
                u"(while line breaks are kept)."},
};
// clang-format on

} // namespace

QString displayOptionTip(const QString &checkBox) {
    for (const OptionTip &t : kTips)
        if (checkBox == QLatin1String(t.checkBox))
            return QString::fromUtf16(t.tip);
    return {};
}

} // namespace vocalith

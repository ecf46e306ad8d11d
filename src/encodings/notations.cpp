#include "encodings/notations.h"

#include "encodings/braille.h"
#include "encodings/htmlreferences.h"
#include "encodings/stringexpression.h"
#include "encodings/xsampa.h"

namespace vocalith {

// clang-format off
const std::array<Notation, 5> kNotations = {{
    {"xsampa",  u"X-SAMPA",            u"Enter or copy the X-SAMPA text you want to import and press Import button",
     Text2SAMPA, SAMPA2Unicode},
    {"html",    u"HTML (decimal)",     u"Enter or copy the HTML text (IPA symbols coded using Unicode decimal numbers) you want to import and press Import button",
     Text2HTML, HTML2Text},
    {"hex",     u"HTML (hexadecimal)", u"Enter or copy the HTML text (IPA symbols coded using Unicode hexadecimal numbers) you want to import and press Import button",
     Text2HexHTML, HexHTML2Text},
    {"braille", u"Braille",            u"Enter or copy the Braille Unicode symbols you want to import and press Import button",
     Text2Braille, Braille2Unicode},
    {"vb",      u"VB6",                u"Enter or copy the VB 6 string with the symbols you want to import and press Import button",
     Text2StringExpression, VB2Unicode},
}};
// clang-format on

QStringList brailleFontChoices(const QStringList &installedFonts, const QStringList &brailleFonts) {
    QStringList choices;
    for (const QString &font : installedFonts)
        if (brailleFonts.contains(font, Qt::CaseInsensitive) && !choices.contains(font))
            choices << font;
    return choices;
}

} // namespace vocalith

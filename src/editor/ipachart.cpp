#include "editor/ipachart.h"

#include "editor/shortcuts.h"

namespace vocalith {

const QString kChartTitle = QStringLiteral("IPA Symbols");
const QString kChartKeyTip = QStringLiteral("%1\nKey in the editor: %2");
const QString kChartKeysSeparator = QStringLiteral(" or ");

namespace {

// The 135 entries in chart order: symbol (one code unit; combining marks alone) and the
// description its button shows as tooltip.
// clang-format off
const SymbolEntry kChart[] = {
    {u"\u0251", u"open back unrounded"},
    {u"\u0250", u"open-mid schwa"},
    {u"\u0252", u"open back rounded"},
    {u"\u00E6", u"raised open front unrounded"},
    {u"\u0253", u"vd bilabial implosive"},
    {u"\u0299", u"vd bilabial trill"},
    {u"\u03B2", u"vd bilabial fricative"},
    {u"\u0254", u"open-mid back rounded"},
    {u"\u0255", u"vl alveolopalatal fricative"},
    {u"\u00E7", u"vl palatal fricative"},
    {u"\u0257", u"vd alveolar implosive"},
    {u"\u0256", u"vd retroflex plosive"},
    {u"\u00F0", u"vd dental fricative"},
    {u"\u02A4", u"vd postalveolar affricate"},
    {u"\u0259", u"schwa"},
    {u"\u0258", u"close-mid schwa"},
    {u"\u025A", u"rhotacized schwa"},
    {u"\u025B", u"open-mid front unrounded"},
    {u"\u025C", u"open-mid central"},
    {u"\u025D", u"rhotacized open-mid central"},
    {u"\u025E", u"open-mid central rounded"},
    {u"\u025F", u"vd palatal plosive"},
    {u"\u0284", u"vd palatal implosive"},
    {u"\u0261", u"vd velar plosive"},
    {u"\u0260", u"vd velar implosive"},
    {u"\u0262", u"vd uvular plosive"},
    {u"\u029B", u"vd uvular implosive"},
    {u"\u0266", u"vd glottal fricative"},
    {u"\u0267", u"vl multiple-place fricative"},
    {u"\u0127", u"vl pharyngeal fricative"},
    {u"\u0265", u"labial-palatal approximant"},
    {u"\u029C", u"vl epiglottal fricative"},
    {u"\u0268", u"close central unrounded"},
    {u"\u026A", u"lax close front unrounded"},
    {u"\u029D", u"vd palatal fricative"},
    {u"\u026D", u"vd retroflex lateral"},
    {u"\u026C", u"vl alveolar lateral fricative"},
    {u"\u026B", u"velarized vd alveolar lateral"},
    {u"\u026E", u"vd alveolar lateral fricative"},
    {u"\u029F", u"vd velar lateral"},
    {u"\u0271", u"vd labiodental nasal"},
    {u"\u026F", u"close back unrounded"},
    {u"\u0270", u"velar approximant"},
    {u"\u014B", u"vd velar nasal"},
    {u"\u0273", u"vd retroflex nasal"},
    {u"\u0272", u"vd palatal nasal"},
    {u"\u0274", u"vd uvular nasal"},
    {u"\u00F8", u"front close-mid rounded"},
    {u"\u0275", u"rounded schwa"},
    {u"\u0278", u"vl bilabial fricative"},
    {u"\u03B8", u"vl dental fricative"},
    {u"\u0153", u"front open-mid rounded"},
    {u"\u0276", u"front open rounded"},
    {u"\u0298", u"bilabial click"},
    {u"\u0279", u"vd (post)alveolar approximant"},
    {u"\u027A", u"vd alveolar lateral flap"},
    {u"\u027E", u"vd alveolar tap"},
    {u"\u027B", u"vd retroflex approximant"},
    {u"\u0280", u"vd uvular trill"},
    {u"\u0281", u"vd uvular fricative"},
    {u"\u027D", u"vd retroflex flap"},
    {u"\u0282", u"vl retroflex fricative"},
    {u"\u0283", u"vl postalveolar fricative"},
    {u"\u0288", u"vl retroflex plosive"},
    {u"\u02A7", u"vl postalveolar affricate"},
    {u"\u0289", u"close central rounded"},
    {u"\u028B", u"vd labiodental approximant"},
    {u"\u028A", u"lax close back rounded"},
    {u"\u028C", u"open-mid back unrounded"},
    {u"\u0263", u"vd velar fricative"},
    {u"\u0264", u"close-mid back unrounded"},
    {u"\u028D", u"vl labial-velar fricative"},
    {u"\u03C7", u"vl uvular fricative"},
    {u"\u028E", u"vd palatal lateral"},
    {u"\u028F", u"lax close front rounded"},
    {u"\u0291", u"vd alveolopalatal fricative"},
    {u"\u0290", u"vd retroflex fricative"},
    {u"\u0292", u"vd postalveolar fricative"},
    {u"\u0294", u"glottal plosive"},
    {u"\u02A1", u"vd epiglottal plosive"},
    {u"\u0295", u"vd pharyngeal fricative"},
    {u"\u02A2", u"vd epiglottal fricative"},
    {u"\u01C0", u"dental click"},
    {u"\u01C1", u"alveolar lateral click"},
    {u"\u01C2", u"alveolar click"},
    {u"\u01C3", u"retroflex click"},
    {u"\u02C8", u"(primary) stress mark"},
    {u"\u02CC", u"secondary stress"},
    {u"\u02D0", u"length mark"},
    {u"\u02D1", u"half-length"},
    {u"\u02BC", u"ejective"},
    {u"\u02B4", u"rhotacized"},
    {u"\u02B0", u"aspirated"},
    {u"\u02B1", u"breathy-voice-aspirated"},
    {u"\u02B2", u"palatalized"},
    {u"\u02B7", u"labialized"},
    {u"\u02E0", u"velarized"},
    {u"\u02E4", u"pharyngealized"},
    {u"\u02DE", u"rhotacized"},
    {u"\u0325", u"voiceless"},
    {u"\u030A", u"voiceless (use if character has descender)"},
    {u"\u0324", u"breathy voiced"},
    {u"\u032A", u"dental"},
    {u"\u032C", u"voiced"},
    {u"\u0330", u"creaky voiced"},
    {u"\u033A", u"apical"},
    {u"\u033C", u"linguolabial"},
    {u"\u033B", u"laminal"},
    {u"\u031A", u"not audibly released"},
    {u"\u0339", u"more rounded"},
    {u"\u0303", u"nasalized"},
    {u"\u031C", u"less rounded"},
    {u"\u031F", u"advanced"},
    {u"\u0320", u"retracted"},
    {u"\u0308", u"centralized"},
    {u"\u0334", u"velarized or pharyngealized"},
    {u"\u026B", u"(ready-made combination, dark l)"},
    {u"\u033D", u"mid-centralized"},
    {u"\u031D", u"raised"},
    {u"\u0329", u"syllabic"},
    {u"\u031E", u"lowered"},
    {u"\u032F", u"non-syllabic"},
    {u"\u0318", u"advanced tongue root"},
    {u"\u0319", u"retracted tongue root"},
    {u"\u0306", u"extra-short"},
    {u"\u030B", u"extra high tone"},
    {u"\u0301", u"high tone"},
    {u"\u0304", u"mid tone"},
    {u"\u0300", u"low tone"},
    {u"\u030F", u"extra low tone"},
    {u"\u2193", u"downstep"},
    {u"\u2191", u"upstep"},
    {u"\u2192", u"becomes, is realized as \u2014 not recognized by the IPA"},
    {u"\u2197", u"global rise"},
    {u"\u2198", u"global fall"},
};
// clang-format on

// clang-format off
const ChartSection kSections[] = {
    {"Label7", "Alphabetic symbols", 0, 86},
    {"Label1", "Spacing diacritics and suprasegmental", 86, 13},
    {"Label2", "Non-spacing diacritics and suprasegmental", 99, 31},
    {"Label3", "Arrows", 130, 5},
};
// clang-format on

} // namespace

std::span<const ChartSection> chartSections() { return kSections; }

QStringList SymbolList() {
    QStringList list;
    for (const SymbolEntry &e : kChart)
        list << QString::fromUtf16(e.symbol);
    return list;
}

QStringList DescriptionList() {
    QStringList list;
    for (const SymbolEntry &e : kChart)
        list << QString::fromUtf16(e.description);
    return list;
}

QString chartToolTip(int index) {
    if (index < 0 || index >= int(std::size(kChart)))
        return {};
    const QString description = QString::fromUtf16(kChart[index].description);
    const QStringList keys = shortcutKeyNames(QString::fromUtf16(kChart[index].symbol));
    return keys.isEmpty() ? description : kChartKeyTip.arg(description, keys.join(kChartKeysSeparator));
}

ChartCell chartCell(int index) {
    for (int s = 0; s < int(std::size(kSections)); ++s) {
        const ChartSection &section = kSections[s];
        if (index >= section.first && index < section.first + section.count) {
            const int offset = index - section.first;
            return {s, offset / kChartRowLength, offset % kChartRowLength};
        }
    }
    return {-1, -1, -1};
}

} // namespace vocalith

#include "encodings/xsampatables.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vocalith::xsampa {

// clang-format off
constexpr std::array<SymbolCode, 148> kExportSymbols = {{
    {u'\u00AD', u"-"},     {u'\u00E6', u"{"},       {u'\u00E7', u"C"},       {u'\u00F0', u"D"},
    {u'\u00F8', u"2"},     {u'\u0127', u"X\\"},     {u'\u014B', u"N"},       {u'\u0153', u"9"},
    {u'\u01C0', u"|\\"},   {u'\u01C1', u"|\\|\\"},  {u'\u01C2', u"=\\"},     {u'\u01C3', u"!\\"},
    {u'\u0250', u"6"},     {u'\u0251', u"A"},       {u'\u0252', u"Q"},       {u'\u0253', u"b_<"},
    {u'\u0254', u"O"},     {u'\u0255', u"s\\"},     {u'\u0256', u"d`"},      {u'\u0257', u"d_<"},
    {u'\u0258', u"@\\"},   {u'\u0259', u"@"},       {u'\u025A', u"@`"},      {u'\u025B', u"E"},
    {u'\u025C', u"3"},     {u'\u025D', u"3`"},      {u'\u025E', u"3\\"},     {u'\u025F', u"J\\"},
    {u'\u0260', u"g_<"},   {u'\u0261', u"g"},       {u'\u0262', u"G\\"},     {u'\u0263', u"G"},
    {u'\u0264', u"7"},     {u'\u0265', u"H"},       {u'\u0266', u"h\\"},     {u'\u0267', u"x\\"},
    {u'\u0268', u"1"},     {u'\u026A', u"I"},       {u'\u026B', u"5"},       {u'\u026C', u"K"},
    {u'\u026D', u"l`"},    {u'\u026E', u"K\\"},     {u'\u026F', u"M"},       {u'\u0270', u"M\\"},
    {u'\u0271', u"F"},     {u'\u0272', u"J"},       {u'\u0273', u"n`"},      {u'\u0274', u"N\\"},
    {u'\u0275', u"8"},     {u'\u0276', u"&"},       {u'\u0278', u"p\\"},     {u'\u0279', u"r\\"},
    {u'\u027A', u"l\\"},   {u'\u027B', u"r\\`"},    {u'\u027D', u"r`"},      {u'\u027E', u"4"},
    {u'\u0280', u"R\\"},   {u'\u0281', u"R"},       {u'\u0282', u"s`"},      {u'\u0283', u"S"},
    {u'\u0284', u"J\\_<"}, {u'\u0288', u"t`"},      {u'\u0289', u"}"},       {u'\u028A', u"U"},
    {u'\u028B', u"P"},     {u'\u028C', u"V"},       {u'\u028D', u"W"},       {u'\u028E', u"L"},
    {u'\u028F', u"Y"},     {u'\u0290', u"z`"},      {u'\u0291', u"z\\"},     {u'\u0292', u"Z"},
    {u'\u0294', u"?"},     {u'\u0295', u"?\\"},     {u'\u0298', u"O\\"},     {u'\u0299', u"B\\"},
    {u'\u029B', u"G\\_<"}, {u'\u029C', u"H\\"},     {u'\u029D', u"j\\"},     {u'\u029F', u"L\\"},
    {u'\u02A1', u">\\"},   {u'\u02A2', u"<\\"},     {u'\u02A4', u"dZ"},      {u'\u02A7', u"tS"},
    {u'\u02B0', u"_h"},    {u'\u02B2', u"_j"},      {u'\u02B7', u"_w"},      {u'\u02BC', u"_>"},
    {u'\u02C8', u"\""},    {u'\u02CC', u"%"},       {u'\u02D0', u":"},       {u'\u02D1', u":\\"},
    {u'\u02DE', u"`"},     {u'\u02E0', u"_G"},      {u'\u02E4', u"_?\\"},    {u'\u02E5', u"<T>"},
    {u'\u02E6', u"<H>"},   {u'\u02E7', u"<M>"},     {u'\u02E8', u"<L>"},     {u'\u02E9', u"<B>"},
    {u'\u0300', u"_L"},    {u'\u0301', u"_H"},      {u'\u0302', u"_H_L"},    {u'\u0303', u"~"},
    {u'\u0304', u"_M"},    {u'\u0306', u"_X"},      {u'\u0308', u"_\""},     {u'\u030A', u"_0"},
    {u'\u030B', u"_T"},    {u'\u030C', u"_L_H"},    {u'\u030F', u"_B"},      {u'\u0318', u"_A"},
    {u'\u0319', u"_q"},    {u'\u031A', u"_}"},      {u'\u031C', u"_c"},      {u'\u031D', u"_r"},
    {u'\u031E', u"_o"},    {u'\u031F', u"_+"},      {u'\u0320', u"_-"},      {u'\u0324', u"_t"},
    {u'\u0325', u"_0"},    {u'\u0329', u"="},       {u'\u032A', u"_d"},      {u'\u032C', u"_v"},
    {u'\u032F', u"_^"},    {u'\u0330', u"_k"},      {u'\u0334', u"_e"},      {u'\u0339', u"_O"},
    {u'\u033A', u"_a"},    {u'\u033B', u"_m"},      {u'\u033C', u"_N"},      {u'\u033D', u"_x"},
    {u'\u035C', u"-\\"},   {u'\u0361', u"_"},       {u'\u03B2', u"B"},       {u'\u03B8', u"T"},
    {u'\u03C7', u"X"},     {u'\u1DC4', u"_H_T"},    {u'\u1DC5', u"_B_L"},    {u'\u1DC6', u"_L_B"},
    {u'\u1DC7', u"_T_H"},  {u'\u1DC8', u"_R_F"},    {u'\u1DC9', u"_F_R"},    {u'\u207F', u"_n"},
    {u'\u2191', u"^"},     {u'\u2193', u"!"},       {u'\u2197', u"<R>"},     {u'\u2198', u"<F>"},
}};
// clang-format on

// clang-format off
const std::array<Replacement, 2> kExportBarredVowels = {{
    {u"\u026A\u0336", u"I\\"},
    {u"\u028A\u0336", u"U\\"},
}};
// clang-format on

namespace {

// Import, step 1: contour codes and the long letter codes, longest keys first.
// clang-format off
constexpr Replacement kImportContours[] = {
    {u"_L_H_L", u"\u1DC8"}, {u"_R_F", u"\u1DC8"}, {u"_/_\\", u"\u1DC8"}, {u"_H_L_H", u"\u1DC9"},
    {u"_F_R", u"\u1DC9"},   {u"_\\_/", u"\u1DC9"}, {u"|\\|\\", u"\u01C1"}, {u"G\\_<", u"\u029B"},
    {u"J\\_<", u"\u0284"},  {u"_L_H", u"\u030C"},  {u"_H_L", u"\u0302"},   {u"_T_H", u"\u1DC7"},
    {u"_B_L", u"\u1DC5"},   {u"_H_T", u"\u1DC4"},  {u"_L_B", u"\u1DC6"},
};
// clang-format on

// Import, after the tone codes of one to three letters: the arrows and the other one-letter codes.
// clang-format off
constexpr Replacement kImportToneMarks[] = {
    {u"<!>", u"\u2193"}, {u"<^>", u"\u2191"}, {u"</>", u"\u2197"}, {u"<\\>", u"\u2198"},
    {u"<B>", u"\u02E9"}, {u"<F>", u"\u2198"}, {u"<H>", u"\u02E6"}, {u"<L>", u"\u02E8"},
    {u"<M>", u"\u02E7"}, {u"<R>", u"\u2197"}, {u"<T>", u"\u02E5"},
};
// clang-format on

// Import, step 3: three-character codes.
// clang-format off
constexpr Replacement kImportThree[] = {
    {u"b_<", u"\u0253"}, {u"d_<", u"\u0257"},  {u"g_<", u"\u0260"},
    {u"r\\`", u"\u027B"}, {u"\\|\\", u"\u01C1"}, {u"_?\\", u"\u02E4"},
};
// clang-format on

// Import, step 4: two-character codes.
// clang-format off
constexpr Replacement kImportTwo[] = {
    {u"-\\", u"\u035C"}, {u"_0", u"\u0325"}, {u"_\"", u"\u0308"}, {u"_=", u"\u0329"},
    {u"_-", u"\u0320"},  {u"_+", u"\u031F"}, {u"_}", u"\u031A"},  {u"_^", u"\u032F"},
    {u"_>", u"\u02BC"},  {u"_/", u"\u030C"}, {u"_\\", u"\u0302"}, {u"_a", u"\u033A"},
    {u"_A", u"\u0318"},  {u"_B", u"\u030F"}, {u"_c", u"\u031C"},  {u"_d", u"\u032A"},
    {u"_e", u"\u0334"},  {u"_F", u"\u0302"}, {u"_G", u"\u02E0"},  {u"_h", u"\u02B0"},
    {u"_H", u"\u0301"},  {u"_j", u"\u02B2"}, {u"_k", u"\u0330"},  {u"_l", u"\u02E1"},
    {u"_L", u"\u0300"},  {u"_m", u"\u033B"}, {u"_M", u"\u0304"},  {u"_n", u"\u207F"},
    {u"_N", u"\u033C"},  {u"_o", u"\u031E"}, {u"_O", u"\u0339"},  {u"_q", u"\u0319"},
    {u"_R", u"\u030C"},  {u"_r", u"\u031D"}, {u"_t", u"\u0324"},  {u"_T", u"\u030B"},
    {u"_v", u"\u032C"},  {u"_w", u"\u02B7"}, {u"_x", u"\u033D"},  {u"_X", u"\u0306"},
    {u"@`", u"\u025A"},  {u"3`", u"\u025D"}, {u"d`", u"\u0256"},  {u"l`", u"\u026D"},
    {u"l~", u"\u026B"},  {u"n`", u"\u0273"}, {u"r`", u"\u027D"},  {u"s`", u"\u0282"},
    {u"t`", u"\u0288"},  {u"z`", u"\u0290"}, {u"@\\", u"\u0258"}, {u">\\", u"\u02A1"},
    {u"?\\", u"\u0295"}, {u"<\\", u"\u02A2"}, {u"=\\", u"\u01C2"}, {u":\\", u"\u02D1"},
    {u"!\\", u"\u01C3"}, {u"|\\", u"\u01C0"}, {u"3\\", u"\u025E"}, {u"B\\", u"\u0299"},
    {u"G\\", u"\u0262"}, {u"h\\", u"\u0266"}, {u"H\\", u"\u029C"}, {u"I\\", u"\u026A\u0336"},
    {u"j\\", u"\u029D"}, {u"J\\", u"\u025F"}, {u"K\\", u"\u026E"}, {u"L\\", u"\u029F"},
    {u"l\\", u"\u027A"}, {u"M\\", u"\u0270"}, {u"N\\", u"\u0274"}, {u"O\\", u"\u0298"},
    {u"p\\", u"\u0278"}, {u"r\\", u"\u0279"}, {u"R\\", u"\u0280"}, {u"s\\", u"\u0255"},
    {u"U\\", u"\u028A\u0336"}, {u"v\\", u"\u028B"}, {u"x\\", u"\u0267"}, {u"X\\", u"\u0127"},
    {u"z\\", u"\u0291"}, {u"dZ", u"d\u0292"}, {u"tS", u"t\u0283"}, {u"||", u"\u01C1"},
};
// clang-format on

// Import, step 5: one-character codes.
// clang-format off
constexpr Replacement kImportOne[] = {
    {u"\"", u"\u02C8"}, {u"=", u"\u0329"}, {u"`", u"\u02DE"}, {u"'", u"\u02B2"},
    {u"{", u"\u00E6"},  {u"}", u"\u0289"}, {u"?", u"\u0294"}, {u"\\", u"\u01C0"},
    {u"%", u"\u02CC"},  {u":", u"\u02D0"}, {u"~", u"\u0303"}, {u"_", u"\u0361"},
    {u"-", u"\u00AD"},  {u"^", u"\u2191"}, {u"!", u"\u2193"}, {u"|", u"\u01C0"},
    {u"&", u"\u0276"},  {u"@", u"\u0259"}, {u"1", u"\u0268"}, {u"2", u"\u00F8"},
    {u"3", u"\u025C"},  {u"4", u"\u027E"}, {u"5", u"\u026B"}, {u"6", u"\u0250"},
    {u"7", u"\u0264"},  {u"8", u"\u0275"}, {u"9", u"\u0153"}, {u"A", u"\u0251"},
    {u"B", u"\u03B2"},  {u"C", u"\u00E7"}, {u"D", u"\u00F0"}, {u"E", u"\u025B"},
    {u"F", u"\u0271"},  {u"g", u"\u0261"}, {u"G", u"\u0263"}, {u"H", u"\u0265"},
    {u"I", u"\u026A"},  {u"J", u"\u0272"}, {u"K", u"\u026C"}, {u"L", u"\u028E"},
    {u"M", u"\u026F"},  {u"N", u"\u014B"}, {u"O", u"\u0254"}, {u"P", u"\u028B"},
    {u"Q", u"\u0252"},  {u"R", u"\u0281"}, {u"S", u"\u0283"}, {u"T", u"\u03B8"},
    {u"U", u"\u028A"},  {u"V", u"\u028C"}, {u"W", u"\u028D"}, {u"X", u"\u03C7"},
    {u"Y", u"\u028F"},  {u"Z", u"\u0292"},
};
// clang-format on

static_assert(std::size(kImportContours) == 15 && std::size(kImportToneMarks) == 11 && std::size(kImportThree) == 6 &&
              std::size(kImportTwo) == 84 && std::size(kImportOne) == 54);
static_assert(std::is_sorted(kExportSymbols.begin(), kExportSymbols.end(),
                             [](const SymbolCode &a, const SymbolCode &b) { return a.symbol < b.symbol; }));

// Tone codes of three letters (in tone order) and then of two letters, as pairs of
// (letters, code) strings.
struct ToneCodes {
    std::vector<std::u16string> letters;
    std::vector<std::u16string> codes;
    ToneCodes() {
        for (const ToneLetter &a : kToneLetters)
            for (const ToneLetter &b : kToneLetters)
                for (const ToneLetter &c : kToneLetters)
                    add({a, b, c});
        for (const ToneLetter &a : kToneLetters)
            for (const ToneLetter &b : kToneLetters)
                add({a, b});
    }
    void add(std::initializer_list<ToneLetter> run) {
        std::u16string l, c = u"<";
        for (const ToneLetter &t : run) {
            l += t.letter;
            c += t.name;
        }
        letters.push_back(l);
        codes.push_back(c + u">");
    }
};

const ToneCodes &toneCodes() {
    static const ToneCodes codes;
    return codes;
}

} // namespace

std::span<const Replacement> exportToneChain() {
    static const std::vector<Replacement> chain = [] {
        std::vector<Replacement> rules;
        const ToneCodes &t = toneCodes();
        for (size_t k = 0; k < t.codes.size(); ++k)
            rules.push_back({t.letters[k].c_str(), t.codes[k].c_str()});
        return rules;
    }();
    return chain;
}

std::span<const Replacement> importChain() {
    static const std::vector<Replacement> chain = [] {
        std::vector<Replacement> rules(std::begin(kImportContours), std::end(kImportContours));
        const ToneCodes &t = toneCodes();
        for (size_t k = 0; k < t.codes.size(); ++k)
            rules.push_back({t.codes[k].c_str(), t.letters[k].c_str()});
        rules.insert(rules.end(), std::begin(kImportToneMarks), std::end(kImportToneMarks));
        rules.insert(rules.end(), std::begin(kImportThree), std::end(kImportThree));
        rules.insert(rules.end(), std::begin(kImportTwo), std::end(kImportTwo));
        rules.insert(rules.end(), std::begin(kImportOne), std::end(kImportOne));
        return rules;
    }();
    return chain;
}

} // namespace vocalith::xsampa

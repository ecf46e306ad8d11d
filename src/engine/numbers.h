#pragma once
// Numbers and money amounts spelled as plain lower-case English words.

#include <QString>

namespace vocalith {

// The numeric test of the program: optional white space around, then either accounting
// parentheses around the whole (a negative number; white space allowed inside them) or an
// optional sign, then digits with optional "," thousands separators and an optional
// decimal point followed by digits; at least one digit. A sign inside parentheses, as in
// "(-5)", is not a number. No exponents, no hex, no currency symbols.
bool IsNumeric(const QString &text);

// Makes sure the tables of number words are ready (they are built on first use).
void FillNumberWords();

// Spells a number (isAmount false) or a money amount (isAmount true). For an amount whose
// currency symbol is known, currency is changed to the currency's name. accent "BrE" puts
// "and" after the hundreds. Returns "Invalid Number" for text that IsNumeric rejects
// ("(-5)" and "(-5.25)" included) and "Number too big" from 999999999999999 on.
QString NumberToWords(const QString &number, bool isAmount, QString &currency, const QString &accent);

extern const QString kInvalidNumber;
extern const QString kNumberTooBig;

} // namespace vocalith

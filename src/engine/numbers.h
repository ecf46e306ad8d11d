#pragma once
// Numbers and money amounts spelled as plain lower-case English words.

#include <QString>
#include <optional>

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
// currency symbol is known, currency is changed to the currency's name, singular for
// exactly one unit ("one dollar", "one pound"); the hundredths are cents, or pence for
// pounds ("one penny"). accent "BrE" puts "and" after the hundreds. Returns "Invalid
// Number" for text that IsNumeric rejects ("(-5)" and "(-5.25)" included) and "Number too
// big" from 999999999999999 on.
QString NumberToWords(const QString &number, bool isAmount, QString &currency, const QString &accent);

// Four digits read as a year: 1100–1999 and 2010–2099 in pairs ("nineteen eighty four",
// "nineteen hundred", "nineteen oh five", "twenty ten"), 2000–2009 as "two thousand and
// five" ("two thousand five" in American English); nullopt for anything else.
std::optional<QString> YearToWords(const QString &digits, const QString &accent);

// A word of running text that is read otherwise than as a cardinal: a year (as
// YearToWords, or "'72" seventy two), an ordinal ("21st" twenty first, "1,000th") or a
// decade ("1990s" nineteen nineties, "'60s" and "60s" sixties); nullopt for any other word.
std::optional<QString> RunningTextNumber(const QString &word, const QString &accent);

// An amount with a scale word after it ("$2 million", "£3.5 billion"): the number as a
// plain number, the scale and the currency's name in the plural ("two million dollars").
QString ScaledAmountToWords(const QString &number, const QString &scale, const QString &currency);

extern const QString kInvalidNumber;
extern const QString kNumberTooBig;

} // namespace vocalith

#pragma once
// Numbers and money amounts spelled as plain lower-case English words.

#include "pronunciation/accent.h"

#include <QString>
#include <optional>

namespace vocalith {

// The numeric test of the program: optional white space around, then either accounting
// parentheses around the whole (a negative number; white space allowed inside them) or an
// optional sign, then digits with optional "," thousands separators and an optional
// decimal point followed by digits; at least one digit. A sign inside parentheses, as in
// "(-5)", is not a number. No exponents, no hex, no currency symbols.
bool isNumeric(const QString &text);

// Makes sure the tables of number words are ready (they are built on first use).
void FillNumberWords();

// A number or a money amount in words, or why there are none.
struct NumberWords {
    enum class Status { Spelled, NotANumber, TooBig } status = Status::NotANumber;
    QString words; // when Spelled
    // The words, or the refusal as text ("Invalid Number", "Number too big"), which the
    // transcription reads as words.
    QString text() const;
};

// Spells a number: "105" one hundred and five ("one hundred five" in American English),
// "-2.50" negative two point five zero. NotANumber for text that isNumeric rejects ("(-5)"
// and "(-5.25)" included), TooBig from 999999999999999 on.
NumberWords numberWords(const QString &number, Accent accent);

// Spells a money amount with the name of the currency of symbol, singular for exactly one
// unit ("one dollar", "one pound"), and its hundredths as cents, or pence for pounds ("one
// penny"), rounded half to even; an unknown symbol stands for itself. Refusals as above.
NumberWords amountWords(const QString &amount, const QString &symbol, Accent accent);

// The transcription's form: numberWords (isAmount false) or amountWords (currency the
// symbol) as text.
QString NumberToWords(const QString &number, bool isAmount, const QString &currency, Accent accent);

// A word of running text that is read otherwise than as a cardinal: a year ("1984" nineteen
// eighty four, "1905" nineteen oh five, "2005" two thousand and five, "'72" seventy two), an
// ordinal ("21st" twenty first, "1,000th") or a decade ("1990s" nineteen nineties, "'60s"
// and "60s" sixties); nullopt for any other word.
std::optional<QString> runningTextNumber(const QString &word, Accent accent);

// An amount with a scale word after it ("$2 million", "£3.5 billion"): the number as a
// plain number, the scale and the currency's name in the plural ("two million dollars").
QString scaledAmountToWords(const QString &number, const QString &scale, const QString &currency, Accent accent);

extern const QString kInvalidNumber;
extern const QString kNumberTooBig;

} // namespace vocalith

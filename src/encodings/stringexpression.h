#pragma once
// The string-expression form: a transcription written as program source, with letters and
// punctuation as quoted pieces and IPA symbols as ChrW(n) calls joined by " & ".
// Example: ˈhæpi ⇄ ChrW(712) & "h" & ChrW(230) & "pi" (with a final space).

#include <QString>

namespace vocalith {

QString Text2StringExpression(QString Text);
QString VB2Unicode(QString Text);

} // namespace vocalith

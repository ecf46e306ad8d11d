#pragma once
// What each display option of the editor does, as its check box's tooltip says it.

#include <QString>

namespace vocalith {

// The tooltip of a display option's check box (by its name, "chkStress"); empty for a
// name that is not one of the nine.
QString displayOptionTip(const QString &checkBox);

// The tooltip of "Keep important punctuation" while it is disabled.
extern const QString kPunctuationDisabledTip;

} // namespace vocalith

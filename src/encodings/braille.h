#pragma once
// Unicode Braille: each table symbol becomes one to three cells of the Braille Patterns block.

#include <QString>

namespace vocalith {

QString Text2Braille(QString Text);
QString Braille2Unicode(QString Text);

} // namespace vocalith

#pragma once
// X-SAMPA: IPA written with ASCII characters only.

#include <QString>

namespace vocalith {

QString Text2SAMPA(QString Text);
QString SAMPA2Unicode(QString Text);

} // namespace vocalith

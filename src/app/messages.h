#pragma once
// Fixed texts that more than one front end shows (the word list's own in
// contributions/messages.h).

#include "contributions/messages.h"

#include <QString>

namespace vocalith::messages {

inline const QString kLexiconNotAvailable =
    QStringLiteral("The database is not available. Please, reinstall Vocalith.");

inline const QString kFontSizeNotNumber = QStringLiteral("The font size must be a number");
inline const QString kSettingsNotSaved = QStringLiteral("The settings could not be saved: %1");
inline const QString kDatabaseError = QStringLiteral("Database error: %1");

} // namespace vocalith::messages

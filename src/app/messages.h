#pragma once
// Fixed texts that more than one front end shows.

#include <QString>

namespace vocalith::messages {

inline const QString kLexiconNotAvailable =
    QStringLiteral("The database is not available. Please, reinstall Vocalith.");
inline const QString kContributionsNotAvailable =
    QStringLiteral("The database to make contributions to Vocalith is not available. Please, reinstall Vocalith "
                   "if you want to add/update words in Vocalith. ");
inline const QString kContributionsImpossible =
    QStringLiteral("Impossible to make contributions. The database does not exists.");

inline const QString kFontSizeNotNumber = QStringLiteral("The font size must be a number");
inline const QString kSettingsNotSaved = QStringLiteral("The settings could not be saved: %1");
inline const QString kDatabaseError = QStringLiteral("Database error: %1");

} // namespace vocalith::messages

#pragma once
// Fixed texts of the user's word list that the window and the command line both show.

#include <QString>

namespace vocalith::messages {

// The user's word list (ContributionDB): the file, then on a second line a reason the user
// can act on. A reinstall mends none of these, so they do not say the lexicon's text.
inline const QString kWordsNotOpened = QStringLiteral("Your word list %1 cannot be opened or created.");
inline const QString kWordsNotChanged = QStringLiteral("Your word list %1 was not changed.");
inline const QString kWordsNotRead = QStringLiteral("Your word list %1 cannot be read.");
inline const QString kWordsLocked = QStringLiteral("Another program is using it: try again in a moment.");
inline const QString kWordsReadOnly = QStringLiteral("The file or its folder is read-only.");
inline const QString kWordsFull = QStringLiteral("The disk is full.");
inline const QString kWordsInputOutput = QStringLiteral("The disk could not read or write it (%1).");
inline const QString kWordsDamaged =
    QStringLiteral("It is damaged or is not a word list of Vocalith (%1). Move it aside and Vocalith starts "
                   "a new one.");
inline const QString kWordsCannotOpen = QStringLiteral("The file cannot be made or opened there (%1).");

} // namespace vocalith::messages

#pragma once
// The texts of the About window, read from the lexicon's metadata.

#include "engine/lexicon/lexicon.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace vocalith {

struct AboutTexts {
    QString title;        // lblTitulo
    QString database;     // lblDatabase
    QString databaseText; // lblDatabaseText
    QString numWords;     // lblDatabaseNumWords
    QString webSite;      // lblWebSite
    QString mail;         // lblMail

    // The six texts in window order.
    QStringList lines() const { return {title, database, databaseText, numWords, webSite, mail}; }
};

// Reads the metadata rows the window shows. A text built from a missing or null row is
// empty. Throws DatabaseError when the metadata cannot be read at all.
AboutTexts readAboutTexts(Lexicon &lexicon);

struct Contributor {
    QString name, from, contribution;
};

// Rows of the lexicon's contributors table; none when the table is missing.
QVector<Contributor> readContributors(Connection &lexicon);

} // namespace vocalith

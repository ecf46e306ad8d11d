#include "app/about.h"

#include "app/texts.h"

namespace vocalith {

AboutTexts readAboutTexts(Lexicon &lexicon) {
    const auto value = [&](const char *attribute) { return lexicon.metadata(QString::fromLatin1(attribute)); };
    const OptText version = value("dbversion");
    const OptText date = value("dbdate");
    const OptText text = value("dbtext");
    const OptText words = value("dbwords");
    const OptText www = value("www");
    const OptText email = value("email");

    AboutTexts t;
    t.title = QStringLiteral("Vocalith version %1 (%2)").arg(texts::kVersion, texts::kReleaseDate);
    if (version && date)
        t.database = QStringLiteral("Database version %1 (%2)").arg(*version, *date);
    if (text)
        t.databaseText = *text + QLatin1Char('.');
    if (words)
        t.numWords = QStringLiteral("This tool is based on a database that contains %1 words.").arg(*words);
    t.webSite = www.value_or(QString());
    t.mail = email.value_or(QString());
    return t;
}

QVector<Contributor> readContributors(Connection &lexicon) {
    QVector<Contributor> list;
    if (!lexicon.database().tables().contains(QStringLiteral("contributors"), Qt::CaseInsensitive))
        return list;
    Recordset rs = lexicon.openRecordset(QStringLiteral("SELECT * FROM contributors"));
    for (; !rs.eof(); rs.moveNext())
        list.push_back({rs.text(QStringLiteral("name")), rs.text(QStringLiteral("from")),
                        rs.text(QStringLiteral("contribution"))});
    return list;
}

} // namespace vocalith

#include "statistics/statistics.h"

#include <QStringList>

namespace vocalith {

QString statistics::groupCaption(PhonemeGroup group) {
    switch (group) {
    case PhonemeGroup::Consonants:
        return QStringLiteral("Consonants");
    case PhonemeGroup::Vowels:
        return QStringLiteral("Vowels");
    case PhonemeGroup::Diphthongs:
        return QStringLiteral("Diphthongs");
    case PhonemeGroup::Triphthongs:
        return QStringLiteral("Triphthongs");
    }
    return {};
}

qint64 roundHalfEven(qint64 a, qint64 b) {
    const qint64 q = a / b, twice = 2 * (a % b);
    if (twice > b || (twice == b && q % 2 == 1))
        return q + 1;
    return q;
}

Statistics statisticsOf(const PhonemeCounts &counts) {
    Statistics s;
    for (qint64 c : counts) {
        s.total += c;
        s.maximum = std::max(s.maximum, c);
    }
    for (int i = 0; i < kPhonemeCount; ++i) {
        PhonemeStatistics &row = s.rows[size_t(i)];
        const qint64 c = counts[size_t(i)], m = s.maximum;
        row.count = c;
        if (m < 1)
            continue;
        row.barWidth = int(roundHalfEven(statistics::kBarLength * c, m));
        const auto red = unsigned(roundHalfEven(255 * m - 92 * c, m));
        const auto other = unsigned(roundHalfEven(192 * (m - c), m));
        row.barColour = red << 16 | other << 8 | other;
        row.perMille = int(roundHalfEven(1000 * c, s.total));
    }
    return s;
}

std::optional<Statistics> ComputeStatistics(const QString &text, const CountProgress &progress) {
    if (const auto counts = countPhonemes(text, progress))
        return statisticsOf(*counts);
    return std::nullopt;
}

QString shareText(int perMille) { return QStringLiteral("%1.%2").arg(perMille / 10).arg(perMille % 10); }

QString rowCaption(int row) {
    return QLatin1Char('/') + QString::fromUtf16(kPhonemes[size_t(row)].symbol) + QLatin1Char('/');
}

QString statisticsTable(const Statistics &s) {
    QStringList lines;
    for (int i = 0; i < kPhonemeCount; ++i)
        lines << rowCaption(i) + QLatin1Char('\t') + QString::number(s.rows[size_t(i)].count) + QLatin1Char('\t') +
                     shareText(s.rows[size_t(i)].perMille);
    return lines.join(QLatin1String("\r\n"));
}

} // namespace vocalith

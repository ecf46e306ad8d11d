#include "statistics/zentab.h"

#include "editor/addtext.h"
#include "engine/textchain.h"
#include "statistics/statistics.h"
#include "storage/files.h"

namespace vocalith {

PhonemeCounts CountSection(const QString &section) { return *countPhonemes(section); }

QString zentabHeader() {
    QString header;
    for (const Phoneme &p : kPhonemes) {
        if (!header.isEmpty())
            header += QLatin1Char('\t');
        header += QString::fromUtf16(p.symbol);
    }
    return header;
}

QString zentabReport(const QString &analysedText) {
    const QString text = analysedText.toLower();
    QString report = zentabHeader();
    for (QStringView section : QStringView(text).tokenize(u'|')) {
        section = trimSpaces(section);
        if (section.isEmpty())
            continue;
        const PhonemeCounts counts = CountSection(section.toString());
        report += QLatin1String("\r\n");
        for (int i = 0; i < kPhonemeCount; ++i) {
            if (i > 0)
                report += QLatin1Char('\t');
            report += QString::number(counts[size_t(i)]);
        }
    }
    return report;
}

bool saveZentabReport(const QString &path, const QString &report, QString *message) {
    QString reason;
    if (writeFileAtomically(path, (programToBoxText(report) + QLatin1Char('\n')).toUtf8(), &reason))
        return true;
    if (message)
        *message = statistics::kNotSaved.arg(reason);
    return false;
}

} // namespace vocalith

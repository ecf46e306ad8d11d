#include "app/work.h"

#include "storage/files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vocalith {

const QString kWorkFileName = QStringLiteral("work.json");
const QString kWorkDamagedKept =
    QStringLiteral("The saved work could not be read (%1); it was kept as %2. Starting with empty boxes.");
const QString kWorkDamaged = QStringLiteral("The saved work could not be read (%1). Starting with empty boxes.");
const QString kWorkNotSaved = QStringLiteral("The work in progress could not be saved: %1");

namespace {

const QString kFormatKey = QStringLiteral("vocalith-work");
constexpr int kFormatVersion = 1;
const QString kInput = QStringLiteral("input");
const QString kStored = QStringLiteral("stored");
const QString kAccent = QStringLiteral("accent");
const QString kEditor = QStringLiteral("editor");
const QString kRecent = QStringLiteral("recent");
const QString kSymbol = QStringLiteral("symbol");
const QString kTooltip = QStringLiteral("tooltip");

// A string member: empty when absent, nullopt when of another type.
std::optional<QString> stringMember(const QJsonObject &o, const QString &key) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return QString();
    if (!v.isString())
        return std::nullopt;
    return v.toString();
}

} // namespace

QByteArray workDocument(const WorkInProgress &work) {
    QJsonArray recent;
    for (int i = 1; i < kSymbolButtonCount; ++i)
        recent.append(QJsonObject{{kSymbol, work.recent.button(i).symbol}, {kTooltip, work.recent.button(i).tooltip}});
    const QJsonObject root{
        {kFormatKey, kFormatVersion},
        {kInput, work.input},
        {kStored, work.stored},
        {kAccent, work.transcriptionAccent ? accentCode(*work.transcriptionAccent) : QString()},
        {kEditor, work.editor},
        {kRecent, recent},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<WorkInProgress> parseWork(const QByteArray &content, QString *reason) {
    auto refuse = [&](const QString &why) -> std::optional<WorkInProgress> {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse(error.errorString());
    const QJsonObject root = doc.object();
    if (!doc.isObject() || root.value(kFormatKey).toInt(-1) != kFormatVersion)
        return refuse(QStringLiteral("not a work file of this version"));

    WorkInProgress work;
    const auto input = stringMember(root, kInput);
    const auto stored = stringMember(root, kStored);
    const auto accent = stringMember(root, kAccent);
    const auto editor = stringMember(root, kEditor);
    if (!input || !stored || !accent || !editor)
        return refuse(QStringLiteral("a text of the wrong type"));
    work.input = *input;
    work.stored = *stored;
    work.transcriptionAccent = parseAccent(*accent);
    work.editor = *editor;

    const QJsonValue recent = root.value(kRecent);
    if (!recent.isUndefined()) {
        if (!recent.isArray())
            return refuse(QStringLiteral("the recent symbols are not a list"));
        QVector<SymbolButton> buttons;
        for (const QJsonValue &v : recent.toArray()) {
            const QJsonObject b = v.toObject();
            const auto symbol = stringMember(b, kSymbol);
            const auto tooltip = stringMember(b, kTooltip);
            if (!v.isObject() || !symbol || symbol->isEmpty() || !tooltip)
                return refuse(QStringLiteral("a recent symbol without its text"));
            buttons.append({*symbol, *tooltip});
        }
        work.recent.restore(buttons);
    }
    return work;
}

WorkRead readWork(const QString &path) {
    const RegularFileRead file = readRegularFile(path, kMaxWorkBytes);
    WorkRead r;
    if (file.state == RegularFileRead::State::Missing)
        return r;
    r.state = WorkFileState::Damaged;
    r.reason = file.reason;
    if (file.state == RegularFileRead::State::Read) {
        if (auto work = parseWork(file.bytes, &r.reason)) {
            r.state = WorkFileState::Read;
            r.work = std::move(*work);
        }
    }
    return r;
}

bool writeWork(const QString &path, const WorkInProgress &work, QString *error) {
    return writeFileAtomically(path, workDocument(work), error);
}

} // namespace vocalith

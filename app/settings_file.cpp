#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "rules/text/escaped_fields.h"

namespace tarvek {
namespace {

constexpr qint64 kLargestSettingsFile = 1024 * 1024;  // far above what the program keeps

using Setting = std::pair<QString, QStringList>;

QSettings earlierSettings() { return QSettings(QStringLiteral("Tarvek"), QStringLiteral("Catalog")); }

// The settings in the file, in its order; none when there is no file to read.
std::optional<std::vector<Setting>> storedSettings() {
    QFile file(settingsFilePath());
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    std::vector<Setting> settings;
    for (const QByteArray& line : file.read(kLargestSettingsFile).split('\n')) {
        std::vector<QString> fields;
        for (const QByteArray& field : line.split('\t')) {
            const std::optional<std::string> text =
                unescapedField(std::string_view(field.data(), field.size()));
            if (!text || !isUtf8(*text)) break;  // a damaged line is left out
            fields.push_back(QString::fromStdString(*text));
        }
        if (fields.size() != std::size_t(line.count('\t')) + 1 || fields.front().isEmpty()) continue;
        settings.emplace_back(fields.front(), QStringList(fields.begin() + 1, fields.end()));
    }
    return settings;
}

}  // namespace

QString settingsFilePath() {
    return QFileInfo(earlierSettings().fileName()).absoluteDir().filePath(QStringLiteral("Catalog.settings"));
}

QStringList settingValues(const QString& key) {
    const std::optional<std::vector<Setting>> settings = storedSettings();
    if (!settings) return earlierSettings().value(key).toStringList();
    const auto found = std::find_if(settings->begin(), settings->end(),
                                    [&](const Setting& setting) { return setting.first == key; });
    return found == settings->end() ? QStringList() : found->second;
}

QString storeSetting(const QString& key, const QStringList& values) {
    std::vector<Setting> settings = storedSettings().value_or(std::vector<Setting>());
    const auto found = std::find_if(settings.begin(), settings.end(),
                                    [&](const Setting& setting) { return setting.first == key; });
    if (found == settings.end())
        settings.emplace_back(key, values);
    else
        found->second = values;
    const auto field = [](const QString& text) {
        return QByteArray::fromStdString(escapedField(text.toStdString()));
    };
    QByteArray bytes;
    for (const auto& [name, list] : settings) {
        bytes += field(name);
        for (const QString& value : list) bytes += '\t' + field(value);
        bytes += '\n';
    }
    const QString path = settingsFilePath();
    QDir().mkpath(QFileInfo(path).path());  // where it cannot be made, the write says why
    if (const QString problem = writeAtomically(path, bytes); !problem.isEmpty())
        return QStringLiteral("the settings \"%1\" were not saved: %2").arg(path, problem);
    return {};
}

}  // namespace tarvek

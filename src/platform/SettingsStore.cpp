#include "platform/SettingsStore.h"

#include <QSettings>

namespace platform {
namespace {

const char kName[] = "Zentor Keyboard";
const char kLanguage[] = "LANGUAGE";

}  // namespace

std::optional<uint32_t> ReadLanguageSetting() {
    QSettings settings(kName, kName);
    QVariant value = settings.value(kLanguage);
    if (!value.isValid()) {
        return std::nullopt;
    }
    bool ok = false;
    qulonglong number = value.toULongLong(&ok);
    if (!ok || number > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(number);
}

bool WriteLanguageSetting(uint32_t languageId) {
    QSettings settings(kName, kName);
    settings.setValue(kLanguage, static_cast<qulonglong>(languageId));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace platform

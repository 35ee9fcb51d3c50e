#include "QtSettings.h"

#include <QSettings>
#include <memory>

namespace platform {

namespace {

bool AnyEmpty(const std::string& application, const std::string& section, const std::string& key) {
    return application.empty() || section.empty() || key.empty();
}

}  // namespace

std::unique_ptr<QSettings> QtSettings::open(const std::string& application) const {
    if (!iniFile_.isEmpty()) return std::make_unique<QSettings>(iniFile_, QSettings::IniFormat);
    const QString name = QString::fromStdString(application);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

QString QtSettings::keyPath(const std::string& application, const std::string& section,
                            const std::string& key) const {
    QString path = QString::fromStdString(section) + '/' + QString::fromStdString(key);
    if (!iniFile_.isEmpty()) path.prepend(QString::fromStdString(application) + '/');
    return path;
}

std::string QtSettings::get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& defaultText) {
    if (AnyEmpty(application, section, key)) return defaultText;
    const auto store = open(application);
    const QString path = keyPath(application, section, key);
    if (!store->contains(path)) return defaultText;
    return store->value(path).toString().toStdString();
}

bool QtSettings::save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& text) {
    if (AnyEmpty(application, section, key)) return false;
    const auto store = open(application);
    store->setValue(keyPath(application, section, key), QString::fromStdString(text));
    store->sync();
    return store->status() == QSettings::NoError;
}

}  // namespace platform

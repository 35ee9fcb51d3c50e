#pragma once

#include <QString>
#include <memory>
#include <utility>

#include "platform/Settings.h"

class QSettings;

namespace platform {

// Settings kept by QSettings. By default in the desktop's per-user store, one store per
// application (organisation and application both named after it), with the section as
// the group. Given a file, all applications share that one ini file instead, each under
// a top-level group of its own; tests use this to keep to a temporary folder.
class QtSettings final : public Settings {
public:
    QtSettings() = default;
    explicit QtSettings(QString iniFile) : iniFile_(std::move(iniFile)) {}

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultText) override;
    bool save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override;

private:
    std::unique_ptr<QSettings> open(const std::string& application) const;
    QString keyPath(const std::string& application, const std::string& section,
                    const std::string& key) const;

    QString iniFile_;
};

}  // namespace platform

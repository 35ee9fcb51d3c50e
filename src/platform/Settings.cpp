#include "Settings.h"

namespace platform {

namespace {
Settings* g_settings = nullptr;
}  // namespace

std::string GetSetting(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& defaultText) {
    if (!g_settings) return defaultText;
    return g_settings->get(application, section, key, defaultText);
}

bool SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& text) {
    if (!g_settings) return false;
    return g_settings->save(application, section, key, text);
}

Settings* SetSettings(Settings* settings) {
    Settings* old = g_settings;
    g_settings = settings;
    return old;
}

}  // namespace platform

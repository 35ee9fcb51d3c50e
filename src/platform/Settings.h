#pragma once

#include <string>

namespace platform {

// The per-user settings store: texts kept under an application, a section and a key.
// The program keeps them where the desktop keeps per-user settings; tests use a
// temporary file or memory.
class Settings {
public:
    virtual ~Settings() = default;

    // The text last saved under the three names, or `defaultText` when there is none.
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& defaultText) = 0;

    // Creates or replaces the value. False when the store could not keep it.
    virtual bool save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& text) = 0;
};

// Reads through the installed store; without one every key reads as absent.
std::string GetSetting(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& defaultText);

// Writes through the installed store; without one nothing is kept and the answer is false.
bool SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& text);

// Installs the store used from now on; nullptr removes it. Returns the one installed before.
Settings* SetSettings(Settings* settings);

}  // namespace platform

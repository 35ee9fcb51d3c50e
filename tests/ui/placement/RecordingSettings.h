#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Settings.h"

// Settings in memory that keep every save in order, and can be told to refuse or to
// throw on chosen keys. Installs itself for its lifetime.
class RecordingSettings final : public platform::Settings {
public:
    struct Saved {
        std::string application, section, key, text;
    };

    RecordingSettings() : previous_(platform::SetSettings(this)) {}
    ~RecordingSettings() override { platform::SetSettings(previous_); }
    RecordingSettings(const RecordingSettings&) = delete;
    RecordingSettings& operator=(const RecordingSettings&) = delete;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultText) override {
        if (throwing_.count(key)) throw std::runtime_error("store unavailable");
        const auto found = values_.find({application, section, key});
        return found == values_.end() ? defaultText : found->second;
    }

    bool save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override {
        if (throwing_.count(key)) throw std::runtime_error("store unavailable");
        if (refused_.count(key)) return false;
        values_[{application, section, key}] = text;
        saved_.push_back({application, section, key, text});
        return true;
    }

    // Stores a Window value as the program would find it.
    void put(const std::string& key, const std::string& text) {
        values_[{"Marrowtide", "Window", key}] = text;
    }
    std::string value(const std::string& key) const {
        const auto found = values_.find({"Marrowtide", "Window", key});
        return found == values_.end() ? std::string("<absent>") : found->second;
    }

    void refuse(const std::string& key) { refused_.insert(key); }
    void throwOn(const std::string& key) { throwing_.insert(key); }
    void clearFaults() { refused_.clear(), throwing_.clear(); }

    const std::vector<Saved>& saved() const { return saved_; }
    void clearSaved() { saved_.clear(); }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    std::vector<Saved> saved_;
    std::set<std::string> refused_, throwing_;
    platform::Settings* previous_;
};

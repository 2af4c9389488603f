// The player's remembered choices (window scale, pause on focus loss, volume...): one small INI file in the
// save folder, a section per program, written back whenever a value changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/IniFile.h"

namespace base {

class Settings {
  public:
    // Kept in memory only (tests, tools): nothing is read or written.
    Settings() = default;
    // Reads path now (missing or unreadable: every value at its default); writes it on each change.
    Settings(std::string path, std::string section);

    std::int32_t get(std::string_view key, std::int32_t fallback) const {
        return ini_.getInt(section_, key, fallback);
    }
    // The text of key as written, or nothing when the file does not have it.
    std::optional<std::string> getText(std::string_view key) const { return ini_.getText(section_, key); }
    // Stores value and writes the file through a temporary beside it, under a lock on path + ".lock" that
    // the programs sharing the file take in turn (waiting up to kLockWaitMs). A file that cannot be read
    // whole is never rewritten, and one that cannot be written only loses the choice for the next run: the
    // running program goes on with the new value and saved() tells that it was not kept.
    void set(std::string_view key, std::int32_t value);
    // Stores a key that holds a word (language=en) as set() does.
    void setText(std::string_view key, const std::string& value);

    const std::string& path() const { return path_; }
    // The program's section ("zorban", "zorban_runner", ...).
    const std::string& section() const { return section_; }
    // Whether the last write reached the disk (true while nothing was written).
    bool saved() const { return saved_; }

    static constexpr int kLockWaitMs = 1000;

  private:
    bool writeThrough(std::string_view key, const std::string& value);

    std::string path_;  // empty: memory only
    std::string section_ = "settings";
    IniFile ini_;
    bool saved_ = true;
};

}  // namespace base

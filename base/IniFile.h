// Reads an initialisation file of [sections] and key=value lines and answers integer look-ups like the
// profile API.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace base {

class IniFile {
  public:
    static constexpr std::size_t kMaxFileBytes =
        256 * 1024;  // more is not read: the file holds a handful of keys

    // Reads the file at path; a missing or unreadable file, or something other than a regular file (a pipe),
    // is an empty one. readWhole, when given, is set to false when a file was there that could not be opened
    // (access refused, too many open files) or not all of it could be read (a read error, or more than
    // kMaxFileBytes): writing the result back would lose the rest.
    static IniFile load(const std::string& path, bool* readWhole = nullptr);
    // Parses the text of a file (CR LF or LF lines; ';' starts a comment line).
    static IniFile parse(std::string_view text);

    // The integer of section/key (names compared without regard to ASCII case), or fallback when the key is
    // absent or has an empty value. The value reads as an optional sign and decimal digits; what follows is
    // ignored, no digits read as 0, and values beyond 32 bits saturate.
    std::int32_t getInt(std::string_view section, std::string_view key, std::int32_t fallback) const;
    // The text of section/key as written (trimmed); empty when the key is absent.
    std::string getText(std::string_view section, std::string_view key) const;

    // Replaces the first section/key entry's value, or adds the key at the end of its section (a new section
    // at the end of the file).
    void set(std::string_view section, std::string_view key, std::string_view value);
    // The file's text: every section with its keys, lines ended by CR LF.
    std::string text() const;

  private:
    struct Entry {
        std::string section;  // lower case
        std::string key;      // lower case
        std::string value;    // trimmed
    };
    std::vector<Entry> entries_;
};

}  // namespace base

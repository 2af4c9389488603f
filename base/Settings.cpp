// Remembered choices: read once, written whole through a temporary file on every change.
#include "base/Settings.h"

#include <exception>

#include "base/TextWriter.h"

namespace base {

Settings::Settings(std::string path, std::string section)
    : path_(std::move(path)), section_(std::move(section)), ini_(IniFile::load(path_)) {}

void Settings::set(std::string_view key, std::int32_t value) {
    if (ini_.getInt(section_, key, value) == value && ini_.getInt(section_, key, value ^ 1) == value) return;
    bool readWhole = true;
    if (!path_.empty()) {
        // Another of the programs may have changed its own section since: keep what is on disk.
        IniFile onDisk = IniFile::load(path_, &readWhole);
        ini_ = std::move(onDisk);
    }
    ini_.set(section_, key, std::to_string(value));
    // A file that could not be read whole is left as it is: the value holds for this run only.
    if (path_.empty()) return;
    if (!readWhole) {
        saved_ = false;
        return;
    }
    try {
        TextWriter out(path_);
        const std::string all = ini_.text();
        std::string_view text = all;
        while (!text.empty()) {
            const std::size_t end = text.find("\r\n");
            out.writeRawLine(text.substr(0, end));
            text.remove_prefix(end + 2);
        }
        out.commit();
        saved_ = true;
    } catch (const std::exception&) {
        saved_ = false;
    }
}

}  // namespace base

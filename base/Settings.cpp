// Remembered choices: read once, written whole through a temporary file on every change.
#include "base/Settings.h"

#include <exception>

#include "base/InstanceLock.h"
#include "base/TextWriter.h"

namespace base {

Settings::Settings(std::string path, std::string section)
    : path_(std::move(path)), section_(std::move(section)), ini_(IniFile::load(path_)) {}

void Settings::set(std::string_view key, std::int32_t value) {
    if (ini_.getInt(section_, key, value) == value && ini_.getInt(section_, key, value ^ 1) == value) return;
    if (path_.empty()) {
        ini_.set(section_, key, std::to_string(value));
        return;
    }
    saved_ = writeThrough(key, std::to_string(value));
}

void Settings::setText(std::string_view key, const std::string& value) {
    if (getText(key) == value) return;
    if (path_.empty()) {
        ini_.set(section_, key, value);
        return;
    }
    saved_ = writeThrough(key, value);
}

// The three programs share the file, each with its own section: one at a time reads what the others wrote,
// changes its key and writes the whole back. A file that could not be read whole, or whose lock another
// writer keeps, is left as it is: the value holds for this run only.
bool Settings::writeThrough(std::string_view key, const std::string& value) {
    const InstanceLock lock(path_ + ".lock", kLockWaitMs);
    bool readWhole = lock.state() != InstanceLock::State::Taken;
    IniFile onDisk = readWhole ? IniFile::load(path_, &readWhole) : IniFile();
    if (readWhole) ini_ = std::move(onDisk);
    ini_.set(section_, key, value);
    if (!readWhole) return false;
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
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace base

// Reads an initialisation file of [sections] and key=value lines and answers integer look-ups like the
// profile API.
#include "base/IniFile.h"

#include "base/ReadRetrying.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <limits>

namespace base {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool sameName(std::string_view lowered, std::string_view name) {
    if (lowered.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (lowered[i] != std::tolower(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

std::int32_t parseInt(std::string_view text) {
    const bool negative = text.starts_with('-');
    std::size_t i = negative || text.starts_with('+') ? 1 : 0;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    if (negative) value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

IniFile IniFile::load(const std::string& path, bool* readWhole) {
    if (readWhole) *readWhole = true;
    // Only a regular file is read, and a pipe put in its place cannot make the open wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        // Only a file that is not there reads as empty: one that is there but cannot be opened (access
        // refused, too many open files) holds keys that a write would lose.
        if (readWhole && errno != ENOENT) *readWhole = false;
        return {};
    }
    struct stat st {};  // left zero, no regular file, when fstat fails
    ::fstat(fd, &st);
    std::string text;
    if (S_ISREG(st.st_mode)) {
        // One byte more than is read tells a file beyond the limit.
        text.resize(kMaxFileBytes + 1);
        std::size_t got = 0;
        bool failed = false;
        while (got < text.size()) {
            const ssize_t n = readRetrying(fd, text.data() + got, text.size() - got);
            failed = n < 0;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        if (readWhole && (failed || got > kMaxFileBytes)) *readWhole = false;
        text.resize(std::min(got, kMaxFileBytes));
    }
    ::close(fd);
    return parse(text);
}

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    std::string section;
    bool inSection = false;  // keys before the first section belong to none
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section =
                lower(trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
            inSection = true;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        file.entries_.push_back(
            {section, lower(trim(line.substr(0, eq))), std::string(trim(line.substr(eq + 1)))});
    }
    return file;
}

std::int32_t IniFile::getInt(std::string_view section, std::string_view key, std::int32_t fallback) const {
    // The first occurrence wins, as with the profile API.
    for (const Entry& e : entries_) {
        if (sameName(e.section, section) && sameName(e.key, key))
            return e.value.empty() ? fallback : parseInt(e.value);
    }
    return fallback;
}

std::string IniFile::getText(std::string_view section, std::string_view key) const {
    for (const Entry& e : entries_) {
        if (sameName(e.section, section) && sameName(e.key, key)) return e.value;
    }
    return {};
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::size_t insertAt = entries_.size();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        if (!sameName(e.section, section)) continue;
        if (sameName(e.key, key)) {
            e.value = std::string(trim(value));
            return;
        }
        insertAt = i + 1;
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                    Entry{lower(section), lower(key), std::string(trim(value))});
}

std::string IniFile::text() const {
    std::string out;
    const std::string* section = nullptr;
    for (const Entry& e : entries_) {
        if (!section || *section != e.section) {
            // A section split by set() elsewhere in the file is written again under a repeated header.
            out += (section ? "\r\n[" : "[") + e.section + "]\r\n";
            section = &e.section;
        }
        out += e.key + "=" + e.value + "\r\n";
    }
    return out;
}

}  // namespace base

// libFuzzer target: reading integers and lines from any file contents ends in values or the number error,
// the same from a file as from memory, an interrupted read(2) retried; a file larger than the reader's limit,
// a failing read and a file that grows past the limit while it is read are read errors. The number parser
// beneath agrees with std::from_chars on the first line (a leading '+' aside).
//
// The target is linked with -Wl,--wrap=read: every read(2) goes through __wrap_read below.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "base/IoError.h"
#include "base/TextReader.h"
#include "fuzz/TempFile.h"

namespace {

// The fault the next read(2) meets, once.
enum class ReadFault { None, Interrupt, Fail, Grow };
ReadFault nextRead = ReadFault::None;
std::string growingFile;  // appended to by ReadFault::Grow

}  // namespace

extern "C" ssize_t __real_read(int fd, void* buf, std::size_t n);
extern "C" ssize_t __wrap_read(int fd, void* buf, std::size_t n) {
    switch (std::exchange(nextRead, ReadFault::None)) {
        case ReadFault::Interrupt:
            errno = EINTR;
            return -1;
        case ReadFault::Fail:
            errno = EIO;
            return -1;
        case ReadFault::Grow:
            std::ofstream(growingFile, std::ios::binary | std::ios::app) << 'x';
            break;
        case ReadFault::None:
            break;
    }
    return __real_read(fd, buf, n);
}

namespace {

// Every value read, in the order read; the first byte chooses the order of integer and line reads, as the
// file layouts mix them.
std::vector<std::variant<std::int32_t, std::string>> readAll(base::TextReader& reader, std::uint8_t pattern) {
    std::vector<std::variant<std::int32_t, std::string>> values;
    for (int i = 0; !reader.atEnd(); ++i) {
        if (pattern >> (i % 8) & 1) {
            values.emplace_back(reader.readLine());
        } else {
            try {
                values.emplace_back(reader.readInt());
            } catch (const base::IoError& e) {
                if (e.code() != 106) __builtin_trap();
                values.emplace_back(reader.readLine());  // move past the bad value
            }
        }
    }
    if (reader.readInt() != 0 || !reader.readLine().empty()) __builtin_trap();
    return values;
}

void checkParse(std::string_view text) {
    const std::string_view token = text.substr(0, std::min(text.find_first_of("\r\n"), std::size_t{40}));
    std::int32_t value = 0;
    const bool parsed = base::parseInt32(token, value);
    std::string_view unsigned_ = token;
    if (!token.empty() && token[0] == '+') unsigned_.remove_prefix(1);
    std::int32_t expected = 0;
    const auto [end, ec] = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), expected);
    const bool valid = !token.empty() && !(token[0] == '+' && unsigned_.starts_with('-')) &&
                       ec == std::errc() && end == unsigned_.data() + unsigned_.size();
    if (parsed != valid || (parsed && value != expected)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzfile::TempFile file("text");
    static const bool refused = [] {
        // A name that is not there and a folder are read errors, not empty files.
        for (const char* path : {"/nonexistent/zorban.txt", "/dev/shm"}) {
            try {
                base::TextReader reader(path);
                return false;
            } catch (const base::IoError&) {
            }
        }
        return true;
    }();
    if (!refused) __builtin_trap();
    if (size == 0) return 0;
    const std::uint8_t pattern = data[0];
    const std::string contents(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkParse(contents);
    auto reader = base::TextReader::fromBytes(contents);
    const auto values = readAll(reader, pattern);

    // From a file, with a limit of the file's size or one byte less, its first read now and then interrupted,
    // failing, or growing the file by a byte.
    file.write(contents);
    const std::size_t limit = contents.size() - (pattern >> 7 & !contents.empty());
    const int faultPick = (pattern + contents.size()) % 8;
    const ReadFault fault = faultPick < 3 ? static_cast<ReadFault>(faultPick + 1) : ReadFault::None;
    const bool fails = limit < contents.size() || fault == ReadFault::Fail || fault == ReadFault::Grow;
    growingFile = file.path();
    nextRead = fault;
    try {
        base::TextReader fromFile(file.path(), limit);
        nextRead = ReadFault::None;
        if (fails || readAll(fromFile, pattern) != values) __builtin_trap();
    } catch (const base::IoError& e) {
        nextRead = ReadFault::None;
        if (!fails || e.code() != 100) __builtin_trap();
    }
    return 0;
}

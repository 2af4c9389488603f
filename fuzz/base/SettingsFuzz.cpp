// libFuzzer target: the player's settings file. The first bytes pick a program section, a key and a value;
// the rest is the file as found on disk. Setting the value reads the file, writes it back with the value and
// reads it again: every other entry must come back as it was, the value as set, and an unchanged value writes
// nothing. An interrupted read(2) is retried (the target is linked with -Wl,--wrap=read, every read goes
// through __wrap_read below); a file that fails to read when the settings are opened reads as empty, and
// setting a value then reads it again before writing it whole; when that read fails, nothing is written. Only
// the first kMaxFileBytes of a larger file are read.
#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include <fuzzer/FuzzedDataProvider.h>

#include "base/IniFile.h"
#include "base/Settings.h"
#include "fuzz/TempFile.h"

namespace {

// The fault the next read(2) meets, once.
enum class ReadFault { None, Interrupt, Fail };
ReadFault nextRead = ReadFault::None;

}  // namespace

extern "C" ssize_t __real_read(int fd, void* buf, std::size_t n);
extern "C" ssize_t __wrap_read(int fd, void* buf, std::size_t n) {
    const ReadFault fault = std::exchange(nextRead, ReadFault::None);
    if (fault == ReadFault::None) return __real_read(fd, buf, n);
    errno = fault == ReadFault::Interrupt ? EINTR : EIO;
    return -1;
}

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzfile::TempFile file("ini");
    static const char* const kSections[] = {"zorban", "zorban_runner", "ZORBAN_MAKER", "settings"};
    static const char* const kKeys[] = {"Volume", "Mute", "PauseOnFocusLoss", "volume", "Scale"};
    FuzzedDataProvider in(data, size);
    const std::string section = in.PickValueInArray(kSections);
    const std::string key = in.PickValueInArray(kKeys);
    const auto value = in.ConsumeIntegral<std::int32_t>();
    const int place = in.ConsumeIntegralInRange<int>(0, 15);
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    static const bool cutAtTheLimit = [&] {
        // A file beyond the limit: what lies past it is not read.
        std::string big = "[a]\r\nk=1\r\n";
        big.resize(base::IniFile::kMaxFileBytes, ';');
        file.write(big + "\r\n[b]\r\nk=2\r\n");
        const base::IniFile ini = base::IniFile::load(file.path());
        return ini.getInt("a", "k", 0) == 1 && ini.getInt("b", "k", 0) == 0;
    }();
    if (!cutAtTheLimit) __builtin_trap();
    if (place == 15) {
        // A folder that does not exist: the value is kept for this run only.
        base::Settings lost("/dev/shm/zorban-fuzz-no-such-folder/zorban.ini", section);
        lost.set(key, value);
        if (lost.saved() || lost.get(key, ~value) != value) __builtin_trap();
        return 0;
    }
    if (place == 12) {
        // A folder where the file belongs reads as an empty file and cannot be replaced.
        static const struct Folder {
            Folder() {
                if (::mkdtemp(path.data()) == nullptr) std::abort();
            }
            ~Folder() { ::rmdir(path.c_str()); }
            std::string path = "/dev/shm/zorban-fuzz-ini-folder-XXXXXX";
        } inPlace;
        base::Settings folder(inPlace.path, section);
        if (folder.get(key, ~value) != ~value) __builtin_trap();
        folder.set(key, value);
        if (folder.saved() || folder.get(key, ~value) != value) __builtin_trap();
        return 0;
    }
    if (place == 13) {
        // Kept in memory only: nothing is read or written.
        base::Settings memory;
        memory.set(key, value);
        if (!memory.saved() || memory.get(key, ~value) != value || !memory.path().empty()) __builtin_trap();
        return 0;
    }
    if (place == 14) {
        // No file yet: it is made with the one value.
        std::remove(file.path().c_str());
        base::Settings fresh(file.path(), section);
        fresh.set(key, value);
        if (!fresh.saved() ||
            file.read() != "[" + lower(section) + "]\r\n" + lower(key) + "=" + std::to_string(value) + "\r\n")
            __builtin_trap();
        return 0;
    }
    file.write(bytes);

    const base::IniFile before = base::IniFile::parse(bytes);
    const bool unchanged =
        before.getInt(section, key, value) == value && before.getInt(section, key, value ^ 1) == value;
    base::IniFile expected = before;
    expected.set(section, key, std::to_string(value));

    const ReadFault fault = place % 4 == 1   ? ReadFault::Interrupt
                            : place % 4 == 3 ? ReadFault::Fail
                                             : ReadFault::None;
    nextRead = fault;
    base::Settings settings(file.path(), section);
    nextRead = ReadFault::None;
    if (place == 14) {
        // The read before writing fails: the file is left as it was, the value holds for this run.
        nextRead = ReadFault::Fail;
        settings.set(key, value);
        nextRead = ReadFault::None;
        if (settings.get(key, ~value) != value || file.read() != bytes) __builtin_trap();
        if (!unchanged && settings.saved()) __builtin_trap();
        return 0;
    }
    settings.set(key, value);
    if (!settings.saved() || settings.get(key, ~value) != value) __builtin_trap();
    const std::string written = file.read();
    if (unchanged && fault != ReadFault::Fail) {
        if (written != bytes) __builtin_trap();
        return 0;
    }
    const base::IniFile after = base::IniFile::load(file.path());
    if (after.text() != expected.text() || after.text() != written) __builtin_trap();
    if (base::Settings(file.path(), section).get(key, ~value) != value) __builtin_trap();
    return 0;
}

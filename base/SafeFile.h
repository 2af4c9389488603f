// The pieces of an all-or-nothing file replacement: where the new file really goes, a private temporary
// beside it, and making the rename itself durable.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace base {

// The file a save to path replaces: path itself, or the file a symbolic link at path leads to (followed to
// the end), so that a link is written through and never replaced by a plain file. Throws IoError (access
// refused) for a link that leads nowhere or in a loop.
std::string replaceTarget(const std::string& path);

// A new file beside target named "." + target's name + "." + 6 random characters + ".tmp", made with
// O_CREAT | O_EXCL | O_NOFOLLOW, so it can neither collide with another writer's temporary nor be a link
// planted to redirect the write. It gets target's permission bits when target exists (else 0644 less the
// umask). Returns the open descriptor and sets tmpPath; -1 with errno set when no file could be made.
int createTempBeside(const std::string& target, std::string& tmpPath);

// What failed in writing a file: the system call ("write", "fsync", "close") and its errno; err is 0 when
// nothing did.
struct FileFault {
    const char* step = "";
    int err = 0;
    explicit operator bool() const { return err != 0; }
};

// Hands all of bytes to fd, going on after a signal interrupts a write.
FileFault writeAll(int fd, std::string_view bytes);

// The steps before a temporary file takes its name: its bytes on disk (fsync), then fd closed, which it is
// even when the sync fails.
FileFault syncAndClose(int fd);

// Makes a rename or link in the folder holding path survive a crash (fsync of the folder). Best effort:
// a file system that cannot sync folders has already done what it can.
void syncFolderOf(const std::string& path);

// Moves the file at path aside, within its folder, to path + "." + label + "-YYYYMMDD-HHMMSS" (local time;
// "-2", "-3"... added when that name is taken) so that nothing replaces it, and makes the rename durable.
// Returns the new path; throws IoError when it cannot be moved.
std::string moveAside(const std::string& path, const std::string& label);

// Test hook: supplies the 6 characters of the next temporary names (an empty function restores the random
// ones), so a test can plant something at the very name a writer will try.
void setTempNameHook(std::function<std::string()> hook);

}  // namespace base

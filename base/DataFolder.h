// Where a program keeps what it writes: its own folder when that is writable and trusted (a portable game
// folder), else the per-user data folder $XDG_DATA_HOME/zorban/ (an installation under /usr or /opt, or a
// folder that others may write to).
#pragma once

#include <string>

namespace base {

// The folder (trailing '/') for save and posting files. programDir ends with '/'. xdgDataHome and home are
// the values of $XDG_DATA_HOME and $HOME (empty when unset); a relative $XDG_DATA_HOME is ignored, as the XDG
// rules say, and an empty home is taken from the password database, never a shared folder such as /tmp.
// Returns "" when no home folder can be found at all. Looks at the file system only to test whether
// programDir and its dat/ can be written and may be trusted (dataDirTrusted).
std::string chooseDataDir(const std::string& programDir, const std::string& xdgDataHome,
                          const std::string& home);

// chooseDataDir with the environment of this process.
std::string dataDirFromEnvironment(const std::string& programDir);

// dataDirFromEnvironment when dataDirTrusted says it may be used, else "": nothing is read or written then.
std::string trustedDataDirFromEnvironment(const std::string& programDir);
// Whether dir (and its dat/) may hold this user's saves: every part of them that exists is a folder owned
// by this user that neither its group nor anybody else may write to. A folder someone else can write to could
// have its files swapped under the program, so nothing is read or written there.
bool dataDirTrusted(const std::string& dir);

// Makes every missing folder of the absolute path dir (with or without a trailing '/') for this user only
// (mode 0700); what exists is left as it is. Failures show up when files are written there.
void makePrivateFolders(const std::string& dir);

}  // namespace base

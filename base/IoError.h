// Input/output errors of file access, carrying the runtime's message texts.
#pragma once

#include <stdexcept>
#include <string>

namespace base {

// Runtime error codes of file access, as the error box reports them.
enum class IoCode : int {
    FileNotFound = 2,
    PathNotFound = 3,
    AccessDenied = 5,
    DiskFull = 101,
    InvalidNumber = 106,
};

// An input/output error; what() is the message shown in the error box (without the final full stop).
class IoError : public std::runtime_error {
  public:
    explicit IoError(int code);
    explicit IoError(IoCode code) : IoError(static_cast<int>(code)) {}
    // The error of code, told with text instead of the code's own message.
    IoError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const { return code_; }

    // The message for a runtime error code: "ﾌｧｲﾙが見つかりません", ..., or "I/O ｴﾗｰ (n)".
    static std::string messageFor(int code);
    // The runtime error code for a C library errno value met while opening or writing path.
    static int codeFromErrno(int err, const std::string& path);

  private:
    int code_;
};

}  // namespace base

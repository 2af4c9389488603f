// The one way a file from outside is read: whole, and only when it is a regular file within a size limit.
#pragma once

#include <cstddef>
#include <string>

#include "base/IoError.h"

namespace base {

// Why a file could not be read.
enum class ReadFailure {
    Open,      // it could not be opened (missing, no access, ...)
    Folder,    // a folder stands at the path
    NotAFile,  // a pipe, socket or device stands at the path
    TooLarge,  // more bytes than the reader takes
    Read,      // reading failed part-way: what was read is not the whole file
};

// A file that could not be read whole. code() is the runtime's code (that of the errno for Open, else the
// read error 100); error() the errno value that says it best; reason() says in plain words what went wrong,
// for messages of the command line.
class ReadError : public IoError {
  public:
    ReadError(ReadFailure failure, int code, int error, std::string reason)
        : IoError(code), failure_(failure), error_(error), reason_(std::move(reason)) {}
    ReadFailure failure() const { return failure_; }
    int error() const { return error_; }
    const std::string& reason() const { return reason_; }

  private:
    ReadFailure failure_;
    int error_;
    std::string reason_;
};

// The bytes of path. Opened without blocking (a pipe put at the path can never make it wait for a writer)
// and without becoming the controlling terminal; only a regular file of at most maxBytes is read, reads
// interrupted by a signal are retried, and a read that fails part-way is an error, never a shorter file.
// Throws ReadError.
std::string readWholeFile(const std::string& path, std::size_t maxBytes);

}  // namespace base

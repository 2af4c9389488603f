// Safe, all-or-nothing writing of code page 932 text files.
#include "base/TextWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "base/Cp932.h"
#include "base/IoError.h"
#include "base/SafeFile.h"

namespace base {
namespace {

TextWriter::FaultHook& faultHook() {
    static TextWriter::FaultHook hook;
    return hook;
}

int injected(TextWriter::Step step, int index) {
    const auto& hook = faultHook();
    return hook ? hook(step, index) : 0;
}

constexpr std::size_t kFlushBytes = 1 << 16;  // buffered bytes before a write to the kernel

}  // namespace

void TextWriter::setFaultHook(FaultHook hook) {
    faultHook() = std::move(hook);
}

TextWriter::TextWriter(std::string path) : path_(std::move(path)) {
    if (std::filesystem::path(path_).filename().empty()) throw IoError(IoError::codeFromErrno(EISDIR, path_));
    if (int err = injected(Step::Open, 0)) throw IoError(IoError::codeFromErrno(err, path_));
    target_ = replaceTarget(path_);
    fd_ = createTempBeside(target_, tmpPath_);
    if (fd_ < 0) throw IoError(IoError::codeFromErrno(errno, path_));
}

TextWriter::~TextWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(tmpPath_.c_str());
    }
}

void TextWriter::fail(int err) {
    ::close(fd_);
    fd_ = -1;
    ::unlink(tmpPath_.c_str());
    throw IoError(IoError::codeFromErrno(err, path_));
}

void TextWriter::flushPending() {
    if (const FileFault f = writeAll(fd_, pending_)) fail(f.err);
    pending_.clear();
}

void TextWriter::writeRawLine(std::string_view bytes) {
    if (fd_ < 0) throw IoError(IoError::codeFromErrno(EBADF, path_));
    if (int err = injected(Step::Write, writes_)) fail(err);
    ++writes_;
    pending_.append(bytes);
    pending_.append("\r\n");
    if (pending_.size() >= kFlushBytes) flushPending();
}

void TextWriter::writeLine(std::string_view utf8) {
    writeRawLine(toCp932(utf8));
}

void TextWriter::writeInt(std::int32_t value) {
    writeRawLine(std::to_string(value));
}

void TextWriter::commit() {
    if (fd_ < 0) throw IoError(IoError::codeFromErrno(EBADF, path_));
    flushPending();
    if (int err = injected(Step::Close, 0)) fail(err);
    const int fd = fd_;
    fd_ = -1;
    if (const FileFault f = syncAndClose(fd)) {
        ::unlink(tmpPath_.c_str());
        throw IoError(IoError::codeFromErrno(f.err, path_));
    }
    if (::rename(tmpPath_.c_str(), target_.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpPath_.c_str());
        throw IoError(IoError::codeFromErrno(err, path_));
    }
    syncFolderOf(target_);
}

}  // namespace base

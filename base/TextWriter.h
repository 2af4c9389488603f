// Writes the game's text files safely: code page 932 lines with CR LF, replacing the target only when
// complete.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace base {

// Writes to a uniquely named temporary file beside the target; commit() flushes it to disk, renames it
// over the target and syncs the folder, so a failure or a crash at any step leaves the previous file as it
// was. A target that is a symbolic link is written through (the link stays). The replacement keeps the
// target's permission bits. Every failure throws IoError. Destroying a writer that was not committed
// removes the temporary file.
class TextWriter {
  public:
    explicit TextWriter(std::string path);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void writeLine(std::string_view utf8);  // throws EncodingError for text code page 932 lacks
    void writeInt(std::int32_t value);
    void writeRawLine(std::string_view cp932Bytes);
    void commit();

    // Test hook: called before each step (open, every line written, close); a non-zero return fails
    // that step with that errno value. Steps are counted from 0 per writer.
    enum class Step { Open, Write, Close };
    using FaultHook = std::function<int(Step, int index)>;
    static void setFaultHook(FaultHook hook);

  private:
    void fail(int err);
    void flushPending();

    std::string path_;     // the file asked for (named in errors)
    std::string target_;   // the file replaced: path_, or where a link at path_ leads
    std::string tmpPath_;  // temporary file beside target_
    int fd_ = -1;
    int writes_ = 0;       // lines written so far
    std::string pending_;  // bytes not yet handed to the kernel
};

}  // namespace base

// Writes played audio to a WAV file whose RIFF header is rewritten after every write, so it is valid at any
// moment.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "sound/PlayedSink.h"

namespace sound {

class WavFileSink : public PlayedSink {
  public:
    explicit WavFileSink(std::string path) : path_(std::move(path)) {}
    // Starts the file afresh with an empty data chunk; false when it cannot be written.
    bool open(const WaveFormat& format) override;
    void write(const std::uint8_t* bytes, std::size_t n) override;
    void close() override { file_.reset(); }

    std::uint32_t dataBytes() const { return dataBytes_; }

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    void writeSizes();

    std::string path_;
    std::unique_ptr<std::FILE, Closer> file_;
    std::uint32_t dataBytes_ = 0;  // bytes in the data chunk so far
};

}  // namespace sound

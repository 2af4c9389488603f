// Finds the format and data chunks of a RIFF WAVE image and reads them, failing with the loader's messages.
#include "sound/RiffWaveReader.h"

#include <array>
#include <cstring>
#include <new>
#include <optional>

#include "sound/MixerError.h"
#include "sound/MixerMessages.h"

namespace sound {
namespace {

constexpr std::uint64_t kChunkHeaderBytes = 8;  // four-character id and 32-bit size
constexpr std::size_t kFormatBytes = 16;        // the PCM format record

struct Chunk {
    std::uint64_t offset;  // of its header
    std::uint32_t size;    // of its contents
    std::uint64_t contents() const { return offset + kChunkHeaderBytes; }
    // Where the next chunk begins: contents padded to an even length.
    std::uint64_t after() const { return contents() + size + (size & 1u); }
};

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}
std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// The first chunk named id in [from, limit), walking chunk by chunk; none when a header does not fit.
std::optional<Chunk> findChunk(const ByteSource& src, const char* id, std::uint64_t from,
                               std::uint64_t limit) {
    std::uint64_t pos = from;
    std::array<std::uint8_t, kChunkHeaderBytes> header{};
    while (pos + kChunkHeaderBytes <= limit && src.read(pos, header.data(), header.size())) {
        const Chunk chunk{pos, le32(header.data() + 4)};
        if (std::memcmp(header.data(), id, 4) == 0) return chunk;
        pos = chunk.after();
    }
    return std::nullopt;
}

[[noreturn]] void fail(const char* message) {
    throw EMixerError(message);
}

}  // namespace

RiffWave RiffWaveReader::read(const ByteSource& src) {
    const std::uint64_t fileEnd = src.size();

    // The RIFF chunk of form type WAVE, among the chunks at the top of the file.
    std::optional<Chunk> riff;
    for (std::uint64_t pos = 0;;) {
        riff = findChunk(src, "RIFF", pos, fileEnd);
        if (!riff) fail(msg::kNotWave);
        std::array<char, 4> form{};
        if (riff->size >= 4 && src.read(riff->contents(), form.data(), form.size()) &&
            std::memcmp(form.data(), "WAVE", 4) == 0)
            break;
        pos = riff->after();
    }
    const std::uint64_t riffEnd = riff->contents() + riff->size;
    const std::uint64_t firstSubchunk = riff->contents() + 4;

    const std::optional<Chunk> fmt = findChunk(src, "fmt ", firstSubchunk, riffEnd);
    if (!fmt) fail(msg::kCorrupted);
    std::array<std::uint8_t, kFormatBytes> raw{};
    if (fmt->size < kFormatBytes || !src.read(fmt->contents(), raw.data(), raw.size()))
        fail(msg::kReadFormat);
    RiffWave wave;
    wave.format.formatTag = le16(raw.data());
    wave.format.channels = le16(raw.data() + 2);
    wave.format.samplesPerSec = le32(raw.data() + 4);
    wave.format.avgBytesPerSec = le32(raw.data() + 8);
    wave.format.blockAlign = le16(raw.data() + 12);
    wave.format.bitsPerSample = le16(raw.data() + 14);
    if (wave.format.formatTag != kFormatPcm) fail(msg::kNotPcm);

    // The data chunk is looked for after the format chunk, as the chunk walk goes on from there.
    const std::optional<Chunk> data = findChunk(src, "data", fmt->after(), riffEnd);
    if (!data) fail(msg::kNoDataChunk);
    if (data->size == 0) fail(msg::kEmptyData);
    if (data->size > kMaxDataBytes) fail(msg::kNoMemory);
    if (data->contents() + data->size > fileEnd) fail(msg::kReadData);
    try {
        wave.data.resize(data->size);
    } catch (const std::bad_alloc&) {
        fail(msg::kNoMemory);
    }
    if (!src.read(data->contents(), wave.data.data(), wave.data.size())) fail(msg::kReadData);
    return wave;
}

}  // namespace sound

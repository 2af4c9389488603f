// Reading RIFF WAVE images: every check and its message, and no read past what is there.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "SoundTestKit.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"
#include "sound/RiffWaveReader.h"
#include "sound/WaveModule.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::makeWav;

namespace {

std::string readError(const Bytes& image) {
    try {
        RiffWaveReader::read(MemoryByteSource(image));
    } catch (const EMixerError& e) {
        return e.what();
    }
    return "(no error)";
}

void set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

const Bytes kGood = makeWav(1, 11025, 8, Bytes(10, 100));  // fmt at 12, data header at 36, samples at 44

struct ImageRow {
    const char* name;
    std::function<Bytes()> make;
    const char* message;
};
class MalformedImages : public testing::TestWithParam<ImageRow> {};

}  // namespace

TEST(RiffWaveReader, ReadsFormatAndData) {
    const RiffWave w = RiffWaveReader::read(MemoryByteSource(kGood));
    EXPECT_EQ(w.format, WaveFormat::pcm8(11025, 1));
    EXPECT_EQ(w.data, Bytes(10, 100));
}

TEST(RiffWaveReader, SkipsOtherChunksWithTheirPadding) {
    Bytes b(kGood.begin(), kGood.begin() + 36);
    const Bytes list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, one pad byte
    b.insert(b.end(), list.begin(), list.end());
    b.insert(b.end(), kGood.begin() + 36, kGood.end());
    set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    EXPECT_EQ(RiffWaveReader::read(MemoryByteSource(b)).data, Bytes(10, 100));
}

TEST_P(MalformedImages, FailWithTheirMessage) {
    EXPECT_EQ(readError(GetParam().make()), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedImages,
    testing::Values(
        ImageRow{"Empty", [] { return Bytes{}; }, msg::kNotWave},
        ImageRow{"Text", [] { return Bytes(100, 'x'); }, msg::kNotWave},
        ImageRow{"RiffOfAnotherForm",
                 [] {
                     Bytes b = kGood;
                     b[8] = 'A';
                     return b;
                 },
                 msg::kNotWave},
        ImageRow{"CutInTheRiffHeader", [] { return Bytes(kGood.begin(), kGood.begin() + 10); },
                 msg::kNotWave},
        ImageRow{"NoFormatChunk",
                 [] {
                     Bytes b = kGood;
                     b[12] = 'X';
                     return b;
                 },
                 msg::kCorrupted},
        ImageRow{"RiffSizeTooSmallForFormat",
                 [] {
                     Bytes b = kGood;
                     set32(b, 4, 4);
                     return b;
                 },
                 msg::kCorrupted},
        ImageRow{"FormatChunkTooShort",
                 [] {
                     Bytes b = kGood;
                     set32(b, 16, 14);
                     return b;
                 },
                 msg::kReadFormat},
        ImageRow{"CutInTheFormat", [] { return Bytes(kGood.begin(), kGood.begin() + 30); }, msg::kReadFormat},
        ImageRow{"NotPcm", [] { return makeWav(1, 11025, 8, Bytes(10, 1), 3); }, msg::kNotPcm},
        ImageRow{"NoDataChunk",
                 [] {
                     Bytes b = kGood;
                     b[36] = 'D';
                     return b;
                 },
                 msg::kNoDataChunk},
        ImageRow{"CutBeforeData", [] { return Bytes(kGood.begin(), kGood.begin() + 40); }, msg::kNoDataChunk},
        ImageRow{"FormatSizePastTheEnd",
                 [] {
                     Bytes b = kGood;
                     set32(b, 16, 0xFFFFFFF0u);
                     return b;
                 },
                 msg::kNoDataChunk},
        ImageRow{"EmptyData", [] { return makeWav(1, 11025, 8, Bytes{}); }, msg::kEmptyData},
        ImageRow{"DataSizePastTheEnd",
                 [] {
                     Bytes b = kGood;
                     set32(b, 40, 11);
                     return b;
                 },
                 msg::kReadData},
        ImageRow{"DataCut", [] { return Bytes(kGood.begin(), kGood.end() - 1); }, msg::kReadData},
        ImageRow{"AbsurdDataSize",
                 [] {
                     Bytes b = kGood;
                     set32(b, 40, 0xFFFFFFFFu);
                     return b;
                 },
                 msg::kNoMemory}),
    [](const testing::TestParamInfo<ImageRow>& info) { return std::string(info.param.name); });

TEST(RiffWaveReader, DataBeforeTheFormatChunkIsNotFound) {
    Bytes b(kGood.begin(), kGood.begin() + 12);
    b.insert(b.end(), kGood.begin() + 36, kGood.end());         // data first
    b.insert(b.end(), kGood.begin() + 12, kGood.begin() + 36);  // then fmt
    EXPECT_EQ(readError(b), msg::kNoDataChunk);
}

TEST(WaveModule, FindsResourcesByNameOrNumber) {
    WaveModule module;
    module.add("Boom", kGood);
    module.add(std::uint16_t{7}, kGood);
    EXPECT_TRUE(module.find("BOOM"));
    EXPECT_TRUE(module.find("#7"));
    EXPECT_FALSE(module.find("#8"));
    EXPECT_FALSE(module.find("#99999"));
}

// Both byte sources give exactly the bytes asked for or nothing: an empty image, a read that reaches past the
// end or starts beyond it, and for files a name that is missing or a folder.
TEST(ByteSource, ReadsWholeRangesOnly) {
    std::uint8_t out[4] = {9, 9, 9, 9};
    const MemoryByteSource empty{std::span<const std::uint8_t>()};
    EXPECT_TRUE(empty.read(0, out, 0));
    EXPECT_FALSE(empty.read(0, out, 1));
    EXPECT_FALSE(empty.read(1, out, 0));

    const Bytes bytes{1, 2, 3};
    const MemoryByteSource memory(bytes);
    EXPECT_TRUE(memory.read(1, out, 2));
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[1], 3);
    EXPECT_TRUE(memory.read(3, out, 0));
    EXPECT_FALSE(memory.read(2, out, 2));
    EXPECT_FALSE(memory.read(~std::uint64_t{0}, out, 1));

    soundtest::TempDir dir;
    dir.write("three.bin", bytes);
    const auto file = FileByteSource::open(dir.path("three.bin"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), 3u);
    EXPECT_TRUE(file->read(2, out, 1));
    EXPECT_EQ(out[0], 3);
    EXPECT_FALSE(file->read(2, out, 2));
    EXPECT_FALSE(file->read(4, out, 0));
    EXPECT_FALSE(FileByteSource::open(dir.path("missing.bin")));
    EXPECT_FALSE(FileByteSource::open(dir.dir()));
    // A pipe at a sound's name is refused at once: nobody writes to it, so a reader that waited would hang.
    ASSERT_EQ(::mkfifo(dir.path("pipe.wav").c_str(), 0600), 0);
    EXPECT_FALSE(FileByteSource::open(dir.path("pipe.wav")));
}

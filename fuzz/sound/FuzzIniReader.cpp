// libFuzzer target: any bytes as SOUNDMIX.INI, with the look-ups the mixer makes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const base::IniFile ini =
        base::IniFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    static const char* const kKeys[] = {"Remix",         "GoodWavePos",   "WaveBlocks",     "WaveBlockLen",
                                        "SamplesPerSec", "WaveOutDevice", "Virtual Output", ""};
    static const char* const kSections[] = {"default", "general", "not compatible", "Virtual Output", ""};
    volatile std::uint32_t sink = 0;
    for (const char* section : kSections)
        for (const char* key : kKeys) sink = sink ^ static_cast<std::uint32_t>(ini.getInt(section, key, 3));
    return 0;
}

// Builds a RIFF WAVE image from fuzz input: the first bytes choose the format record, the chunk layout and
// the declared sizes (mostly sensible, sometimes not), the rest of the input becomes the samples. Random
// bytes rarely make a file whose sizes agree; this way most inputs get past the header checks.
#pragma once

#include <cstdint>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

namespace fuzzwav {

std::vector<std::uint8_t> buildImage(FuzzedDataProvider& in);

}  // namespace fuzzwav

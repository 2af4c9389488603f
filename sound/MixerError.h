// The one error kind of the mixer: every failure of the session engine and the wave loader raises it.
#pragma once

#include <stdexcept>
#include <string>

namespace sound {

class EMixerError : public std::runtime_error {
  public:
    explicit EMixerError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sound

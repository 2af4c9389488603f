// A score in groups of four digits with 億 and 万, e.g. 20億0000万0000.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// high億mid万low from the last four digits of v, v div 10^4 and v div 10^8; leading groups of "0"
// are left out. A negative value keeps its sign in front.
std::string scoreText(std::int64_t v);
// The score as the window shows it: scoreText in Japanese, grouped by thousands in other languages
// ("33,650"). Files keep scoreText whatever the language.
std::string shownScore(std::int64_t v);
// The scoreText of a score as shownScore showed it (a caption read back for a file); a text without digits is
// returned as it is.
std::string scoreTextOfShown(const std::string& shown);

}  // namespace engine

// The moves of a play as a small text file, to keep a play and watch it again: a header line, then one
// move a line as describe() writes it ("serve 5 @0", "bar 7 @31", "turn @40", "explode @52"), first
// move first; CR LF line ends. Blank lines and lines beginning with '#' are skipped when read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/Move.h"

namespace solver {

inline constexpr const char* kMovesHeader = "zorban moves 1";
// The most moves a play makes at one ball tick (bar moves, a turn, an explosion and the serve after it,
// with room to spare); a file with more at one tick is refused, so that a replay's work per tick stays small.
inline constexpr int kMaxMovesPerTick = 8;

std::string movesText(const std::vector<Move>& moves);
// The moves of text; nothing, with error naming the line and what is wrong with it, when it is not a
// moves file (no header, an unknown move, a column outside 1..10, ticks going back, more than
// kMaxMovesPerTick moves at one tick). A bad line is quoted with its control and non-ASCII bytes escaped.
std::optional<std::vector<Move>> parseMoves(std::string_view text, std::string& error);

// Writes a new file or replaces one whole through base::TextWriter: a failure leaves no partial file.
// Throws std::runtime_error naming the file.
void writeMovesFile(const std::string& path, const std::vector<Move>& moves);
// Reads through base::readWholeFile (a regular file of at most 16 MB). Throws std::runtime_error naming the
// file when it cannot be read whole or parsed.
std::vector<Move> readMovesFile(const std::string& path);

}  // namespace solver

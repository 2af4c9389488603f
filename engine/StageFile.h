// Reading and writing stage files: 10,000 codes column by column, then the title and the author.
#pragma once

#include <cstddef>
#include <string>

#include "engine/BlockGrid.h"

namespace engine {

// The largest stage file read: a stage of 10,000 codes takes about 30 KB, so anything near this is no stage.
inline constexpr std::size_t kMaxStageFileBytes = 1u << 20;

// Fills grid, then title and author, from path. Throws base::IoError for a file that cannot be opened, one
// that is no regular file or larger than kMaxStageFileBytes (read error, at once), or a value that is not a
// number; the cells read before then keep their new values, the rest and
// title and author their old ones. A file that ends early is no error: missing cells become 0 and a
// missing title or author is empty.
void loadStageFile(const std::string& path, BlockGrid& grid, std::string& title, std::string& author);

// The same from bytes already in memory (fuzzing, tests).
void loadStageBytes(std::string bytes, BlockGrid& grid, std::string& title, std::string& author);

// Writes every cell, then title and author, in code page 932 with CR LF. The file is replaced only
// when complete, so a failed save leaves the previous file as it was. Throws base::IoError, or
// base::EncodingError for a title or author that code page 932 cannot hold.
void saveStageFile(const std::string& path, const BlockGrid& grid, const std::string& title,
                   const std::string& author);

}  // namespace engine

// Writing and reading moves files.
#include "solver/MovesFile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace solver {
namespace {

constexpr std::size_t kMaxFileBytes = 16 << 20;  // far more than any stage's moves
constexpr std::int64_t kMaxTick = 1'000'000'000;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

template <class T>
bool number(std::string_view s, T& v) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && end == s.data() + s.size();
}

// One move line: KIND [COLUMN] @TICK.
std::optional<Move> parseLine(std::string_view line) {
    const std::size_t at = line.rfind(" @");
    if (at == std::string_view::npos) return std::nullopt;
    Move m;
    if (!number(line.substr(at + 2), m.atTick) || m.atTick < 0 || m.atTick > kMaxTick) return std::nullopt;
    std::string_view head = trim(line.substr(0, at));
    const std::size_t space = head.find(' ');
    const std::string_view kind = head.substr(0, space);
    const std::string_view arg =
        space == std::string_view::npos ? std::string_view{} : trim(head.substr(space + 1));
    const bool placed = kind == "serve" || kind == "bar";
    if (kind == "serve")
        m.kind = Move::Kind::Serve;
    else if (kind == "bar")
        m.kind = Move::Kind::Bar;
    else if (kind == "turn")
        m.kind = Move::Kind::Turn;
    else if (kind == "explode")
        m.kind = Move::Kind::Explode;
    else
        return std::nullopt;
    if (placed) {
        if (!number(arg, m.column) || m.column < 1 || m.column > 10) return std::nullopt;
    } else if (!arg.empty()) {
        return std::nullopt;
    }
    return m;
}

}  // namespace

std::string movesText(const std::vector<Move>& moves) {
    std::string text = std::string(kMovesHeader) + "\r\n";
    for (const Move& m : moves) text += describe(m) + "\r\n";
    return text;
}

std::optional<std::vector<Move>> parseMoves(std::string_view text, std::string& error) {
    std::vector<Move> moves;
    bool header = false;
    int lineNo = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNo;
        if (line.empty() || line.front() == '#') continue;
        if (!header) {
            if (line != kMovesHeader) {
                error = "line " + std::to_string(lineNo) + ": not a moves file (the first line must be \"" +
                        kMovesHeader + "\")";
                return std::nullopt;
            }
            header = true;
            continue;
        }
        const std::optional<Move> m = parseLine(line);
        if (!m) {
            error = "line " + std::to_string(lineNo) + ": not a move: " + std::string(line.substr(0, 80));
            return std::nullopt;
        }
        if (!moves.empty() && m->atTick < moves.back().atTick) {
            error = "line " + std::to_string(lineNo) + ": the tick goes back";
            return std::nullopt;
        }
        moves.push_back(*m);
    }
    if (!header) {
        error = "empty: not a moves file";
        return std::nullopt;
    }
    return moves;
}

void writeMovesFile(const std::string& path, const std::vector<Move>& moves) {
    const std::string partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << movesText(moves);
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(partial, ec);
            throw std::runtime_error("cannot write " + path);
        }
    }
    std::error_code ec;
    std::filesystem::rename(partial, path, ec);
    if (ec) {
        std::filesystem::remove(partial, ec);
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<Move> readMovesFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::string text;
    char buf[4096];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        text.append(buf, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes) throw std::runtime_error(path + ": too large for a moves file");
    }
    std::string error;
    auto moves = parseMoves(text, error);
    if (!moves) throw std::runtime_error(path + ": " + error);
    return *moves;
}

}  // namespace solver

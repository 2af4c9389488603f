// Writing and reading moves files.
#include "solver/MovesFile.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>

#include "base/InputFile.h"
#include "base/TextWriter.h"

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

// The line in double quotes, every byte outside printable ASCII (and the quote and backslash) escaped, so
// that an error message never hands a terminal its control sequences.
std::string quoted(std::string_view line) {
    std::string q = "\"";
    for (const char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b > 0x7e || c == '"' || c == '\\') {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            q += hex;
        } else {
            q += c;
        }
    }
    return q + "\"";
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
    int atSameTick = 0;  // moves so far at the tick of the last one
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
            error = "line " + std::to_string(lineNo) + ": not a move: " + quoted(line.substr(0, 80));
            return std::nullopt;
        }
        if (!moves.empty() && m->atTick < moves.back().atTick) {
            error = "line " + std::to_string(lineNo) + ": the tick goes back";
            return std::nullopt;
        }
        atSameTick = !moves.empty() && m->atTick == moves.back().atTick ? atSameTick + 1 : 1;
        if (atSameTick > kMaxMovesPerTick) {
            error = "line " + std::to_string(lineNo) + ": more than " + std::to_string(kMaxMovesPerTick) +
                    " moves at tick " + std::to_string(m->atTick) + ", more than a play makes";
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
    try {
        base::TextWriter out(path);
        out.writeRawLine(kMovesHeader);
        for (const Move& m : moves) out.writeRawLine(describe(m));
        out.commit();
    } catch (const base::IoError& e) {
        throw std::runtime_error("cannot write " + path + ": " + e.what());
    }
}

std::vector<Move> readMovesFile(const std::string& path) {
    std::string text;
    try {
        text = base::readWholeFile(path, kMaxFileBytes);
    } catch (const base::ReadError& e) {
        throw std::runtime_error(path + ": " + e.reason());
    }
    std::string error;
    auto moves = parseMoves(text, error);
    if (!moves) throw std::runtime_error(path + ": " + error);
    return *moves;
}

}  // namespace solver

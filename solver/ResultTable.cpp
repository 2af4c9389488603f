// Formatting of the solver's tables.
#include "solver/ResultTable.h"

#include <cstdio>

namespace solver {
namespace {

constexpr int kTitleColumns = 26;

// Code point at s[i] and its length in bytes (a stray byte counts as one character).
std::pair<char32_t, std::size_t> codePoint(const std::string& s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = b < 0x80             ? 1
                      : (b & 0xE0) == 0xC0 ? 2
                      : (b & 0xF0) == 0xE0 ? 3
                      : (b & 0xF8) == 0xF0 ? 4
                                           : 1;
    if (i + len > s.size()) len = 1;
    if (len == 1) return {b, 1};
    char32_t cp = b & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return {cp, len};
}

bool wide(char32_t cp) {
    if (cp >= 0xFF61 && cp <= 0xFF9F) return false;  // half-width katakana
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000;
}

std::string format(const char* fmt, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

}  // namespace

int displayWidth(const std::string& utf8) {
    int w = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [cp, len] = codePoint(utf8, i);
        w += wide(cp) ? 2 : 1;
        i += len;
    }
    return w;
}

std::string fitWidth(const std::string& utf8, int width) {
    std::string out;
    int w = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [cp, len] = codePoint(utf8, i);
        const int cw = wide(cp) ? 2 : 1;
        if (w + cw > width) break;
        out.append(utf8, i, len);
        w += cw;
        i += len;
    }
    return out + std::string(static_cast<std::size_t>(width - w), ' ');
}

std::string clearedText(const StageResult& r) {
    if (!r.error.empty()) return "no/file";
    switch (r.play.end) {
        case Phase::Cleared:
            return "yes";
        case Phase::GameOver:
            return r.timeLeft <= 0 ? "no/time" : "no/lives";
        default:
            return r.play.searchCut ? "no/cut" : "no/stuck";
    }
}

std::string stageHeader() {
    return "course stage " + fitWidth("title", kTitleColumns) +
           " cleared   ticks  time lives turns       score  note";
}

std::string stageLine(const StageResult& r) {
    std::string note;
    if (r.restarted) note += "fresh start; ";
    if (!r.error.empty()) note += r.error + "; ";
    if (r.error.empty() && !r.play.cleared()) note += std::to_string(r.play.blocksLeft) + " blocks left; ";
    if (!note.empty()) note.resize(note.size() - 2);
    const std::string course = r.course ? std::to_string(r.course) : "-";
    return format("%6s %5d ", course.c_str(), r.stage) + fitWidth(r.title, kTitleColumns) +
           format(" %-8s %6lld %5d %5d %5d %11d  ", clearedText(r).c_str(),
                  static_cast<long long>(r.play.ticks), r.play.timeUsed, r.play.livesLost, r.play.turns,
                  r.score) +
           note;
}

double difficultyOf(const CourseResult& c) {
    if (c.stages.empty()) return 0;
    double sum = 0;
    for (const StageResult& s : c.stages) sum += s.play.timeUsed + kLifeWorthUnits * s.play.livesLost;
    return sum / static_cast<double>(c.stages.size());
}

CourseTotals totalsOf(const CourseResult& c) {
    CourseTotals t;
    t.course = c.course;
    t.stages = static_cast<int>(c.stages.size());
    for (const StageResult& s : c.stages) {
        t.cleared += s.cleared() ? 1 : 0;
        t.ticks += s.play.ticks;
        t.timeUsed += s.play.timeUsed;
        t.livesLost += s.play.livesLost;
        t.turns += s.play.turns;
    }
    if (!c.stages.empty()) {
        t.score = c.stages.back().score;
        t.timeLeft = c.stages.back().timeLeft;
    }
    t.completed = c.completed();
    t.difficulty = difficultyOf(c);
    return t;
}

std::string totalsHeader() {
    return "course stages cleared run        ticks  time lives turns  time-left       score  difficulty";
}

std::string totalsLine(const CourseTotals& t) {
    return format("%6d %6d %7d %-6s %9lld %5d %5d %5d %10d %11d  %10.1f", t.course, t.stages, t.cleared,
                  t.completed ? "ok" : "BROKEN", static_cast<long long>(t.ticks), t.timeUsed, t.livesLost,
                  t.turns, t.timeLeft, t.score, t.difficulty);
}

}  // namespace solver

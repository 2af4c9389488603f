// Argument handling and the report of zorban_solve.
#include "solver/SolveCommand.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <thread>
#include <type_traits>

#include "solver/CourseCheck.h"
#include "solver/CoursePlayer.h"
#include "solver/MovesFile.h"
#include "solver/ResultTable.h"

namespace solver {
namespace {

struct Options {
    std::vector<std::string> files;
    std::optional<int> course;
    bool all = false;
    bool check = false;
    bool moves = false;
    bool field = false;
    bool runner = false;
    bool beamGiven = false;
    std::string movesFile;
    std::string datDir;
    SearchLimits limits;
    int jobs = 0;  // 0: one per processor
    std::int32_t startTime = kCourseStartTime;
    std::int32_t lives = kCourseStartLives;
};

std::optional<long long> number(const std::string& s) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

// Parses args into o; returns an error text, or empty.
std::string parse(const std::vector<std::string>& args, Options& o, bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](long long lo, long long hi, auto& into) -> std::string {
            if (i + 1 >= args.size()) return a + " needs a value";
            const auto v = number(args[++i]);
            if (!v || *v < lo || *v > hi)
                return a + " takes a number from " + std::to_string(lo) + " to " + std::to_string(hi);
            into = static_cast<std::remove_reference_t<decltype(into)>>(*v);
            return {};
        };
        std::string error;
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--all") {
            o.all = true;
        } else if (a == "--check") {
            o.check = true;
        } else if (a == "--moves") {
            o.moves = true;
        } else if (a == "--field") {
            o.field = true;
        } else if (a == "--runner") {
            o.runner = true;
        } else if (a == "--moves-file") {
            if (i + 1 >= args.size()) return "--moves-file needs a file name";
            o.movesFile = args[++i];
        } else if (a == "--course") {
            int c = 0;
            error = value(kFirstCourse, kLastCourse, c);
            o.course = c;
        } else if (a == "--dat") {
            if (i + 1 >= args.size()) return "--dat needs a folder";
            o.datDir = args[++i];
        } else if (a == "--beam") {
            error = value(1, 1000, o.limits.beamWidth);
            o.beamGiven = true;
        } else if (a == "--budget") {
            error = value(1000, 1'000'000'000, o.limits.simTickBudget);
        } else if (a == "--no-turns") {
            o.limits.turns = false;
        } else if (a == "--no-explosions") {
            o.limits.explosions = false;
        } else if (a == "--jobs") {
            error = value(1, 64, o.jobs);
        } else if (a == "--time") {
            error = value(1, 999, o.startTime);
        } else if (a == "--lives") {
            error = value(1, 99, o.lives);
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + a;
        } else {
            o.files.push_back(a);
        }
        if (!error.empty()) return error;
    }
    if (help) return {};
    const int modes = (o.all ? 1 : 0) + (o.course ? 1 : 0) + (o.files.empty() ? 0 : 1);
    if (modes != 1) return "give stage files, or --course N, or --all";
    if ((o.all || o.course) && o.datDir.empty()) return "--course and --all need --dat DIR";
    if (o.check && o.files.size()) return "--check applies to --course and --all";
    if (o.runner && o.files.empty()) return "--runner applies to stage files";
    if (!o.movesFile.empty() && o.files.size() != 1) return "--moves-file takes the moves of one stage file";
    if (!o.beamGiven && o.files.empty()) o.limits.beamWidth = kCourseBeamWidth;
    return {};
}

// The details asked for below a stage's line.
void printDetails(std::ostream& out, const Options& o, const StageResult& r) {
    if (o.moves) {
        out << "  moves:";
        for (const Move& m : r.play.moves) out << ' ' << describe(m) << ';';
        out << '\n';
    }
    if (o.field && r.error.empty() && !r.cleared())
        for (const std::string& row : r.play.field) out << "    " << row << '\n';
}

}  // namespace

std::string solveUsage() {
    return "usage: zorban_solve [options] STAGEFILE...\n"
           "       zorban_solve [options] --course N --dat DIR\n"
           "       zorban_solve [options] --all --dat DIR\n"
           "Plays stages through the game's engine, choosing where the bar meets the ball (and right clicks\n"
           "and explosions),\n"
           "and reports for each stage: cleared or not, ball ticks, time units used, lives lost, turns, "
           "score.\n"
           "Stage files are each played as the first stage of a run; --course plays official course N\n"
           "(DIR/mapN-0.dat onward) in one run from 160 time units and 10 lives, each CLEAR giving the "
           "least\n"
           "time gift (60); --all plays the six courses and adds per-course totals.\n"
           "Options:\n"
           "  --check      also check the official courses: every stage cleared, every run finished, no "
           "stage\n"
           "               under 100 ticks, difficulty in rating order (2, 1, 4, 6, 3)\n"
           "  --moves      list the moves played in each stage\n"
           "  --moves-file OUT  write the moves played in the one stage file given to OUT, for\n"
           "               zorban_runner --replay OUT FILE (with --runner, which plays as the runner does)\n"
           "  --runner     play stage files as zorban_runner does: its rules, 500 time units, 10 lives\n"
           "  --field      show the field left by each stage that is not cleared\n"
           "  --beam N     paths the search keeps after each hit (default 24 for stage files, 4 for "
           "courses)\n"
           "  --budget N   ball ticks the search may simulate per stage (default 1500000)\n"
           "  --no-turns   never right-click\n"
           "  --no-explosions  never left-click while the ball runs (an explosion costs a life)\n"
           "  --jobs N     courses played at once (default: one per processor)\n"
           "  --time N     time units for a stage file (default 160)\n"
           "  --lives N    lives for a stage file (default 10)\n"
           "  --help       this text\n"
           "Exit status: 0 when every stage is cleared (and the checks hold), 1 otherwise, 2 for bad "
           "arguments.\n";
}

int runSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    bool help = false;
    if (const std::string error = parse(args, o, help); !error.empty()) {
        err << "zorban_solve: " << error << "\n" << solveUsage();
        return kExitUsage;
    }
    if (help) {
        out << solveUsage();
        return kExitAllCleared;
    }
    const CoursePlayer player(o.limits);
    bool allCleared = true;
    out << stageHeader() << '\n';
    if (!o.files.empty()) {
        for (const std::string& f : o.files) {
            StageResult r = o.runner ? player.playFileAsRunner(f) : player.playFile(f, o.startTime, o.lives);
            if (r.title.empty()) r.title = f;
            allCleared = allCleared && r.cleared();
            out << stageLine(r) << '\n';
            printDetails(out, o, r);
            if (!o.movesFile.empty() && r.error.empty()) {
                try {
                    writeMovesFile(o.movesFile, r.play.moves);
                } catch (const std::exception& e) {
                    err << "zorban_solve: " << e.what() << '\n';
                    return kExitNotCleared;
                }
            }
        }
        return allCleared ? kExitAllCleared : kExitNotCleared;
    }
    std::vector<int> courses;
    if (o.course) {
        courses.push_back(*o.course);
    } else {
        for (int c = kFirstCourse; c <= kLastCourse; ++c) courses.push_back(c);
    }
    const int jobs =
        o.jobs > 0 ? o.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::vector<CourseResult> results = player.playCourses(courses, o.datDir, jobs);
    for (const CourseResult& c : results)
        for (const StageResult& s : c.stages) {
            allCleared = allCleared && s.cleared();
            out << stageLine(s) << '\n';
            printDetails(out, o, s);
        }
    out << '\n' << totalsHeader() << '\n';
    for (const CourseResult& c : results) {
        allCleared = allCleared && c.completed();
        out << totalsLine(totalsOf(c)) << '\n';
    }
    if (o.check) {
        const std::vector<std::string> problems = checkCourses(results);
        out << '\n' << (problems.empty() ? "all checks hold" : "checks broken:") << '\n';
        for (const std::string& p : problems) out << "  " << p << '\n';
        if (!problems.empty()) return kExitNotCleared;
    }
    return allCleared ? kExitAllCleared : kExitNotCleared;
}

}  // namespace solver

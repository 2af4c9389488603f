// Argument handling and the report of zorban_solve.
#include "solver/SolveCommand.h"

#include <charconv>
#include <limits>
#include <optional>
#include <ostream>
#include <thread>

#include "base/ProgramOptions.h"
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

constexpr const char* kProgram = "zorban_solve";

constexpr const char* kSummary =
    "Plays stages through the game's engine, choosing where the bar meets the ball (and right clicks\n"
    "and explosions), and reports for each stage: cleared or not, ball ticks, time units used, lives\n"
    "lost, turns, score.\n"
    "Stage files are each played as the first stage of a run; --course N --dat DIR plays official\n"
    "course N (DIR/mapN-0.dat onward) in one run from 160 time units and 10 lives, each CLEAR giving\n"
    "the least time gift (60); --all --dat DIR plays the six courses and adds per-course totals.\n"
    "Exit status: 0 when every stage is cleared (and the checks hold), 1 otherwise, 2 for bad\n"
    "arguments.";

base::ProgramOptions solveOptions() {
    base::ProgramOptions p(kProgram, kSummary);
    p.addOption("-h", {}, "the same as --help");
    p.addFiles("STAGEFILE", std::numeric_limits<int>::max(), "a stage file to play");
    p.addOption("--course", {"N"}, "play official course N (1 to 6)");
    p.addOption("--all", {}, "play the six official courses");
    p.addOption("--dat", {"DIR"}, "the folder of the official stage files");
    p.addOption("--check", {},
                "also check the official courses: every stage cleared, every run\n"
                "finished, no stage under 100 ticks, difficulty in rating order\n"
                "(2, 1, 4, 6, 3)");
    p.addOption("--moves", {}, "list the moves played in each stage");
    p.addOption("--moves-file", {"OUT"},
                "write the moves played in the one stage file given to OUT, for\n"
                "zorban_runner --replay OUT FILE (with --runner, which plays as\n"
                "the runner does)");
    p.addOption("--runner", {},
                "play stage files as zorban_runner does: its rules, 500 time\nunits, 10 lives");
    p.addOption("--field", {}, "show the field left by each stage that is not cleared");
    p.addOption("--beam", {"N"},
                "paths the search keeps after each hit (default 24 for stage\nfiles, 4 for courses)");
    p.addOption("--budget", {"N"}, "ball ticks the search may simulate per stage (default 1500000)");
    p.addOption("--no-turns", {}, "never right-click");
    p.addOption("--no-explosions", {}, "never left-click while the ball runs (an explosion costs a\nlife)");
    p.addOption("--jobs", {"N"}, "courses played at once (default: one per processor)");
    p.addOption("--time", {"N"}, "time units for a stage file (default 160)");
    p.addOption("--lives", {"N"}, "lives for a stage file (default 10)");
    return p;
}

std::optional<long long> number(const std::string& s) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

// Reads the number given with option name into `into` when it lies in lo..hi; returns an error text, or
// empty (also when the option was not given).
template <class T>
std::string numberOption(const base::ProgramOptions& p, const std::string& name, long long lo, long long hi,
                         T& into) {
    if (!p.has(name)) return {};
    const auto v = number(p.values(name).front());
    if (!v || *v < lo || *v > hi)
        return name + " takes a number from " + std::to_string(lo) + " to " + std::to_string(hi);
    into = static_cast<T>(*v);
    return {};
}

// The options given, read into o; returns an error text, or empty.
std::string readOptions(const base::ProgramOptions& p, Options& o) {
    o.files = p.files();
    o.all = p.has("--all");
    o.check = p.has("--check");
    o.moves = p.has("--moves");
    o.field = p.has("--field");
    o.runner = p.has("--runner");
    o.limits.turns = !p.has("--no-turns");
    o.limits.explosions = !p.has("--no-explosions");
    if (p.has("--moves-file")) o.movesFile = p.values("--moves-file").front();
    if (p.has("--dat")) o.datDir = p.values("--dat").front();
    o.beamGiven = p.has("--beam");
    int course = 0;
    for (std::string error :
         {numberOption(p, "--course", kFirstCourse, kLastCourse, course),
          numberOption(p, "--beam", 1, 1000, o.limits.beamWidth),
          numberOption(p, "--budget", 1000, 1'000'000'000, o.limits.simTickBudget),
          numberOption(p, "--jobs", 1, 64, o.jobs), numberOption(p, "--time", 1, 999, o.startTime),
          numberOption(p, "--lives", 1, 99, o.lives)})
        if (!error.empty()) return error;
    if (p.has("--course")) o.course = course;
    return {};
}

// Whether the options given make one command; returns an error text, or empty.
std::string checkCombination(Options& o) {
    const int modes = (o.all ? 1 : 0) + (o.course ? 1 : 0) + (o.files.empty() ? 0 : 1);
    if (modes != 1) return "give stage files, or --course N, or --all";
    if ((o.all || o.course) && o.datDir.empty()) return "--course and --all need --dat DIR";
    if (o.check && o.files.size()) return "--check applies to --course and --all";
    if (o.runner && o.files.empty()) return "--runner applies to stage files";
    if (!o.movesFile.empty() && o.files.size() != 1) return "--moves-file takes the moves of one stage file";
    if (!o.beamGiven && o.files.empty()) o.limits.beamWidth = kCourseBeamWidth;
    return {};
}

// Parses args into o. Nothing: the command goes on; a value: it ends at once with that exit status, after
// the help (on out) or a wrong command line (the fault and the usage on err).
std::optional<int> parse(const std::vector<std::string>& args, Options& o, std::ostream& out,
                         std::ostream& err) {
    base::ProgramOptions p = solveOptions();
    std::vector<const char*> argv{kProgram};
    for (const std::string& a : args) argv.push_back(a.c_str());
    if (const auto code = p.parse(static_cast<int>(argv.size()), argv.data(), out, err)) return code;
    if (p.has("-h")) {
        out << p.usage();
        return kExitAllCleared;
    }
    std::string error = readOptions(p, o);
    if (error.empty()) error = checkCombination(o);
    if (error.empty()) return std::nullopt;
    err << kProgram << ": " << error << "\n" << p.usage();
    return kExitUsage;
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
    return solveOptions().usage();
}

int runSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    if (const auto code = parse(args, o, out, err)) return *code;
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

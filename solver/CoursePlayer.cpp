// Runs of courses and single stage files through the stage solver.
#include "solver/CoursePlayer.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "engine/StageFile.h"

namespace solver {

bool CourseResult::completed() const {
    return !stages.empty() && std::all_of(stages.begin(), stages.end(),
                                          [](const StageResult& s) { return s.cleared() && !s.restarted; });
}

std::string stagePath(const std::string& datDir, int course, int stage) {
    std::string dir = datDir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + "map" + std::to_string(course) + "-" + std::to_string(stage) + ".dat";
}

int courseStageCount(int course) {
    StageSim sim;
    sim.startCourse(course);
    return sim.state().lastStageNo + 1;
}

CoursePlayer::Loaded CoursePlayer::load(const std::string& path) {
    Loaded l;
    try {
        engine::loadStageFile(path, l.data.grid, l.data.title, l.data.author);
    } catch (const std::exception& e) {
        l.error = e.what();
    }
    return l;
}

namespace {

// Solves the stage just begun and notes the figures the player would see afterwards.
void solveInto(StageSim& sim, const SearchLimits& limits, StageResult& r) {
    StageSolver solver(sim, limits);
    r.play = solver.solve();
    const engine::tmy& my = sim.state().my;
    r.score = my.score;
    r.timeLeft = my.timeLeft;
    r.hp = r.play.end == Phase::GameOver ? 0 : my.hp;  // GAME OVER shows 10 again
}

}  // namespace

StageResult CoursePlayer::playFile(const std::string& path, std::int32_t startTime,
                                   std::int32_t lives) const {
    StageSim sim;
    sim.startCourse(kFirstCourse, startTime, lives);
    return playFileOn(sim, path);
}

StageResult CoursePlayer::playFileAsRunner(const std::string& path) const {
    StageSim sim(kSolverSeed, engine::Rules::runner());
    sim.startRunner();
    return playFileOn(sim, path);
}

StageResult CoursePlayer::playFileOn(StageSim& sim, const std::string& path) const {
    StageResult r;
    r.path = path;
    const Loaded l = load(path);
    r.title = l.data.title;
    if (!l.error.empty()) {
        r.error = l.error;
        return r;
    }
    sim.beginStage(l.data, 0);
    solveInto(sim, limits_, r);
    return r;
}

CourseResult CoursePlayer::playLoaded(int course, const std::string& datDir,
                                      const std::vector<Loaded>& stages) const {
    CourseResult result;
    result.course = course;
    StageSim sim;
    sim.startCourse(course);
    std::int32_t gift = 0;
    bool broken = false;
    for (int s = 0; s < static_cast<int>(stages.size()); ++s) {
        StageResult r;
        r.course = course;
        r.stage = s;
        r.path = stagePath(datDir, course, s);
        r.title = stages[s].data.title;
        r.restarted = broken;
        r.error = stages[s].error;
        if (r.error.empty()) {
            sim.beginStage(stages[s].data, gift);
            solveInto(sim, limits_, r);
        }
        if (r.error.empty() && r.play.cleared()) {
            gift = kLeastTimeGift;
        } else {
            // The run is over here; the remaining stages are still measured, each run from a fresh start.
            broken = true;
            sim.startCourse(course);
            sim.play().state.my.stageNo = s;  // the next stage start counts on from here
            gift = 0;
        }
        result.stages.push_back(std::move(r));
    }
    return result;
}

CourseResult CoursePlayer::playCourse(int course, const std::string& datDir) const {
    return playCourses({course}, datDir, 1).front();
}

std::vector<CourseResult> CoursePlayer::playCourses(const std::vector<int>& courses,
                                                    const std::string& datDir, int jobs) const {
    // Files are read here, one at a time; the runs share nothing and go in parallel.
    std::vector<std::vector<Loaded>> loaded;
    for (int c : courses) {
        loaded.emplace_back();
        const int stages = courseStageCount(c);
        for (int s = 0; s < stages; ++s) loaded.back().push_back(load(stagePath(datDir, c, s)));
    }
    std::vector<CourseResult> results(courses.size());
    // The longest courses first, so that no thread is left with a long one at the end.
    std::vector<std::size_t> order(courses.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return loaded[a].size() > loaded[b].size(); });
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t k = next++; k < order.size(); k = next++) {
            const std::size_t i = order[k];
            results[i] = playLoaded(courses[i], datDir, loaded[i]);
        }
    };
    const int threads = std::clamp(jobs, 1, static_cast<int>(courses.size()));
    std::vector<std::jthread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    return results;
}

}  // namespace solver

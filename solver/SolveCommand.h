// The command line of zorban_solve: stage files, one course or all six, with the report and the checks.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace solver {

inline constexpr int kExitAllCleared = 0;
inline constexpr int kExitNotCleared = 1;  // a stage not cleared, or a check broken
inline constexpr int kExitUsage = 2;

// args without the program name. Writes the report to out and usage errors to err; returns the exit status.
int runSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string solveUsage();

}  // namespace solver

// zorban_solve: plays stage files or the official courses through the engine and reports how it went.
#include <iostream>
#include <string>
#include <vector>

#include "solver/SolveCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return solver::runSolveCommand(args, std::cout, std::cerr);
}

// The command line of a program: --help, --version, options of its own and stage files to open.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace base {

// Parsed before the window exists, so that --help, --version and a wrong option never open one:
//
//     base::ProgramOptions options("zorban_runner", "Plays one stage file.");
//     options.addFiles("FILE", 1, "the stage file to play at once");
//     if (const auto code = options.parse(argc, argv, std::cout, std::cerr)) return *code;
//
// "--" ends the options; every later word is a file name, even one that begins with '-'.
class ProgramOptions {
  public:
    static constexpr int kExitUsage = 2;  // the exit code of a wrong command line

    // The words of the usage and of a wrong command line; %1 and %2 stand for the option or file named.
    struct Words {
        std::string usage = "Usage: %1 [OPTION]...";
        std::string help = "show this help and exit";
        std::string version = "show the version and exit";
        std::string unknownOption = "unknown option %1";
        std::string needsValue = "%1 needs %2";
        std::string noFileTaken = "no file is taken: %1";
        std::string tooManyFiles = "too many files: %1";
        // The same in the player's language (the translator installed now), for the players' programs;
        // the default words are the build tools'.
        static Words translated();
    };

    ProgramOptions(std::string program, std::string summary);
    ProgramOptions(std::string program, std::string summary, Words words);

    // An option of the program, e.g. add("--demo", {"FILE"}, "plays the stage by itself"). Its values
    // follow it as separate words; an option given twice keeps the later values. A help of several lines
    // ("\n" between them) is shown with each line under the first.
    void addOption(const std::string& name, std::vector<std::string> valueNames, const std::string& help);
    // Up to maxFiles plain words (file names) are taken; more is a wrong command line.
    void addFiles(const std::string& valueName, int maxFiles, const std::string& help);

    // Nothing: the program goes on with what was given. A value: the program exits with it at once, after
    // --help or --version (0, written to out) or a wrong command line (kExitUsage; the fault and the
    // usage written to err).
    std::optional<int> parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

    bool has(const std::string& name) const { return given_.count(name) != 0; }
    // The values given with an option (empty when it was not given).
    const std::vector<std::string>& values(const std::string& name) const;
    const std::vector<std::string>& files() const { return files_; }

    // "Usage: ..." and one line an option.
    std::string usage() const;
    // "<program> <version>"
    std::string versionLine() const;

  private:
    struct Option {
        std::string name;
        std::vector<std::string> valueNames;
        std::string help;
    };
    const Option* find(const std::string& name) const;

    std::string program_;
    std::string summary_;
    Words words_;
    std::vector<Option> options_;
    std::string fileName_;
    std::string fileHelp_;
    int maxFiles_ = 0;
    std::map<std::string, std::vector<std::string>> given_;
    std::vector<std::string> files_;
};

}  // namespace base

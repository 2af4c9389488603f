// Reading the command line of the three programs.
#include "base/ProgramOptions.h"

#include <algorithm>
#include <sstream>

namespace base {
namespace {

const std::vector<std::string> kNoValues;

}  // namespace

ProgramOptions::ProgramOptions(std::string program, std::string summary)
    : program_(std::move(program)), summary_(std::move(summary)) {
    addOption("--help", {}, "show this help and exit");
    addOption("--version", {}, "show the version and exit");
}

void ProgramOptions::addOption(const std::string& name, std::vector<std::string> valueNames,
                               const std::string& help) {
    options_.push_back({name, std::move(valueNames), help});
}

void ProgramOptions::addFiles(const std::string& valueName, int maxFiles, const std::string& help) {
    fileName_ = valueName;
    maxFiles_ = maxFiles;
    fileHelp_ = help;
}

const ProgramOptions::Option* ProgramOptions::find(const std::string& name) const {
    const auto it =
        std::find_if(options_.begin(), options_.end(), [&](const Option& o) { return o.name == name; });
    return it == options_.end() ? nullptr : &*it;
}

const std::vector<std::string>& ProgramOptions::values(const std::string& name) const {
    const auto it = given_.find(name);
    return it == given_.end() ? kNoValues : it->second;
}

std::optional<int> ProgramOptions::parse(int argc, const char* const* argv, std::ostream& out,
                                         std::ostream& err) {
    given_.clear();
    files_.clear();
    const auto wrong = [&](const std::string& fault) {
        err << program_ << ": " << fault << "\n" << usage();
        return std::optional<int>(kExitUsage);
    };
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && word.size() > 1 && word[0] == '-') {
            const Option* o = find(word);
            if (!o) return wrong("unknown option " + word);
            std::vector<std::string> values;
            for (std::size_t k = 0; k < o->valueNames.size(); ++k) {
                if (i + 1 >= argc) return wrong(word + " needs " + o->valueNames[k]);
                values.emplace_back(argv[++i]);
            }
            given_[word] = std::move(values);
            continue;
        }
        if (static_cast<int>(files_.size()) >= maxFiles_)
            return wrong(maxFiles_ == 0 ? "no file is taken: " + word : "too many files: " + word);
        files_.push_back(word);
    }
    // Help and version answer whatever else was given.
    if (has("--help")) {
        out << usage();
        return 0;
    }
    if (has("--version")) {
        out << versionLine() << "\n";
        return 0;
    }
    return std::nullopt;
}

std::string ProgramOptions::usage() const {
    std::ostringstream s;
    s << "Usage: " << program_ << " [OPTION]...";
    if (maxFiles_ > 0) s << " [" << fileName_ << "]" << (maxFiles_ > 1 ? "..." : "");
    s << "\n" << summary_ << "\n\n";
    std::vector<std::pair<std::string, std::string>> lines;
    for (const Option& o : options_) {
        std::string left = o.name;
        for (const std::string& v : o.valueNames) left += " " + v;
        lines.emplace_back(left, o.help);
    }
    if (maxFiles_ > 0) lines.emplace_back(fileName_, fileHelp_);
    std::size_t width = 0;
    for (const auto& l : lines) width = std::max(width, l.first.size());
    const std::string indent(width + 4, ' ');
    for (const auto& [left, help] : lines) {
        s << "  " << left << std::string(width - left.size() + 2, ' ');
        for (const char c : help) {
            s << c;
            if (c == '\n') s << indent;
        }
        s << "\n";
    }
    return s.str();
}

std::string ProgramOptions::versionLine() const {
    return program_ + " " + ZORBAN_VERSION;
}

}  // namespace base

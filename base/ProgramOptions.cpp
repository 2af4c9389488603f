// Reading the command line of the three programs.
#include "base/ProgramOptions.h"

#include <algorithm>
#include <sstream>

#include "base/Translation.h"

namespace base {
namespace {

const std::vector<std::string> kNoValues;

}  // namespace

ProgramOptions::Words ProgramOptions::Words::translated() {
    Words w;
    w.usage = translate("Options", "使い方: %1 [OPTION]...");
    w.help = translate("Options", "このヘルプを表示して終了します");
    w.version = translate("Options", "バージョンを表示して終了します");
    w.unknownOption = translate("Options", "%1 というオプションはありません");
    w.needsValue = translate("Options", "%1 には %2 が要ります");
    w.noFileTaken = translate("Options", "ファイルは指定できません: %1");
    w.tooManyFiles = translate("Options", "ファイルが多すぎます: %1");
    return w;
}

ProgramOptions::ProgramOptions(std::string program, std::string summary)
    : ProgramOptions(std::move(program), std::move(summary), Words()) {}

ProgramOptions::ProgramOptions(std::string program, std::string summary, Words words)
    : program_(std::move(program)), summary_(std::move(summary)), words_(std::move(words)) {
    addOption("--help", {}, words_.help);
    addOption("--version", {}, words_.version);
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
            if (!o) return wrong(fillIn(words_.unknownOption, word));
            std::vector<std::string> values;
            for (std::size_t k = 0; k < o->valueNames.size(); ++k) {
                if (i + 1 >= argc) return wrong(fillIn(words_.needsValue, word, o->valueNames[k]));
                values.emplace_back(argv[++i]);
            }
            given_[word] = std::move(values);
            continue;
        }
        if (static_cast<int>(files_.size()) >= maxFiles_)
            return wrong(fillIn(maxFiles_ == 0 ? words_.noFileTaken : words_.tooManyFiles, word));
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
    s << fillIn(words_.usage, program_);
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

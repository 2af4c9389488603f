// Reading the answer script and writing the dialog log.
#include "app/DialogScript.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

#include "base/InputFile.h"

namespace app {
namespace {

std::string escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

constexpr std::size_t kMaxScriptBytes = 1 << 20;

// The script's answers; none while it is not (yet) a readable file.
std::vector<std::string> answerLines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text;
    try {
        text = base::readWholeFile(path, kMaxScriptBytes);
    } catch (const base::ReadError&) {
        return lines;
    }
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') continue;
        lines.emplace_back(line.substr(first));
    }
    return lines;
}

}  // namespace

DialogScript::DialogScript(std::string path) : path_(std::move(path)) {}

std::optional<std::string> DialogScript::take(const std::string& kind) {
    const auto lines = answerLines(path_);
    if (used_ >= static_cast<int>(lines.size())) return std::nullopt;
    const std::string& line = lines[static_cast<std::size_t>(used_)];
    if (line.compare(0, kind.size(), kind) != 0) return std::nullopt;
    if (line.size() > kind.size() && line[kind.size()] != ' ') return std::nullopt;
    ++used_;
    return line.size() > kind.size() ? line.substr(kind.size() + 1) : std::string();
}

std::optional<std::string> DialogScript::file(const char* kind, const ui::FileDialogRequest& r) {
    std::optional<std::string> answer = take(kind);
    if (answer && answer->empty()) answer.reset();
    log(std::string(kind) + "\t" + escaped(r.filter) + "\t" + escaped(r.initialDir) + "\t" +
        escaped(r.fileName) + "\t" + (answer ? escaped(*answer) : "cancel"));
    return answer;
}

std::optional<std::string> DialogScript::openFile(const ui::FileDialogRequest& r) {
    return file("open", r);
}
std::optional<std::string> DialogScript::saveFile(const ui::FileDialogRequest& r) {
    return file("save", r);
}

bool DialogScript::confirm(const std::string& text) {
    bool yes = false;
    if (take("yes"))
        yes = true;
    else
        take("no");
    log("confirm\t" + escaped(text) + "\t" + (yes ? "yes" : "no"));
    return yes;
}

int DialogScript::choose(const std::string& text, const std::vector<std::string>& buttons) {
    const int last = static_cast<int>(buttons.size()) - 1;
    int chosen = last;
    if (const auto n = take("choose")) {
        try {
            chosen = std::stoi(*n);
        } catch (const std::exception&) {
        }
        if (chosen < 0 || chosen > last) chosen = last;
    }
    log("choose\t" + escaped(text) + "\t" + (chosen >= 0 ? buttons[static_cast<std::size_t>(chosen)] : ""));
    return chosen;
}

void DialogScript::message(const std::string& text) {
    log("message\t" + escaped(text));
}
void DialogScript::error(const std::string& text) {
    log("error\t" + escaped(text));
}

void DialogScript::log(const std::string& line) {
    std::ofstream out(path_ + ".log", std::ios::app);
    out << line << '\n';
}

std::unique_ptr<DialogScript> dialogScriptFromEnvironment() {
    const char* path = std::getenv("ZORBAN_TEST_DIALOGS");
    if (!path || !*path) return nullptr;
    return std::make_unique<DialogScript>(path);
}

}  // namespace app

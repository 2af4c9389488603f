// Modal dialogs and message boxes; the window layer shows real ones, tests script the answers.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ui {

struct FileDialogRequest {
    std::string filter;      // "description|pattern|description|pattern..."; the first pair is preselected
    std::string initialDir;  // folder shown first
    std::string fileName;    // preset name (save dialog)
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // Yes/No question; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // Question with a button per choice, captioned with the application title; the index of the chosen
    // button (closing the box answers the last choice, which should be the one that changes nothing).
    virtual int choose(const std::string& text, const std::vector<std::string>& buttons) = 0;
    // Message box with an OK button, captioned with the application title.
    virtual void message(const std::string& text) = 0;
    // The standard error report: error icon, caption the application title, text the message.
    virtual void error(const std::string& text) = 0;
};

// Answers from queues filled by a test; records everything shown. An empty queue answers "cancel"/No.
class ScriptedDialogs : public Dialogs {
  public:
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::deque<bool> confirmAnswers;
    std::deque<int> chooseAnswers;  // an empty queue answers the last button
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::vector<std::string> confirmations, choices, messages, errors;

    std::optional<std::string> openFile(const FileDialogRequest& r) override {
        return take(openRequests, openAnswers, r);
    }
    std::optional<std::string> saveFile(const FileDialogRequest& r) override {
        return take(saveRequests, saveAnswers, r);
    }
    bool confirm(const std::string& text) override {
        confirmations.push_back(text);
        if (confirmAnswers.empty()) return false;
        const bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    int choose(const std::string& text, const std::vector<std::string>& buttons) override {
        choices.push_back(text);
        if (chooseAnswers.empty()) return static_cast<int>(buttons.size()) - 1;
        const int a = chooseAnswers.front();
        chooseAnswers.pop_front();
        return a;
    }
    void message(const std::string& text) override { messages.push_back(text); }
    void error(const std::string& text) override { errors.push_back(text); }

  private:
    static std::optional<std::string> take(std::vector<FileDialogRequest>& log,
                                           std::deque<std::optional<std::string>>& answers,
                                           const FileDialogRequest& r) {
        log.push_back(r);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace ui

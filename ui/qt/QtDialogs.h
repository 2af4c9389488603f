// The modal dialogs on Qt: file dialogs, confirmation, message and error boxes (or scripted answers).
#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "ui/core/Dialogs.h"

namespace ui::qt {

// Shows Qt's own (non-native) dialogs, which work on any display server, including Xvfb, unless other
// dialogs stand in for them (a program's scripted answers, a test's).
class QtDialogs : public ui::Dialogs {
  public:
    // Caption of message and error boxes.
    void setAppTitle(const std::string& title) { appTitle_ = title; }
    // The window the dialogs belong to (they are modal to it).
    void setParent(QWidget* window) { parent_ = window; }
    // Every dialog goes to d instead (nullptr ends it).
    void intercept(ui::Dialogs* d) { interceptor_ = d; }
    // The program is ending with nobody to answer: the dialog on screen closes as its close box does and
    // every later one answers at once as cancelled (No, the last choice, no file).
    void dismissAll();

    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;
    bool confirm(const std::string& text) override;
    int choose(const std::string& text, const std::vector<std::string>& buttons) override;
    void message(const std::string& text) override;
    void error(const std::string& text) override;

  private:
    // The dialogs standing in, or nullptr for real ones.
    ui::Dialogs* standIn() const;
    std::optional<std::string> fileDialog(const ui::FileDialogRequest& request, bool save);
    // Runs dialog modally, unless the dialogs are dismissed; QDialog::Rejected then.
    int exec(QDialog& dialog);

    std::string appTitle_;
    QPointer<QWidget> parent_;
    ui::Dialogs* interceptor_ = nullptr;
    QPointer<QDialog> shown_;  // the dialog on screen
    bool dismissed_ = false;
};

}  // namespace ui::qt

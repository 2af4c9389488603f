// Real dialogs with Qt Widgets.
#include "ui/qt/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "base/Translation.h"
#include "ui/qt/FileFilter.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

constexpr const char* kOpenCaption = QT_TRANSLATE_NOOP("Dialogs", "開く");
constexpr const char* kSaveCaption = QT_TRANSLATE_NOOP("Dialogs", "名前を付けて保存");
constexpr const char* kConfirmCaption = QT_TRANSLATE_NOOP("Dialogs", "確認");

}  // namespace

ui::Dialogs* QtDialogs::standIn() const {
    return interceptor_;
}

void QtDialogs::dismissAll() {
    dismissed_ = true;
    if (shown_) shown_->reject();
}

int QtDialogs::exec(QDialog& dialog) {
    if (dismissed_) return QDialog::Rejected;
    shown_ = &dialog;
    const int result = dialog.exec();
    shown_ = nullptr;
    return result;
}

std::optional<std::string> QtDialogs::fileDialog(const ui::FileDialogRequest& r, bool save) {
    QFileDialog dialog(parent_, qs(base::translateData("Dialogs", save ? kSaveCaption : kOpenCaption)),
                       qs(r.initialDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name that does not exist is returned as it is; opening it then reports the missing file.
    dialog.setFileMode(QFileDialog::AnyFile);
    // An existing file is replaced without asking; a name typed without an extension gets the chosen
    // filter's one (see withFilterExtension).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = nameFilters(r.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    if (!r.fileName.empty()) dialog.selectFile(qs(r.fileName));
    if (exec(dialog) != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    if (save) return utf8(withFilterExtension(chosen.front(), dialog.selectedNameFilter()));
    return utf8(chosen.front());
}

std::optional<std::string> QtDialogs::openFile(const ui::FileDialogRequest& r) {
    if (ui::Dialogs* d = standIn()) return d->openFile(r);
    return fileDialog(r, false);
}

std::optional<std::string> QtDialogs::saveFile(const ui::FileDialogRequest& r) {
    if (ui::Dialogs* d = standIn()) return d->saveFile(r);
    return fileDialog(r, true);
}

bool QtDialogs::confirm(const std::string& text) {
    if (ui::Dialogs* d = standIn()) return d->confirm(text);
    QMessageBox box(QMessageBox::Question, qs(base::translateData("Dialogs", kConfirmCaption)), qs(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return exec(box) == QMessageBox::Yes;
}

int QtDialogs::choose(const std::string& text, const std::vector<std::string>& buttons) {
    if (ui::Dialogs* d = standIn()) return d->choose(text, buttons);
    QMessageBox box(QMessageBox::Warning, qs(appTitle_), qs(text), QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> added;
    for (const std::string& b : buttons) added.push_back(box.addButton(qs(b), QMessageBox::ActionRole));
    if (!added.empty()) {
        box.setDefaultButton(added.front());
        box.setEscapeButton(added.back());
    }
    exec(box);
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return static_cast<int>(i);
    return static_cast<int>(buttons.size()) - 1;
}

void QtDialogs::message(const std::string& text) {
    if (ui::Dialogs* d = standIn()) return d->message(text);
    QMessageBox box(QMessageBox::NoIcon, qs(appTitle_), qs(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    exec(box);
}

void QtDialogs::error(const std::string& text) {
    if (ui::Dialogs* d = standIn()) return d->error(text);
    QMessageBox box(QMessageBox::Critical, qs(appTitle_), qs(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    exec(box);
}

}  // namespace ui::qt

// Loading the translations of the chosen language and switching it for the next start.
#include "ui/qt/QtLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <algorithm>

#include "base/LanguageChoice.h"
#include "base/Translation.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

// Each language by its own name, as the switch's note gives it.
std::string ownName(const std::string& code) {
    if (code == "ja") return "日本語";
    if (code == "en") return "English";
    return code;
}

}  // namespace

std::vector<std::string> QtLanguage::available(const std::string& folder) {
    std::vector<std::string> out;
    const QString prefix = QString::fromLatin1(kFilePrefix);
    for (const QString& file : QDir(qs(folder)).entryList({prefix + "*.qm"}, QDir::Files, QDir::Name))
        out.push_back(utf8(file.mid(prefix.size(), file.size() - prefix.size() - 3)));
    return out;
}

std::vector<std::string> QtLanguage::languages(const std::string& programDir) {
    std::vector<std::string> out = available(programDir);
    out.erase(std::remove(out.begin(), out.end(), "ja"), out.end());
    out.insert(out.begin(), "ja");
    return out;
}

QtLanguage::QtLanguage(const std::string& programDir, base::Settings* settings)
    : settings_(settings), languages_(languages(programDir)) {
    code_ = base::chooseLanguage(base::LanguageEnvironment::current(),
                                 settings_ ? settings_->getText(kKey).value_or(std::string()) : std::string(),
                                 languages_);
    next_ = code_;
    if (code_ != "ja") {
        own_ = std::make_unique<QTranslator>();
        if (!own_->load(qs(kFilePrefix + code_), qs(programDir))) own_.reset();
    }
    // Qt's own texts (the file dialog, the message box's buttons) in the same language.
    toolkit_ = std::make_unique<QTranslator>();
    if (!toolkit_->load(qs("qtbase_" + code_), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        toolkit_.reset();
    install();
}

QtLanguage::~QtLanguage() {
    base::setTranslator(nullptr, "ja");
    if (own_) QCoreApplication::removeTranslator(own_.get());
    if (toolkit_) QCoreApplication::removeTranslator(toolkit_.get());
}

void QtLanguage::install() {
    if (own_) QCoreApplication::installTranslator(own_.get());
    if (toolkit_) QCoreApplication::installTranslator(toolkit_.get());
    base::setTranslator([](const char* context,
                           const char* text) { return utf8(QCoreApplication::translate(context, text)); },
                        own_ ? code_ : std::string("ja"));
}

bool QtLanguage::isSwitchKey(const ui::KeyEvent& e) {
    return e.key == 'L' && e.ctrl && e.shift && !e.alt;
}

std::string QtLanguage::switchForNextStart() {
    const auto at = std::find(languages_.begin(), languages_.end(), next_);
    next_ = (at == languages_.end() || at + 1 == languages_.end()) ? languages_.front() : *(at + 1);
    if (settings_) settings_->setText(kKey, next_);
    return base::fillIn(base::translate("Language", "次の起動から %1 で表示します"), ownName(next_));
}

}  // namespace ui::qt

// Translating the command line's texts before the application exists.
#include "ui/qt/CommandLineLanguage.h"

#include <QTranslator>
#include <filesystem>
#include <system_error>

#include "base/DataFolder.h"
#include "base/LanguageChoice.h"
#include "base/Settings.h"
#include "base/Translation.h"
#include "ui/qt/QtLanguage.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

// The folder of the running program (trailing '/'), as the application finds it later.
std::string programFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string() + "/";
}

}  // namespace

CommandLineLanguage::CommandLineLanguage(const std::string& program) {
    const std::string programDir = programFolder();
    if (programDir.empty()) return;
    // Read only: nothing is made or written before the command line has been understood.
    const std::string dataDir = base::trustedDataDirFromEnvironment(programDir);
    const base::Settings settings(dataDir.empty() ? std::string() : dataDir + "zorban.ini", program);
    const std::string code = base::chooseLanguage(base::LanguageEnvironment::current(),
                                                  settings.getText(QtLanguage::kKey).value_or(std::string()),
                                                  QtLanguage::languages(programDir));
    if (code == "ja") return;
    translator_ = std::make_unique<QTranslator>();
    if (!translator_->load(qs(QtLanguage::kFilePrefix + code), qs(programDir))) {
        translator_.reset();
        return;
    }
    base::setTranslator(
        [t = translator_.get()](const char* context, const char* text) {
            const QString translated = t->translate(context, text);
            return translated.isNull() ? std::string(text) : utf8(translated);
        },
        code);
}

CommandLineLanguage::~CommandLineLanguage() {
    if (translator_) base::setTranslator(nullptr, "ja");
}

}  // namespace ui::qt

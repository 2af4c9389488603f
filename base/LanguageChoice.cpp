// The language rule of the three programs.
#include "base/LanguageChoice.h"

#include <algorithm>
#include <cstdlib>

namespace base {
namespace {

constexpr const char* kSourceLanguage = "ja";
constexpr const char* kFallbackLanguage = "en";

std::string variable(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// "en_US.UTF-8@euro" -> "en_US"; "C", "POSIX" and "C.UTF-8" name no language.
std::string localeLanguage(const std::string& locale) {
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return {};
    return name;
}

// The desktop's languages in order of preference.
std::vector<std::string> desktopLanguages(const LanguageEnvironment& env) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= env.language.size()) {
        const std::size_t end = std::min(env.language.find(':', start), env.language.size());
        if (std::string name = localeLanguage(env.language.substr(start, end - start)); !name.empty())
            out.push_back(std::move(name));
        start = end + 1;
    }
    for (const std::string* locale : {&env.lcAll, &env.lcMessages, &env.lang}) {
        if (locale->empty()) continue;
        if (std::string name = localeLanguage(*locale); !name.empty()) out.push_back(std::move(name));
        break;
    }
    return out;
}

}  // namespace

LanguageEnvironment LanguageEnvironment::current() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::string chooseLanguage(const LanguageEnvironment& env, const std::string& setting,
                           const std::vector<std::string>& available) {
    const auto has = [&](const std::string& code) {
        return code == kSourceLanguage ||
               std::find(available.begin(), available.end(), code) != available.end();
    };
    if (!setting.empty() && has(setting)) return setting;
    const std::vector<std::string> wanted = desktopLanguages(env);
    if (wanted.empty()) return kSourceLanguage;
    for (const std::string& name : wanted) {
        if (has(name)) return name;
        if (const std::string general = name.substr(0, name.find('_')); has(general)) return general;
    }
    return has(kFallbackLanguage) ? kFallbackLanguage : kSourceLanguage;
}

}  // namespace base

// Which language a program speaks: the player's choice in zorban.ini, else the desktop's list of languages.
#pragma once

#include <string>
#include <vector>

namespace base {

// The desktop's language variables, as the environment gives them (empty when unset).
struct LanguageEnvironment {
    std::string language;    // LANGUAGE: a list such as "fr:en"
    std::string lcAll;       // LC_ALL
    std::string lcMessages;  // LC_MESSAGES
    std::string lang;        // LANG

    static LanguageEnvironment current();
};

// The code of the language to speak ("ja", "en", "pt_BR"...), out of the translated ones in available
// (Japanese, the language the texts are written in, always counts as one):
// - setting ("ja", "en": the program's language= key) when it names one of them;
// - else the first of the desktop's languages that is one of them: LANGUAGE's list, then the first set of
//   LC_ALL, LC_MESSAGES and LANG ("en_US.UTF-8" is "en_US", then "en");
// - English when the desktop names languages but none of them has a translation;
// - Japanese when it names none ("C", "POSIX" or nothing at all).
std::string chooseLanguage(const LanguageEnvironment& env, const std::string& setting,
                           const std::vector<std::string>& available);

}  // namespace base

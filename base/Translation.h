// The player's language for every text the programs show. The program installs a translator when it starts;
// without one every text stays as it is written in the code, in Japanese.
//
//     label.setCaption(base::translate("Status", "ステータス"));
//     label.setCaption(base::fillIn(base::translate("Status", "残時間:%1光年"), base::shownNumber(time)));
//
// Both arguments of translate must be literals: the translation tools collect them from the code. Texts that
// come from data files are looked up with translateData under a context of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Marks a text for the translation tools where it is kept in a table; it is translated where it is shown
// (translateData). The same definition as the toolkit's.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace base {

using Translator = std::function<std::string(const char* context, const char* text)>;

// Installs translator for the language named by its code ("ja", "en"); an empty one shows the texts as
// written.
void setTranslator(Translator translator, std::string language);
// The code of the language in use: "ja" until a translator says otherwise.
const std::string& language();
bool japanese();

// The text in the player's language (the text itself when it has no translation).
std::string translate(const char* context, const char* text);
// The same for a text read from a data file (a toy's name).
std::string translateData(const char* context, const std::string& text);
// pattern with each of %1..%4 replaced by the argument of that number (a translation may reorder them).
std::string fillIn(const std::string& pattern, const std::string& a1, const std::string& a2 = {},
                   const std::string& a3 = {}, const std::string& a4 = {});

// A number as the player's language writes it in a sentence: plain digits in Japanese, grouped by thousands
// elsewhere ("33,650").
std::string shownNumber(std::int64_t n);

}  // namespace base

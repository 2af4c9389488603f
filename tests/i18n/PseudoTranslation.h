// A pseudo-translation: every text that passes through translation comes out wrapped in [ ], so a window's
// text that has letters outside brackets never went through translation.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "base/Translation.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Form.h"
#include "ui/core/Widgets.h"

namespace i18ntest {

// Installed for as long as it lives; numbers are written as in a language other than Japanese.
class PseudoTranslation {
  public:
    PseudoTranslation() {
        base::setTranslator([](const char*, const char* text) { return "[" + std::string(text) + "]"; },
                            "xx");
    }
    ~PseudoTranslation() { base::setTranslator(nullptr, "ja"); }
    PseudoTranslation(const PseudoTranslation&) = delete;
    PseudoTranslation& operator=(const PseudoTranslation&) = delete;
};

// What is left of text once every bracketed part (innermost first) is taken out. A text cut at its ends (the
// scrolling event log) may open a bracket it does not close, or close one opened before its start.
inline std::string outsideBrackets(std::string text) {
    for (;;) {
        const std::size_t close = text.find(']');
        const std::size_t open = close == std::string::npos ? std::string::npos : text.rfind('[', close);
        if (open == std::string::npos) break;
        text.erase(open, close - open + 1);
    }
    if (const std::size_t close = text.rfind(']'); close != std::string::npos) text.erase(0, close + 1);
    if (const std::size_t open = text.find('['); open != std::string::npos) text.erase(open);
    return text;
}

// Whether text has a letter: ASCII, or any character beyond it but for the typographic marks a caption uses
// as decoration (stars, arrows, brackets, dots, full-width punctuation).
inline bool hasLetter(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
            ++i;
            continue;
        }
        const int n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        unsigned cp = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
        for (int k = 1; k < n && i + k < text.size(); ++k) cp = (cp << 6) | (text[i + k] & 0x3F);
        i += n;
        const bool kanaOrKanji = (cp >= 0x3040 && cp <= 0x30FF) || (cp >= 0x4E00 && cp <= 0x9FFF);
        const bool wideOrHalfLetter = (cp >= 0xFF21 && cp <= 0xFF3A) || (cp >= 0xFF41 && cp <= 0xFF5A) ||
                                      (cp >= 0xFF66 && cp <= 0xFF9F);
        if (kanaOrKanji || wideOrHalfLetter) return true;
    }
    return false;
}

// Every text a player can see on form (its caption, the captions, hints and list rows of the visible controls
// that lie in the client area) that has a letter outside brackets, as "control: text". Controls named in
// userData (the player's own titles and names, file paths, addresses) are left out.
inline std::vector<std::string> untranslatedTexts(const ui::Form& form,
                                                  const std::set<std::string>& userData) {
    std::vector<std::string> out;
    const auto check = [&](const std::string& where, const std::string& text) {
        if (hasLetter(outsideBrackets(text))) out.push_back(where + ": " + text);
    };
    check("caption", form.caption);
    const ui::Rect client = form.bounds();
    const auto walk = [&](auto&& self, const ui::Control& c, int left, int top) -> void {
        if (!c.visible()) return;
        const ui::Rect b = c.bounds();
        const int x = left + b.left, y = top + b.top;
        if (x >= client.width || y >= client.height || x + b.width <= 0 || y + b.height <= 0) return;
        if (!userData.count(c.name())) {
            check(c.name() + " hint", c.hint());
            if (auto* l = dynamic_cast<const ui::Label*>(&c)) check(c.name(), l->caption());
            if (auto* b2 = dynamic_cast<const ui::Button*>(&c)) {
                check(c.name(), b2->caption());
                check(c.name() + " tooltip", b2->tooltip());
            }
            if (auto* p = dynamic_cast<const ui::Panel*>(&c)) check(c.name(), p->caption());
            if (auto* list = dynamic_cast<const ui::ListBox*>(&c))
                for (const std::string& item : list->items()) check(c.name(), item);
        }
        for (const ui::Control* child : c.children()) self(self, *child, x, y);
    };
    for (const ui::Control* child : form.children()) walk(walk, *child, 0, 0);
    return out;
}

// The same for the texts of message boxes, questions and error reports.
inline std::vector<std::string> untranslatedDialogTexts(const ui::ScriptedDialogs& d) {
    std::vector<std::string> out;
    for (const auto* list : {&d.confirmations, &d.choices, &d.messages, &d.errors})
        for (const std::string& text : *list)
            if (hasLetter(outsideBrackets(text))) out.push_back("dialog: " + text);
    for (const auto* requests : {&d.openRequests, &d.saveRequests})
        for (const ui::FileDialogRequest& r : *requests) {
            // "description|pattern|...": the descriptions are the words.
            std::string words;
            bool description = true;
            for (const char c : r.filter + "|") {
                if (c == '|') description = !description;
                if (description && c != '|') words += c;
            }
            if (hasLetter(outsideBrackets(words))) out.push_back("file dialog: " + r.filter);
        }
    return out;
}

}  // namespace i18ntest

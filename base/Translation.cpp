// The installed translator and the placing of numbers into translated texts.
#include "base/Translation.h"

#include <array>

namespace base {
namespace {

struct Installed {
    Translator translator;
    std::string language = "ja";
};

Installed& installed() {
    static Installed i;
    return i;
}

}  // namespace

void setTranslator(Translator translator, std::string language) {
    installed() = {std::move(translator), language.empty() ? std::string("ja") : std::move(language)};
}

const std::string& language() {
    return installed().language;
}

bool japanese() {
    return language() == "ja";
}

std::string translate(const char* context, const char* text) {
    const Translator& t = installed().translator;
    return t ? t(context, text) : std::string(text);
}

std::string translateData(const char* context, const std::string& text) {
    if (text.empty()) return text;
    return translate(context, text.c_str());
}

std::string fillIn(const std::string& pattern, const std::string& a1, const std::string& a2,
                   const std::string& a3, const std::string& a4) {
    const std::array<const std::string*, 4> args{&a1, &a2, &a3, &a4};
    std::string out;
    out.reserve(pattern.size() + a1.size() + a2.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next < '1' + static_cast<char>(args.size())) {
            out += *args[next - '1'];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string shownNumber(std::int64_t n) {
    const std::string digits = std::to_string(n < 0 ? -(n + 1) + std::uint64_t{1} : std::uint64_t(n));
    std::string out = n < 0 ? "-" : "";
    if (japanese()) return out + digits;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace base

// Face substitution: Windows faces are asked for first, so a system that has them uses them.
#include "ui/qt/QtFonts.h"

#include <QStringList>

#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

constexpr const char* kGothicStandIn = "IPAPGothic";
constexpr const char* kMinchoStandIn = "IPAPMincho";
constexpr const char* kFixedGothicStandIn = "IPAGothic";
constexpr const char* kFixedMinchoStandIn = "IPAMincho";

bool isSerif(const std::string& face) {
    return face.find("明朝") != std::string::npos;
}
// "ＭＳ Ｐゴシック" is proportional, "ＭＳ ゴシック" and "ＭＳ 明朝" are the fixed-pitch faces.
bool isProportional(const std::string& face) {
    return face != "ＭＳ ゴシック" && face != "ＭＳ 明朝";
}

}  // namespace

QFont faceFont(const std::string& face, int pixelSize, bool bold, bool italic) {
    const bool serif = isSerif(face);
    const char* standIn = isProportional(face) ? (serif ? kMinchoStandIn : kGothicStandIn)
                                               : (serif ? kFixedMinchoStandIn : kFixedGothicStandIn);
    QFont f;
    f.setFamilies(QStringList{qs(face), QString::fromLatin1(standIn), QString::fromLatin1(kGothicStandIn)});
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont toQFont(const ui::Font& font, int scale) {
    return faceFont(font.face, font.px * scale, font.bold, font.italic);
}

void cacheBigGlyphs() {
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", QByteArray::number(kCachedGlyphPixels));
}

}  // namespace ui::qt

// Canvas text with a real font engine; each distinct text run is rendered once and then copied.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ui/core/TextRenderer.h"

namespace ui::qt {

// Draws in "ＭＳ Ｐゴシック" (IPAPGothic standing in), the size in points at 96 dpi. The play field
// redraws its block labels every tick, so rendered runs are kept, keyed by everything that decides
// their pixels, and blitted.
class QtTextRenderer : public ui::TextRenderer {
  public:
    ui::Rect draw(base::Bitmap& target, int x, int y, std::string_view utf8,
                  const ui::TextStyle& style) override;
    std::size_t cachedRuns() const { return cache_.size(); }

  private:
    struct Key {
        std::string text;
        int pointSize;
        bool bold;
        std::uint32_t colour, background;  // 0xFFRRGGBB
        bool operator==(const Key&) const = default;
    };
    // The same fields with the text borrowed, for look-ups that allocate nothing.
    struct KeyView {
        std::string_view text;
        int pointSize;
        bool bold;
        std::uint32_t colour, background;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(const Key& k) const {
            return (*this)(KeyView{k.text, k.pointSize, k.bold, k.colour, k.background});
        }
        std::size_t operator()(const KeyView& k) const;
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(const Key& a, const Key& b) const { return a == b; }
        bool operator()(const KeyView& a, const Key& b) const {
            return a.text == b.text && a.pointSize == b.pointSize && a.bold == b.bold &&
                   a.colour == b.colour && a.background == b.background;
        }
        bool operator()(const Key& a, const KeyView& b) const { return (*this)(b, a); }
    };

    static QImage render(const KeyView& key);

    std::unordered_map<Key, QImage, Hash, Equal> cache_;
};

}  // namespace ui::qt

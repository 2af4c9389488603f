// Rendering and caching of canvas text runs.
#include "ui/qt/QtTextRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <functional>

#include "ui/core/Font.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

// Runs kept at most; the play field uses a few dozen, so the cache is only emptied by unusual texts.
constexpr std::size_t kMaxCachedRuns = 4096;

}  // namespace

std::size_t QtTextRenderer::Hash::operator()(const KeyView& k) const {
    std::size_t h = std::hash<std::string_view>{}(k.text);
    const auto mix = [&h](std::uint64_t v) { h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2); };
    mix(static_cast<std::uint64_t>(k.pointSize) << 1 | (k.bold ? 1 : 0));
    mix(k.colour);
    mix(k.background);
    return h;
}

QImage QtTextRenderer::render(const KeyView& key) {
    const QFont font = faceFont(ui::kGothicP, pointsToPixels(key.pointSize), key.bold);
    const QFontMetrics fm(font);
    const QString text = qs(key.text);
    const int width = fm.horizontalAdvance(text);
    const int height = fm.height();
    if (width <= 0 || height <= 0) return {};
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(QColor::fromRgb(key.background));
    QPainter p(&img);
    p.setFont(font);
    p.setPen(QColor::fromRgb(key.colour));
    p.drawText(0, fm.ascent(), text);
    return img;
}

ui::Rect QtTextRenderer::draw(base::Bitmap& target, int x, int y, std::string_view utf8,
                              const ui::TextStyle& style) {
    if (utf8.empty()) return {};
    const KeyView key{utf8, style.pointSize, style.bold, style.colour.argb(), style.background.argb()};
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        if (cache_.size() >= kMaxCachedRuns) cache_.clear();
        it = cache_
                 .emplace(Key{std::string(utf8), key.pointSize, key.bold, key.colour, key.background},
                          render(key))
                 .first;
    }
    const QImage& run = it->second;
    if (run.isNull()) return {};
    // Copy the run's rows, clipped to the bitmap.
    const ui::Rect area =
        ui::clipped(ui::Rect{x, y, run.width(), run.height()}, target.width(), target.height());
    if (area.width == 0) return area;
    const int x0 = area.left, x1 = area.left + area.width, y0 = area.top, y1 = area.top + area.height;
    const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t);
    for (int row = y0; row < y1; ++row) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(run.constScanLine(row - y)) + (x0 - x);
        std::memcpy(target.data() + static_cast<std::size_t>(row) * target.width() + x0, src, bytes);
    }
    return area;
}

}  // namespace ui::qt

// Fitting a label's or button's text into its box.
#include "ui/qt/FittedText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <list>

namespace ui::qt {
namespace {

constexpr qreal kTightLines = 0.9;  // of the size, between baselines
constexpr std::size_t kFontsKept = 64;

// The fonts fitting asked for lately, the last used first; let go with the application.
std::list<QFont>& recentFonts() {
    static std::list<QFont> recent;
    return recent;
}

// font at pixelSize and stretch (percent). The fonts asked for lately are kept, with the toolkit's font
// engines and drawn glyphs they hold: a label taking its next caption (the log at each step of its scroll)
// tries much the same sizes again, and an engine the toolkit let go costs a font match and new glyphs.
// UI thread only.
QFont sizedFont(const QFont& font, int pixelSize, int stretch) {
    QFont wanted = font;
    wanted.setPixelSize(pixelSize);
    // Condensed by the font itself, so its glyphs are drawn and kept like any other font's.
    if (stretch != 100) wanted.setStretch(stretch);
    std::list<QFont>& recent = recentFonts();
    const auto kept = std::find_if(recent.begin(), recent.end(), [&](const QFont& f) {
        return f.pixelSize() == pixelSize && f.stretch() == wanted.stretch() && f == wanted;
    });
    if (kept != recent.end()) {
        recent.splice(recent.begin(), recent, kept);
        return recent.front();  // shares the engines it has loaded
    }
    if (recent.empty()) qAddPostRoutine([] { recentFonts().clear(); });  // before the fonts' engines go
    if (recent.size() == kFontsKept) recent.pop_back();
    recent.push_front(wanted);
    return wanted;
}

// Bounds of the pixels the lines touch when drawn with their layout's origin at (0, 0);
// null when nothing is drawn. Measured on real pixels, so synthesised bold and slant, hinting and smoothing
// all count.
// margins is the room around the box on each side. img keeps the lines as drawn, with the layout's origin
// at the top-left margins.
QRect inkOf(const std::vector<QTextLine>& lines, QMargins margins, QSize room, QImage& img) {
    img = QImage(room.grownBy(margins), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.translate(margins.left(), margins.top());
        p.setPen(Qt::black);
        for (const QTextLine& line : lines) line.draw(&p, QPointF(0, 0));
    }
    const int width = img.width(), height = img.height();
    int l = width, t = height, r = -1, b = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int first = 0;
        while (first < width && row[first] == 0) ++first;  // premultiplied: no ink is all zero
        if (first == width) continue;
        int last = width - 1;
        while (row[last] == 0) --last;
        l = std::min(l, first);
        r = std::max(r, last);
        t = std::min(t, y);
        b = y;
    }
    if (r < 0) return {};
    const QPoint origin(margins.left(), margins.top());
    return QRect(QPoint(l, t) - origin, QPoint(r, b) - origin);
}

}  // namespace

FittedText::FittedText(const QString& text, const QFont& font, QSizeF box, Qt::Alignment align, bool wrap)
    : text_(text), font_(font), box_(box), align_(align), wrap_(wrap) {
    const int asked = font.pixelSize() > 0 ? font.pixelSize() : 12;
    // A box less than two lines high shows a wrapped text as one line (a banner, the event log).
    const bool oneLineBox = wrap && box.height() < 2 * asked;
    if (oneLineBox) wrap_ = false;
    // A wrapped text may get a little smaller; a single line as small as half its size.
    const int smallest = std::max(1, wrap_ ? asked * 4 / 5 : asked / 2);
    const bool lines = wrap_ || text.contains(QChar('\n'));
    // The ways to draw it, from the most to the least like the font asked for: at each size, the lines
    // set closer, then narrower and narrower.
    struct Way {
        int px, stretch;
        bool tight;
    };
    std::vector<Way> ways;
    for (int px = asked; px >= smallest; --px) {
        ways.push_back({px, 100, false});
        if (lines) ways.push_back({px, 100, true});
        for (int st = 99; st >= kNarrowest; st -= wrap_ ? 5 : 1) ways.push_back({px, st, lines});
    }
    const auto fitsAs = [this](const Way& w) { return layOut(w.px, w.stretch, w.tight); };
    // A single line far wider than the box even as small and narrow as it may get (the scrolling log) fits
    // in no way: its ink is at most an em each side narrower than its advance. Straight to the last resort.
    const bool outOfReach = !lines && [&] {
        const QFont f = sizedFont(font, ways.back().px, ways.back().stretch);
        return QFontMetricsF(f).horizontalAdvance(text.trimmed()) - 2 * ways.back().px > box.width();
    }();
    if (!outOfReach && fitsAs(ways.front())) return;
    if (!outOfReach && ways.size() > 1 && fitsAs(ways.back())) {
        // Fitting grows with each step down the list: halving finds the first way that fits in a few tries.
        std::size_t fails = 0, fits = ways.size() - 1;
        while (fits - fails > 1) {
            const std::size_t mid = (fails + fits) / 2;
            (fitsAs(ways[mid]) ? fits : fails) = mid;
        }
        if (pixelSize_ != ways[fits].px || stretch_ != ways[fits].stretch) fitsAs(ways[fits]);
        return;
    }
    // Nothing fits, not even smaller (a long scrolling log, a long path): the text at its own size with
    // closer lines, showing the lines that fit whole, as a box too small for its text shows them.
    wrap_ = wrap;
    for (int px = asked; px >= std::max(1, asked * 4 / 5); --px)
        if (layOut(px, 100, true, true)) return;
}

bool FittedText::layOut(int pixelSize, int stretch, bool tight, bool wholeLinesOnly) {
    const QFont f = sizedFont(font_, pixelSize, stretch);
    const QFontMetricsF metrics(f);
    const qreal width = box_.width();
    const qreal natural = metrics.height();
    // Lines one size apart, as the windows' own faces set them (their cells are exactly the size high; the
    // stand-in faces add a tenth); closer still when that is too tall.
    lineStep_ = std::min<qreal>(natural, pixelSize) * (tight ? kTightLines : 1.0);
    pixelSize_ = pixelSize;
    stretch_ = stretch;

    QTextOption option;
    option.setWrapMode(wrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layouts_.clear();
    lines_ = 0;
    shownLines_.clear();
    std::vector<QTextLine> drawn;
    for (const QString& paragraph : text_.split(QChar('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, f);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(wrap_ ? width : 1e6);
            const qreal w = line.naturalTextWidth();
            qreal x = 0;
            if (align_ & Qt::AlignHCenter)
                x = (width - w) / 2;
            else if (align_ & Qt::AlignRight)
                x = width - w;
            line.setPosition(QPointF(x, lines_ * lineStep_));
            ++lines_;
        }
        layout->endLayout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            // Kept to the box: the first line always, the others while they end inside it.
            const QTextLine line = layout->lineAt(i);
            if (wholeLinesOnly && !drawn.empty() && line.y() + natural > box_.height()) continue;
            shownLines_.push_back({layout.get(), i});
            drawn.push_back(line);
        }
        layouts_.push_back(std::move(layout));
    }

    // The block's place: lines from the top, or centred on the box's middle; whole pixels keep glyphs sharp.
    const qreal blockHeight = (lines_ - 1) * lineStep_ + natural;
    const int dy =
        (align_ & Qt::AlignVCenter) ? static_cast<int>(std::round((box_.height() - blockHeight) / 2)) : 0;
    const QSize room(static_cast<int>(std::ceil(box_.width())),
                     static_cast<int>(std::ceil(std::max(box_.height(), blockHeight))));
    // Room around the box for glyphs that overhang it, and across for lines that reach past its left or
    // right edge (only across: a long caption must not make the picture grow in both directions).
    qreal leftmost = 0, rightmost = width;
    for (const QTextLine& line : drawn) {
        leftmost = std::min(leftmost, line.x());
        rightmost = std::max(rightmost, line.x() + line.naturalTextWidth());
    }
    const int overhang = pixelSize / 2 + 4;
    const QMargins margins(overhang + static_cast<int>(std::ceil(-leftmost)), overhang,
                           overhang + static_cast<int>(std::ceil(rightmost - width)), overhang);
    const QRect ink = inkOf(drawn, margins, room, measured_).translated(0, dy);
    measuredAt_ = -QPoint(margins.left(), margins.top());
    if (ink.isNull()) {
        ink_ = QRectF();
        offset_ = QPointF(0, dy);
        fits_ = true;
        return true;
    }
    const int boxWidth = static_cast<int>(box_.width()), boxHeight = static_cast<int>(box_.height());
    fits_ = ink.width() <= boxWidth && ink.height() <= boxHeight;
    // Ink that would stick out on one side moves inwards when there is room on the other.
    int dx = 0, shift = 0;
    if (ink.left() < 0)
        dx = -ink.left();
    else if (ink.right() >= boxWidth)
        dx = std::max(-ink.left(), boxWidth - 1 - ink.right());
    if (ink.top() < 0)
        shift = -ink.top();
    else if (ink.bottom() >= boxHeight)
        shift = std::max(-ink.top(), boxHeight - 1 - ink.bottom());
    offset_ = QPointF(dx, dy + shift);
    ink_ = QRectF(ink.translated(dx, shift));
    return fits_;
}

void FittedText::drawAsFitted(QPainter& painter, QPointF topLeft, const QColor& colour) const {
    if (shownLines_.empty() || measured_.isNull()) return;
    // Black glyphs in colour: each pixel keeps its coverage, as if drawn with that pen.
    QImage glyphs = measured_;
    {
        QPainter recolour(&glyphs);
        recolour.setCompositionMode(QPainter::CompositionMode_SourceIn);
        recolour.fillRect(glyphs.rect(), colour);
    }
    painter.drawImage(topLeft + offset_ + QPointF(measuredAt_), glyphs);
}

void FittedText::draw(QPainter& painter, QPointF topLeft) const {
    if (shownLines_.empty()) return;
    painter.save();
    painter.translate(topLeft + offset_);
    for (const ShownLine& l : shownLines_) l.layout->lineAt(l.index).draw(&painter, QPointF(0, 0));
    painter.restore();
}

}  // namespace ui::qt

// Text laid out to stay inside its box: the font asked for first; lines that would overflow the height are
// set closer, a line still too wide is drawn condensed (down to 80 % of its width), and only then is the size
// lowered (a wrapped text to 80 %, a single line to half). A text that fits at none of these (a long
// scrolling log, a long path) keeps its size and shows the lines that fit whole. Fitting measures the drawn
// pixels, so synthesised bold and slant, hinting and smoothing all count.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace ui::qt {

class FittedText {
  public:
    static constexpr int kNarrowest = 80;  // percent of the natural width

    FittedText() = default;
    // text: lines separated by '\n'; align: one horizontal flag, and Qt::AlignVCenter to centre the lines
    // in the box (else they start at its top).
    FittedText(const QString& text, const QFont& font, QSizeF box, Qt::Alignment align, bool wrap);
    FittedText(FittedText&&) = default;
    FittedText& operator=(FittedText&&) = default;

    // Draws with the box's top-left corner at topLeft.
    void draw(QPainter& painter, QPointF topLeft) const;
    // The same in colour on a painter at one device pixel per pixel, from the pixels that fitting drew:
    // the glyphs are not drawn a second time (a big text drawn from outlines costs a millisecond).
    void drawAsFitted(QPainter& painter, QPointF topLeft, const QColor& colour) const;

    // Bounds of the glyphs' ink relative to the box's top-left corner.
    QRectF ink() const { return ink_; }
    bool fits() const { return fits_; }
    // How it was fitted: horizontal stretch in percent, pixel size, distance between baselines.
    int stretch() const { return stretch_; }
    // Lines drawn; a text too long for its box even at its smallest shows only the lines that fit whole.
    int shownLines() const { return static_cast<int>(shownLines_.size()); }
    int pixelSize() const { return pixelSize_; }
    qreal lineStep() const { return lineStep_; }

  private:
    // Lays the text out and places it; true when it fits. wholeLinesOnly keeps only the lines that fit.
    bool layOut(int pixelSize, int stretch, bool tight, bool wholeLinesOnly = false);

    QString text_;
    QFont font_;
    QSizeF box_;
    Qt::Alignment align_;
    bool wrap_ = false;

    struct ShownLine {
        const QTextLayout* layout;
        int index;
    };
    std::vector<std::unique_ptr<QTextLayout>> layouts_;  // one per line of the text
    std::vector<ShownLine> shownLines_;                  // the lines drawn, in order
    int lines_ = 0;
    QImage measured_;    // the shown lines as fitting drew them, black on transparent
    QPoint measuredAt_;  // where its top-left corner lies relative to the layout's origin
    QRectF ink_;
    QPointF offset_;  // where the layout's origin lies in the box
    int stretch_ = 100;
    int pixelSize_ = 0;
    qreal lineStep_ = 0;
    bool fits_ = true;
};

}  // namespace ui::qt

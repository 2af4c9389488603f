// The burst and the row flash, painted on the play field and shown at once.
#include "engine/FieldAnimation.h"

#include <cstdint>

#include "engine/FieldPainter.h"

namespace engine {
namespace {

constexpr int kRowFlashPauseMs = 100;

}  // namespace

void FieldAnimation::repaintField() {
    play_.controls().main_box->repaintNow();
}

void FieldAnimation::burst(int frames, int stepX, int stepY, int redStep) {
    if (!play_.paints()) return;
    ui::Image& image = *play_.controls().main_box;
    const tmy& my = play_.state().my;
    const int cx = kCellWidth * (my.ballX - 1) + kCellWidth / 2;
    const int cy = kCellHeight * (my.ballY - 1) + kCellHeight / 2;
    image.penColour = base::colours::Black;
    for (int k = 0; k < frames; ++k) {
        image.brushColour = base::Colour{static_cast<std::uint8_t>(255 - redStep * k), 0, 0};
        image.rectangle(cx - stepX * k, cy - stepY * k, cx + stepX * k, cy + stepY * k);
        repaintField();
    }
    image.brushColour = base::colours::Black;
}

void FieldAnimation::rowFlash() {
    if (!play_.paints()) return;
    ui::Image& image = *play_.controls().main_box;
    const tmy& my = play_.state().my;
    const int left = kCellWidth * (my.ballX - 1), top = kCellHeight * (my.ballY - 1);
    image.brushColour = base::colours::Red;
    image.rectangle(left - 40, top + 2, left + 60, top + 8);
    repaintField();
    play_.services().clock.sleepMs(kRowFlashPauseMs);
    image.rectangle(left - 350, top, left + 350, top + kCellHeight);
    repaintField();
    play_.services().clock.sleepMs(kRowFlashPauseMs);
    image.brushColour = base::colours::Black;
}

}  // namespace engine

// The plain controls of the windows: labels, buttons, panels, edits, list boxes, gauges and track bars.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Colour.h"
#include "ui/core/Control.h"
#include "ui/core/Font.h"

namespace ui {

enum class Align { Left, Right, Center };

class Label : public Control {
  public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { assign(caption_, c); }
    const Font& font() const { return font_; }
    void setFont(const Font& f) { assign(font_, f); }
    void setFontColour(base::Colour c) {
        Font f = font_;
        f.colour = c;
        setFont(f);
    }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) { assign(transparent_, t); }
    base::Colour background() const { return background_; }
    void setBackground(base::Colour c) { assign(background_, c); }
    Align alignment() const { return alignment_; }
    void setAlignment(Align a) { assign(alignment_, a); }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w) { assign(wordWrap_, w); }
    // Width (px from the left edge) that a control lying over the label's box leaves in view; the text is
    // fitted into it. 0: the whole box.
    int visibleWidth() const { return visibleWidth_; }
    void setVisibleWidth(int w) { assign(visibleWidth_, w); }

  private:
    std::string caption_;  // UTF-8; a lone carriage return breaks the line
    Font font_;
    bool transparent_ = false;
    base::Colour background_ = base::colours::Silver;
    Align alignment_ = Align::Left;
    bool wordWrap_ = false;
    int visibleWidth_ = 0;
};

class Button : public Control {
  public:
    enum class Kind { Push, Picture };
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { assign(caption_, c); }
    const Font& font() const { return font_; }
    void setFont(const Font& f) { assign(font_, f); }
    Kind kind() const { return kind_; }
    void setKind(Kind k) { assign(kind_, k); }
    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(const std::string& t) { assign(tooltip_, t); }

  private:
    std::string caption_;
    Font font_;
    Kind kind_ = Kind::Push;
    std::string tooltip_;
};

// A group box or panel holding other controls, which are positioned relative to it.
class Panel : public Control {
  public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { assign(caption_, c); }
    base::Colour background() const { return background_; }
    void setBackground(base::Colour c) { assign(background_, c); }
    bool framed() const { return framed_; }
    void setFramed(bool f) { assign(framed_, f); }
    // The caption's font; none: the window's.
    const std::optional<Font>& font() const { return font_; }
    void setFont(const Font& f) { assign(font_, std::optional<Font>(f)); }

  private:
    std::string caption_;
    base::Colour background_ = base::colours::Silver;
    bool framed_ = false;  // group box frame with caption
    std::optional<Font> font_;
};

// A single-line text field; typing is limited to maxBytes of code page 932 (0: no limit).
class Edit : public Control {
  public:
    using Control::Control;
    const std::string& text() const { return text_; }
    // Set by the program: shown whole, whatever the typing limit.
    void setText(const std::string& t) { assign(text_, t); }
    // The user typed: the window layer calls this with the new text, then onChange runs.
    void userEdited(const std::string& t);
    void userEntered();
    const Font& font() const { return font_; }
    void setFont(const Font& f) { assign(font_, f); }
    int maxBytes() const { return maxBytes_; }
    void setMaxBytes(int n) { assign(maxBytes_, n); }
    bool flat() const { return flat_; }
    void setFlat(bool f) { assign(flat_, f); }
    // Whether typing may turn current into proposed: within the byte limit, and every character in code page
    // 932.
    bool accepts(const std::string& proposed) const;

    std::function<void()> onChange, onEnter;

  private:
    std::string text_;
    Font font_;
    int maxBytes_ = 0;
    bool flat_ = false;
};

class ListBox : public Control {
  public:
    using Control::Control;
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items) { assign(items_, items); }
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i) { assign(itemIndex_, i); }
    // The user picked row i; onClick runs afterwards.
    void userSelected(int i);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int h) { assign(itemHeight_, h); }
    const Font& font() const { return font_; }
    void setFont(const Font& f) { assign(font_, f); }
    // With a background the list is drawn in the font's colour on it; none: the window style's colours.
    const std::optional<base::Colour>& background() const { return background_; }
    void setBackground(base::Colour c) { assign(background_, std::optional<base::Colour>(c)); }

  private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;  // -1: no selection
    int itemHeight_ = 13;
    Font font_;
    std::optional<base::Colour> background_;
};

class Gauge : public Control {
  public:
    using Control::Control;
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void setRange(int lo, int hi) {
        assign(min_, lo);
        assign(max_, hi);
    }
    int progress() const { return progress_; }
    void setProgress(int p) { assign(progress_, p); }
    base::Colour foreColour() const { return fore_; }
    base::Colour backColour() const { return back_; }
    void setColours(base::Colour fore, base::Colour back) {
        assign(fore_, fore);
        assign(back_, back);
    }

  private:
    int min_ = 0, max_ = 100, progress_ = 0;
    base::Colour fore_ = base::colours::Navy, back_ = base::colours::White;
};

class TrackBar : public Control {
  public:
    using Control::Control;
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int position() const { return position_; }
    void setRange(int lo, int hi) {
        assign(min_, lo);
        assign(max_, hi);
    }
    void setPosition(int p);
    std::function<void()> onChange;

  private:
    int min_ = 0, max_ = 10, position_ = 0;
};

}  // namespace ui

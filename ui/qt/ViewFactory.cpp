// One view class per control kind; anything else gets a plain box.
#include "ui/qt/ViewFactory.h"

#include "ui/core/Image.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ButtonView.h"
#include "ui/qt/EditView.h"
#include "ui/qt/GaugeView.h"
#include "ui/qt/ImageView.h"
#include "ui/qt/LabelView.h"
#include "ui/qt/ListBoxView.h"
#include "ui/qt/PanelView.h"
#include "ui/qt/PlainView.h"
#include "ui/qt/TrackBarView.h"

namespace ui::qt {

std::unique_ptr<ControlView> makeView(ui::Control& c, ui::Dispatcher& d, QWidget* parent) {
    if (auto* x = dynamic_cast<ui::Label*>(&c)) return std::make_unique<LabelView>(*x, parent);
    if (auto* x = dynamic_cast<ui::Image*>(&c)) return std::make_unique<ImageView>(*x, d, parent);
    if (auto* x = dynamic_cast<ui::Button*>(&c)) return std::make_unique<ButtonView>(*x, d, parent);
    if (auto* x = dynamic_cast<ui::Panel*>(&c)) return std::make_unique<PanelView>(*x, parent);
    if (auto* x = dynamic_cast<ui::Edit*>(&c)) return std::make_unique<EditView>(*x, d, parent);
    if (auto* x = dynamic_cast<ui::ListBox*>(&c)) return std::make_unique<ListBoxView>(*x, d, parent);
    if (auto* x = dynamic_cast<ui::Gauge*>(&c)) return std::make_unique<GaugeView>(*x, parent);
    if (auto* x = dynamic_cast<ui::TrackBar*>(&c)) return std::make_unique<TrackBarView>(*x, d, parent);
    return std::make_unique<PlainView>(c, parent);
}

}  // namespace ui::qt

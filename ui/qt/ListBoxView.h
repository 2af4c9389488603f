// A list box: items of a fixed height and one selection; a user's pick goes to ListBox::userSelected.
#pragma once

#include <QListWidget>
#include <optional>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

class ListBoxView : public QListWidget, public ControlView {
  public:
    ListBoxView(ui::ListBox& list, ui::Dispatcher& dispatcher, QWidget* parent);
    QWidget& widget() override { return *this; }
    bool nativeMouse() const override { return true; }

  protected:
    void applyOwn() override;

  private:
    int selectedRow() const;

    ui::ListBox& list_;
    std::vector<std::string> items_;  // as shown
    int itemHeight_ = -1;             // widget px, as shown
    ui::Font font_;
    int fontScale_ = 0;                       // scale font_ was set at; 0 before the first apply
    std::optional<base::Colour> background_;  // as shown
    base::Colour textColour_;                 // as shown, with a background
    bool applying_ = false;  // true while the program's values are put in, so no user pick is reported
};

}  // namespace ui::qt

// A list box: items of a fixed height and one selection; a user's pick goes to ListBox::userSelected.
#pragma once

#include <QListWidget>
#include <optional>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class ListBoxView : public ViewOf<QListWidget, ui::ListBox, true> {
  public:
    ListBoxView(ui::ListBox& list, ui::Dispatcher& dispatcher, QWidget* parent);

  protected:
    void applyOwn() override;

  private:
    int selectedRow() const;

    std::vector<std::string> items_;          // as shown
    int itemHeight_ = -1;                     // widget px, as shown
    std::optional<base::Colour> background_;  // as shown
    base::Colour textColour_;                 // as shown, with a background
    bool applying_ = false;  // true while the program's values are put in, so no user pick is reported
};

}  // namespace ui::qt

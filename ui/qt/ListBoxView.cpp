// List box: rebuilt only when its items change; selection kept in step both ways.
#include "ui/qt/ListBoxView.h"

#include <QApplication>
#include <QPalette>

#include "ui/qt/FittedItemDelegate.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

ListBoxView::ListBoxView(ui::ListBox& list, ui::Dispatcher& dispatcher, QWidget* parent)
    : ViewOf(list, parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A name too long for the row is drawn condensed, not cut short.
    setItemDelegate(new FittedItemDelegate(this));
    connect(this, &QListWidget::itemSelectionChanged, this, [this, &dispatcher] {
        if (applying_) return;
        const int row = selectedRow();
        if (row == model().itemIndex()) return;
        dispatcher.run([this, row] { model().userSelected(row); });
    });
}

int ListBoxView::selectedRow() const {
    const auto picked = selectedItems();
    return picked.isEmpty() ? -1 : row(picked.front());
}

void ListBoxView::applyOwn() {
    applying_ = true;
    const int itemHeight = model().itemHeight() * scale();
    showFont(model().font());
    if (background_ != model().background() ||
        (model().background() && textColour_ != model().font().colour)) {
        background_ = model().background();
        textColour_ = model().font().colour;
        QPalette colours = QApplication::palette(this);
        if (background_) {
            colours.setColor(QPalette::Base, qcolour(*background_));
            colours.setColor(QPalette::Text, qcolour(textColour_));
        }
        setPalette(colours);
    }
    if (items_ != model().items() || itemHeight_ != itemHeight) {
        items_ = model().items();
        itemHeight_ = itemHeight;
        clear();
        for (const auto& text : items_) {
            auto item = std::make_unique<QListWidgetItem>(qs(text));
            item->setSizeHint(QSize(0, itemHeight_));
            addItem(item.release());  // the list owns its items
        }
    }
    const int want = model().itemIndex() >= 0 && model().itemIndex() < count() ? model().itemIndex() : -1;
    if (selectedRow() != want) {
        if (want < 0) {
            clearSelection();
            setCurrentRow(-1);
        } else {
            setCurrentRow(want, QItemSelectionModel::ClearAndSelect);
        }
    }
    applying_ = false;
}

}  // namespace ui::qt

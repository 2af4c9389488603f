// List box: rebuilt only when its items change; selection kept in step both ways.
#include "ui/qt/ListBoxView.h"

#include <QApplication>
#include <QPalette>

#include "ui/qt/FittedItemDelegate.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

ListBoxView::ListBoxView(ui::ListBox& list, ui::Dispatcher& dispatcher, QWidget* parent)
    : QListWidget(parent), ControlView(list), list_(list) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A name too long for the row is drawn condensed, not cut short.
    setItemDelegate(new FittedItemDelegate(this));
    connect(this, &QListWidget::itemSelectionChanged, this, [this, &dispatcher] {
        if (applying_) return;
        const int row = selectedRow();
        if (row == list_.itemIndex()) return;
        dispatcher.run([this, row] { list_.userSelected(row); });
    });
}

int ListBoxView::selectedRow() const {
    const auto picked = selectedItems();
    return picked.isEmpty() ? -1 : row(picked.front());
}

void ListBoxView::applyOwn() {
    applying_ = true;
    const int itemHeight = list_.itemHeight() * scale();
    if (fontScale_ != scale() || font_ != list_.font()) {
        font_ = list_.font();
        fontScale_ = scale();
        setFont(toQFont(font_, fontScale_));
    }
    if (background_ != list_.background() || (list_.background() && textColour_ != list_.font().colour)) {
        background_ = list_.background();
        textColour_ = list_.font().colour;
        QPalette colours = QApplication::palette(this);
        if (background_) {
            colours.setColor(QPalette::Base, qcolour(*background_));
            colours.setColor(QPalette::Text, qcolour(textColour_));
        }
        setPalette(colours);
    }
    if (items_ != list_.items() || itemHeight_ != itemHeight) {
        items_ = list_.items();
        itemHeight_ = itemHeight;
        clear();
        for (const auto& text : items_) {
            auto item = std::make_unique<QListWidgetItem>(qs(text));
            item->setSizeHint(QSize(0, itemHeight_));
            addItem(item.release());  // the list owns its items
        }
    }
    const int want = list_.itemIndex() >= 0 && list_.itemIndex() < count() ? list_.itemIndex() : -1;
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

// List items drawn with their text fitted to the row (condensed rather than cut short with "…").
#pragma once

#include <QStyledItemDelegate>

namespace ui::qt {

class FittedItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace ui::qt

// The row as the style draws it without its text, then the text fitted to the text's part of the row.
#include "ui/qt/FittedItemDelegate.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include "ui/qt/FittedText.h"

namespace ui::qt {

void FittedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    item.text = text;
    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    // Only the width is fitted: rows as high as their font, whose ink may touch the next row, keep one size
    // for every item; the row's clip keeps what spills over.
    const qreal height = std::max<qreal>(box.height(), QFontMetricsF(item.font).height() + 2);
    const FittedText fitted(text, item.font, QSizeF(box.width(), height), Qt::AlignLeft, false);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    fitted.draw(*painter, box.topLeft());
    painter->restore();
}

}  // namespace ui::qt

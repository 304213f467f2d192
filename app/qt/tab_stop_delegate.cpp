#include "app/qt/tab_stop_delegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace vellmora {

TabStopDelegate::TabStopDelegate(QObject* parent, int dialogUnits, int rowHeight)
    : QStyledItemDelegate(parent), dialogUnits_(dialogUnits), rowHeight_(rowHeight) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
  painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
  painter->setFont(option.font);
  QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
  layout.setWrapMode(QTextOption::NoWrap);
  layout.setTabStopDistance(QFontMetricsF(option.font).averageCharWidth() * dialogUnits_ / 4.0);
  painter->drawText(QRectF(option.rect).adjusted(2, 0, 0, 0), index.data().toString(), layout);
  painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

}  // namespace vellmora

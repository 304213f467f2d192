#pragma once

#include <QStyledItemDelegate>

namespace vellmora {

// Draws list rows with tab stops every `dialogUnits` dialog units (a dialog
// unit is a quarter of the font's average character width) in rows of a
// fixed height.
class TabStopDelegate : public QStyledItemDelegate {
 public:
  TabStopDelegate(QObject* parent, int dialogUnits, int rowHeight);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int dialogUnits_;
  int rowHeight_;
};

}  // namespace vellmora

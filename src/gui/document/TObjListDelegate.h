#pragma once
// How ObjListBox draws an entry: after the check box, a square of the object's colour inset by a quarter
// of the item height, and the caption one item height from the left.
#include <QStyledItemDelegate>

class TObjListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 16;
    // The item's data under this role is the object's TColor.
    static constexpr int ColorRole = Qt::UserRole;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where the entry's own drawing starts: right of the check box.
    static int ItemLeft(const QStyleOptionViewItem& option);
};

#include "gui/document/TObjListDelegate.h"

#include "core/plot/Colors.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int CheckGap = 2; // between the check box and the entry

QColor ColorOf(const QModelIndex& index) {
    const TColor c = index.data(TObjListDelegate::ColorRole).value<TColor>();
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
} // namespace

int TObjListDelegate::ItemLeft(const QStyleOptionViewItem& option) {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const QRect check = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, option.widget);
    return check.isValid() ? check.right() + 1 + CheckGap : option.rect.left();
}

void TObjListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString caption = opt.text;
    // The style draws the background, the selection and the check box; the rest is the entry's own.
    opt.text.clear();
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const int h = ItemHeight;
    const int left = ItemLeft(opt);
    const int top = opt.rect.top() + (opt.rect.height() - h) / 2;
    painter->save();
    const QRect square(left + h / 4, top + h / 4, h - 2 * (h / 4), h - 2 * (h / 4));
    painter->setPen(opt.palette.color(QPalette::Text));
    painter->setBrush(ColorOf(index));
    painter->drawRect(square.adjusted(0, 0, -1, -1));
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text(left + h, opt.rect.top(), opt.rect.right() - (left + h), opt.rect.height());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    painter->restore();
}

QSize TObjListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    // The style's width of check box and caption, plus the colour square's place.
    return QSize(QStyledItemDelegate::sizeHint(option, index).width() + ItemHeight, ItemHeight);
}

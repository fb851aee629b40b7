#include "gui/app/TCbStyleLine.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <array>

namespace {

constexpr int LineLeftInset = 2;  // from the item's left edge
constexpr int LineRightInset = 5; // short of the box width
constexpr int LineTopOffset = 7;  // below the item's top

const std::array<const char*, 5> StyleItems = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot"};
const std::array<Qt::PenStyle, 5> QtStyles = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine};

class TStyleLineDelegate : public QStyledItemDelegate {
public:
    explicit TStyleLineDelegate(TCbStyleLine* box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        m_box->DrawItem(*painter, index.row(), option.rect);
    }

private:
    TCbStyleLine* m_box;
};

} // namespace

TCbStyleLine::TCbStyleLine(QWidget* parent) : QComboBox(parent) {
    setFixedWidth(BoxWidth);
    for (const char* item : StyleItems)
        addItem(item);
    setItemDelegate(new TStyleLineDelegate(this));
    setCurrentIndex(0);
}

PenStyle TCbStyleLine::Style() const {
    const int i = currentIndex();
    return i >= 0 && i < static_cast<int>(StyleItems.size()) ? static_cast<PenStyle>(i) : PenStyle::Solid;
}

void TCbStyleLine::SetStyle(PenStyle style) {
    const int i = static_cast<int>(style);
    if (i >= 0 && i < count()) setCurrentIndex(i);
}

void TCbStyleLine::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    painter.save();
    painter.fillRect(rect, Qt::white);
    if (index >= 0 && index < static_cast<int>(QtStyles.size())) {
        QPen pen(isEnabled() ? Qt::black : Qt::gray);
        pen.setWidth(1);
        pen.setStyle(QtStyles[index]);
        painter.setPen(pen);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int y = rect.top() + LineTopOffset;
        painter.drawLine(rect.left() + LineLeftInset, y, width() - LineRightInset, y);
    }
    painter.restore();
    if (m_userDraw) m_userDraw(painter, index, rect);
}

void TCbStyleLine::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    DrawItem(painter, currentIndex(), field);
}

#include "gui/document/TColorGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
const char* const ForegroundMark = "FG";
constexpr int DarkLimit = 128 * 3; // sum of the channels below which the mark is written in white
} // namespace

QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent), m_colors(GlobColors().Colors()) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

void TColorGrid::SetColors(const std::array<TColor, PaletteSize>& colors) {
    m_colors = colors;
    update();
}

void TColorGrid::SetForegroundIndex(int index) {
    m_index = index >= 0 && index < PaletteSize ? index : NoColorIndex;
    update();
}

void TColorGrid::SetForegroundColor(TColor c) {
    const auto at = std::find(m_colors.begin(), m_colors.end(), c);
    SetForegroundIndex(at == m_colors.end() ? NoColorIndex : static_cast<int>(at - m_colors.begin()));
}

TColor TColorGrid::ForegroundColor(TColor fallback) const {
    return m_index == NoColorIndex ? fallback : m_colors[m_index];
}

QRect TColorGrid::CellRect(int index) const {
    return QRect((index % Columns) * CellSize, (index / Columns) * CellSize, CellSize, CellSize);
}

int TColorGrid::CellAt(const QPoint& p) const {
    if (p.x() < 0 || p.y() < 0) return -1;
    const int column = p.x() / CellSize, row = p.y() / CellSize;
    if (column >= Columns || row >= Rows) return -1;
    return row * Columns + column;
}

QSize TColorGrid::sizeHint() const {
    return QSize(Columns * CellSize + 1, Rows * CellSize + 1);
}

void TColorGrid::Pick(int index) {
    if (index < 0 || index >= PaletteSize) return;
    const bool changed = index != m_index;
    SetForegroundIndex(index);
    if (changed) emit Change();
}

void TColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < PaletteSize; ++i) {
        const QRect cell = CellRect(i);
        painter.fillRect(cell, ToQColor(m_colors[i]));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell);
    }
    if (m_index == NoColorIndex) return;
    const TColor c = m_colors[m_index];
    const bool dark = RedOf(c) + GreenOf(c) + BlueOf(c) < DarkLimit;
    const QColor ink = dark ? Qt::white : Qt::black;
    const QRect cell = CellRect(m_index).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(ink, 1, hasFocus() ? Qt::DotLine : Qt::SolidLine));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(CellSize / 2);
    painter.setFont(font);
    painter.drawText(cell, Qt::AlignCenter, ForegroundMark);
}

void TColorGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Pick(CellAt(e->position().toPoint()));
    QWidget::mousePressEvent(e);
}

void TColorGrid::keyPressEvent(QKeyEvent* e) {
    int dx = 0, dy = 0;
    switch (e->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: QWidget::keyPressEvent(e); return;
    }
    // With no cell picked the first arrow picks the first cell.
    if (m_index == NoColorIndex) {
        Pick(0);
        return;
    }
    const int column = (m_index % Columns + dx + Columns) % Columns;
    const int row = (m_index / Columns + dy + Rows) % Rows;
    Pick(row * Columns + column);
}

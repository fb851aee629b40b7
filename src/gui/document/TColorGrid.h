#pragma once
// A 4 x 4 grid of the palette's colours; clicking a cell (or moving through the cells with the arrow keys)
// picks its colour. The picked cell carries a frame and the letters "FG".
#include "core/plot/Colors.h"
#include "core/plot/TGlobColors.h"

#include <QWidget>

#include <array>

class TColorGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 4;
    static constexpr int Rows = PaletteSize / Columns;
    static constexpr int CellSize = 20;

    explicit TColorGrid(QWidget* parent = nullptr);

    // The palette is that of the program unless set otherwise.
    void SetColors(const std::array<TColor, PaletteSize>& colors);
    const std::array<TColor, PaletteSize>& Colors() const { return m_colors; }

    // 0..15, or NoColorIndex when no cell is picked.
    int ForegroundIndex() const { return m_index; }
    void SetForegroundIndex(int index);
    // Picks the cell of c, none when c is not in the palette.
    void SetForegroundColor(TColor c);
    // The picked cell's colour; fallback when none is picked.
    TColor ForegroundColor(TColor fallback = clBlack) const;

    // The cell under a point of the widget, -1 outside the cells.
    int CellAt(const QPoint& p) const;
    QRect CellRect(int index) const;

    QSize sizeHint() const override;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Pick(int index);

    std::array<TColor, PaletteSize> m_colors;
    int m_index = NoColorIndex;
};

// The toolkit's colour of a palette colour (0x00BBGGRR).
QColor ToQColor(TColor c);

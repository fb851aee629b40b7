#pragma once
// The combo box of pen styles: each item shows a short line drawn in its style.
#include "core/plot/Canvas.h"

#include <QComboBox>

#include <functional>

class QPainter;

class TCbStyleLine : public QComboBox {
    Q_OBJECT
public:
    static constexpr int BoxWidth = 50;

    // Runs after an item is drawn: the painter, the item's index and its rectangle.
    using TDrawHandler = std::function<void(QPainter&, int index, const QRect& rect)>;

    explicit TCbStyleLine(QWidget* parent = nullptr);

    PenStyle Style() const;
    void SetStyle(PenStyle style);

    void SetUserDraw(TDrawHandler handler) { m_userDraw = std::move(handler); }

    // Draws item `index` into rect as the list and the closed box show it.
    void DrawItem(QPainter& painter, int index, const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TDrawHandler m_userDraw;
};

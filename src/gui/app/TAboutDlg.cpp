#include "gui/app/TAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int PictureSize = 64;
constexpr int CurveSteps = 64;
constexpr double TwoPi = 6.283185307179586;

const std::array<const char*, 8> AboutLines = {
    "Програмний комплекс",
    "VORN 1.0",
    "***",
    "Навчальний програмний засіб",
    "VORN1 1.1",
    "***",
    "Графічний аналіз функцій: графіки, обчислення тощо; ",
    "математична статистика, апроксимація.",
};

} // namespace

QPixmap AboutPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 10.0;
    const double mid = size / 2.0;

    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(margin, mid), QPointF(size - margin, mid));
    painter.drawLine(QPointF(margin * 2, size - margin), QPointF(margin * 2, margin));
    const double arrow = margin / 2;
    painter.drawLine(QPointF(size - margin, mid), QPointF(size - margin - arrow, mid - arrow));
    painter.drawLine(QPointF(size - margin, mid), QPointF(size - margin - arrow, mid + arrow));
    painter.drawLine(QPointF(margin * 2, margin), QPointF(margin * 2 - arrow, margin + arrow));
    painter.drawLine(QPointF(margin * 2, margin), QPointF(margin * 2 + arrow, margin + arrow));

    // One period of the sine between the axis ends.
    const double left = margin * 2;
    const double right = size - margin * 1.5;
    const double amplitude = mid - margin * 2;
    QPainterPath curve;
    for (int i = 0; i <= CurveSteps; ++i) {
        const double t = static_cast<double>(i) / CurveSteps;
        const QPointF p(left + (right - left) * t, mid - amplitude * std::sin(TwoPi * t));
        if (i == 0)
            curve.moveTo(p);
        else
            curve.lineTo(p);
    }
    painter.setPen(QPen(Qt::red, 2));
    painter.drawPath(curve);
    return pixmap;
}

TAboutDlg::TAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutDlg");
    setWindowTitle("Про програму");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_image = new QLabel(this);
    m_image->setObjectName("Image1");
    m_image->setPixmap(AboutPicture(PictureSize));
    m_image->setFixedSize(PictureSize, PictureSize);

    m_aboutMemo = new QPlainTextEdit(this);
    m_aboutMemo->setObjectName("AboutMemo");
    m_aboutMemo->setReadOnly(true);
    m_aboutMemo->setFrameStyle(QFrame::NoFrame);
    m_aboutMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_aboutMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_aboutMemo->setFocusPolicy(Qt::NoFocus);
    // The memo blends into the dialog.
    QPalette palette = m_aboutMemo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_aboutMemo->setPalette(palette);
    QStringList lines;
    for (const char* line : AboutLines)
        lines << QString::fromUtf8(line);
    m_aboutMemo->setPlainText(lines.join(QChar('\n')));
    m_aboutMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Sized to show every line whole, without scroll bars.
    const QFontMetrics fm = m_aboutMemo->fontMetrics();
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(line));
    const int padding =
        2 * static_cast<int>(std::ceil(m_aboutMemo->document()->documentMargin())) + fm.averageCharWidth();
    m_aboutMemo->setFixedSize(textWidth + padding,
                              fm.lineSpacing() * static_cast<int>(lines.size()) + padding);

    m_okButton = new QPushButton("OK", this);
    m_okButton->setObjectName("OKButton");
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(m_image, 0, Qt::AlignTop);
    top->addWidget(m_aboutMemo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

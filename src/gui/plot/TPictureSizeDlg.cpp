#include "gui/plot/TPictureSizeDlg.h"

#include "gui/plot/PictureWriter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TPictureSizeDlg::TPictureSizeDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("PictureSizeDlg");
    setWindowTitle("Розмір малюнка");
    auto makeSide = [this](const char* name) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(MinExportSide, MaxExportSide);
        box->setSuffix(" px");
        return box;
    };
    m_width = makeSide("WidthEdit");
    m_height = makeSide("HeightEdit");
    auto* widthLabel = new QLabel("Ширина:", this);
    widthLabel->setObjectName("WidthLabel");
    widthLabel->setBuddy(m_width);
    auto* heightLabel = new QLabel("Висота:", this);
    heightLabel->setObjectName("HeightLabel");
    heightLabel->setBuddy(m_height);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Скасувати", this);
    cancel->setObjectName("CancelBtn");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(widthLabel, m_width);
    form->addRow(heightLabel, m_height);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPictureSizeDlg::SetPictureSize(QSize size) {
    m_width->setValue(size.width());
    m_height->setValue(size.height());
}

QSize TPictureSizeDlg::PictureSize() const {
    return QSize(m_width->value(), m_height->value());
}

#include "gui/plot/TDLabelDlg.h"
#include "gui/app/DialogButtons.h"

#include "core/base/MessageTable.h"
#include "gui/app/MessageDlg.h" // Q(), S()
#include "gui/app/TNumPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLabelDlg::TDLabelDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("DLabelDlg");
    setWindowTitle(Q(Msg(msg::LabelDlgCaption)));

    m_prompt = new QLabel(Q(Msg(msg::LabelDlgPrompt)), this);
    m_prompt->setObjectName("DLabelLabel");
    m_edit = new QLineEdit(this);
    m_edit->setObjectName("DLabelEdit");
    m_prompt->setBuddy(m_edit);
    m_point = new QCheckBox("Малювати точку", this);
    m_point->setObjectName("PCheckBox");
    m_numPanel = new TNumPanel(this);
    m_numPanel->setObjectName("NumPanel1");
    const TDialogButtons okCancel = MakeDialogButtons(this);
    m_ok = okCancel.Ok;
    m_cancel = okCancel.Cancel;

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_edit);
    layout->addWidget(m_point);
    layout->addWidget(m_numPanel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string TDLabelDlg::Text() const {
    return S(m_edit->text());
}

bool TDLabelDlg::DrawPoint() const {
    return m_point->isChecked();
}

void TDLabelDlg::showEvent(QShowEvent* e) {
    // A language file may have replaced the two texts since the dialog was made.
    setWindowTitle(Q(Msg(msg::LabelDlgCaption)));
    m_prompt->setText(Q(Msg(msg::LabelDlgPrompt)));
    m_edit->clear();
    m_edit->setFocus();
    QDialog::showEvent(e);
}

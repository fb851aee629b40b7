#pragma once
// "Мітки на графіку": every label of the graph as a row of a table (X, Y, text, point), edited in place or
// placed with "Мітка з екрану"; OK rebuilds the graph's labels from the table.
#include "core/plot/LabelTable.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QPushButton;
class QTableWidget;
class QToolButton;
class TGr;
class TNumPanel;

class TLabelsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 24700;
    enum Column { XCol, YCol, TextCol, PointCol, ColCount };

    explicit TLabelsDlg(TGr* gr, QWidget* parent = nullptr);

    // "Мітки...": fills the table from the graph's labels, and after OK rebuilds them. The graph is redrawn
    // either way. True for OK.
    bool Run();

    void SetRows(const std::vector<TLabelRow>& rows);
    std::vector<TLabelRow> Rows() const;
    // "Мітка з екрану": the graph window is lent out for one point, which becomes the last row.
    void LabelFromScreen();

    QTableWidget* SG() const { return m_sg; }
    QToolButton* InsButton() const { return m_insButton; }
    QToolButton* DelButton() const { return m_delButton; }
    QToolButton* ClrButton() const { return m_clrButton; }
    QCheckBox* ShowLabels() const { return m_showLabels; }
    QPushButton* Button1() const { return m_fromScreen; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }

public slots:
    void accept() override;

private:
    void AppendRow();
    void DeleteRow();
    void ClearTable();

    TGr* m_gr;
    QTableWidget* m_sg = nullptr;
    QToolButton* m_insButton = nullptr;
    QToolButton* m_delButton = nullptr;
    QToolButton* m_clrButton = nullptr;
    QCheckBox* m_showLabels = nullptr;
    QPushButton* m_fromScreen = nullptr;
    TNumPanel* m_numPanel = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

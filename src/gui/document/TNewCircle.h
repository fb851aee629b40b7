#pragma once
// "Коло": the circle's dialog. Page 0 takes the centre and the radius, page 1 the centre and a point on the
// circle; each page has its own OK, which confirms that page only when its boxes compile. The centre, or the
// two points, can also be picked on the graph: the dialog borrows the graph window for that.
#include "core/objects/TCircleData.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TColorGrid;
class TGr;
class TNumPanel;

class TNewCircle : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinWLine = 1;
    static constexpr int MaxWLine = 4;

    explicit TNewCircle(QWidget* parent = nullptr);

    // The window the pick buttons borrow; without one they are disabled.
    void SetGraphWindow(TGr* gr);
    TGr* GraphWindow() const;

    void Fill(const TCircleData& data);
    // What the dialog holds now; DataPage is the page shown (after an OK, the confirmed one). The colour is
    // the picked cell's, or the filled colour when no cell is picked.
    TCircleData Values() const;
    // Fill, show modally, and on OK put the confirmed values into data. Even when cancelled, data.DataPage is
    // the page the user left the dialog on.
    bool Run(TCircleData& data);

    int Page() const { return m_page; }
    QComboBox* Box(TCircleBox box) const;

    QTabWidget* PageControl() const { return m_pageControl; }
    QPushButton* OKButton(int page) const { return m_okButton[page]; }
    QPushButton* CancelButton(int page) const { return m_cancelButton[page]; }
    // "Вибір центра кола з екрану" and "Вибір точок з екрану".
    QPushButton* PickButton(int page) const { return m_pickButton[page]; }
    TColorGrid* ColorGrid() const { return m_colorGrid; }
    QCheckBox* BuildCheckBox() const { return m_buildCheckBox; }
    QSpinBox* WLineSpinEdit() const { return m_wLineSpinEdit; }
    TNumPanel* NumPanel1() const { return m_numPanel; }

public slots:
    // The OK of the page shown: closes only when the page's boxes compile.
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    static constexpr int PageCount = 2;
    static constexpr int BoxCount = static_cast<int>(TCircleBox::Y1ComboBox) + 1;

    QWidget* BuildRadiusPage();
    QWidget* BuildPointPage();
    QComboBox* AddBox(QGroupBox* group, int row, TCircleBox box, const char* labelName, const char* caption,
                      const char* name);
    void AddButtons(QWidget* page, int index, QPushButton* pick);
    void SetPage(int page);
    void SetBoxTexts(const TCircleData& data, int page);
    void FocusBox(TCircleBox box);
    void PickFromGraph(int page);

    QTabWidget* m_pageControl = nullptr;
    QComboBox* m_boxes[BoxCount] = {}; // by TCircleBox
    QPushButton* m_okButton[PageCount] = {};
    QPushButton* m_cancelButton[PageCount] = {};
    QPushButton* m_pickButton[PageCount] = {};
    TColorGrid* m_colorGrid = nullptr;
    QCheckBox* m_buildCheckBox = nullptr;
    QGroupBox* m_wLineGroupBox = nullptr;
    QSpinBox* m_wLineSpinEdit = nullptr;
    TNumPanel* m_numPanel = nullptr;

    QPointer<TGr> m_gr;
    int m_page = CirclePageRadius;
    TColor m_filledColor = 0; // given back when the user picks no cell
};

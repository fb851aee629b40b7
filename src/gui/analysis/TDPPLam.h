#pragma once
// "Нова ламана на основі існуючої": a new broken line from the current one, scaled, rotated about the origin
// or translated, one page each with its own OK. The angle and the vector can be picked on the graph.
#include "core/analysis/BrokenLineTransform.h"
#include "core/plot/CoordType.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QComboBox;
class QGridLayout;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TGr;
class TNumPanel;
struct TDocument;

class TDPPLam : public QDialog {
    Q_OBJECT
public:
    TDPPLam(TDocument& doc, TGr* gr, QWidget* parent = nullptr);

    // Runs after a new line was appended: the object list's click handling.
    std::function<void()> OnAppended;

    // "Перетворення ламаної...": shown modally when the current object is a broken line; nothing otherwise.
    void Open();

    // The inputs of every page as the boxes hold them, with the page shown as the kind.
    TTransformInputs Inputs() const;
    // OK of a page: a new line when its boxes compile.
    void PageOK(TTransformKind kind);
    // "Вибір точок з екрану ...": the angle (Rotate) or the vector (Translate) from points on the graph.
    void PickFromGraph(TTransformKind kind);

    QTabWidget* PageControl() const { return m_pages; }
    QComboBox* Box(TTransformBox box) const;
    QRadioButton* RadiansButton() const { return m_radians; }
    QRadioButton* DegreesButton() const { return m_degrees; }
    QPushButton* OKButton(TTransformKind kind) const { return m_ok[static_cast<int>(kind)]; }
    QPushButton* CancelButton(TTransformKind kind) const { return m_cancel[static_cast<int>(kind)]; }
    QPushButton* MoveButton() const { return m_moveButton; }
    QPushButton* VectorButton() const { return m_vectorButton; }

protected:
    void changeEvent(QEvent* e) override;

private:
    static constexpr int PageCount = 3;
    static constexpr int BoxCount = static_cast<int>(TTransformBox::YCB) + 1;

    QWidget* BuildScalePage();
    QWidget* BuildRotatePage();
    QWidget* BuildTranslatePage();
    QComboBox* AddBox(QWidget* parent, QGridLayout* grid, int row, TTransformBox box, const char* labelName,
                      const char* caption, const char* name, const char* text);
    void AddButtons(QWidget* page, TTransformKind kind, const char* okName, const char* cancelName,
                    const char* panelName, QPushButton* pick = nullptr);
    void AngleUnitChanged();
    bool CurrentIsBrokenLine() const;

    TDocument& m_doc;
    QPointer<TGr> m_gr;
    CoordType m_coord = CoordType::ctDec; // the coordinate system when the dialog was opened
    bool m_degreesShown = false;          // the angle unit last shown
    bool m_refusing = false;              // the message that the current object is no broken line is up

    QTabWidget* m_pages = nullptr;
    QComboBox* m_boxes[BoxCount] = {};
    QRadioButton* m_radians = nullptr;
    QRadioButton* m_degrees = nullptr;
    QPushButton* m_ok[PageCount] = {};
    QPushButton* m_cancel[PageCount] = {};
    QPushButton* m_moveButton = nullptr;
    QPushButton* m_vectorButton = nullptr;
};

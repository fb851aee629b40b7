#pragma once
// The "Статистика" commands of the main window: the frequency table window, the normal density of a
// sample and Pearson's test with its dialog. Each fills the selection as its menu item does and runs the
// core command.
#include <QObject>

struct TDocument;
class TAns;
class TMasshImage;
class TObjList;
class TPirsonDlg;
class TSView;
class QWidget;

class TStatTools : public QObject {
    Q_OBJECT
public:
    // The windows are the main window's; the two dialogs are created here as children of parent.
    TStatTools(TDocument& doc, TMasshImage& image, TObjList* objList, TAns* ans, QWidget* parent);

    void FrequencyTableCommand(); // "Частотна таблиця"
    void NormalDensityCommand(); // "Щільність нормального розподілу за вибіркою"
    void PearsonCommand(); // "Критерій Пірсона..."

    // The menu's enabling: the current object is a sample; the checked selection is a sample with a sample or
    // an explicit function.
    bool CurrentIsSample() const;
    bool PearsonApplies() const;

    TSView* SView() const { return m_view; }
    TPirsonDlg* PirsonDlg() const { return m_pirson; }

private:
    TDocument& m_doc;
    TMasshImage& m_image;
    TObjList* m_objList;
    TAns* m_ans;
    TSView* m_view = nullptr;
    TPirsonDlg* m_pirson = nullptr;
};

#pragma once
// The main window's "Операції з ламаними": each command fills the selection, runs its core function on the
// graph's surface and shows the answer (the lines in the answers window, or the refusal's box).
#include "core/analysis/AnswerBlock.h"

#include <QObject>
#include <QPointer>

class QWidget;
class TAns;
class TBrokLongIn;
class TDPPLam;
class TGr;
class TObjList;
struct TDocument;

class TBrokenLineActions : public QObject {
    Q_OBJECT
public:
    // The dialogs are children of parent.
    TBrokenLineActions(TDocument& doc, TGr* gr, TAns* ans, TObjList* objList, QWidget* parent);

    void LengthCommand();      // "Довжина ламаної..."
    void PolygonAreaCommand(); // "Площа многокутника"
    void RevolutionCommand(bool aboutOx); // "Об'єм та площа поверхні тіла обертання, вісь Ox" / "Оy"
    void TransformCommand(); // "Перетворення ламаної..."

    TBrokLongIn* BrokLongIn() const { return m_brokLongIn; }
    TDPPLam* DPPLam() const { return m_dppLam; }

private:
    void Show(const TAnswerBlock& answer);

    TDocument& m_doc;
    QPointer<TGr> m_gr;
    QPointer<TAns> m_ans;
    QWidget* m_parent;
    TBrokLongIn* m_brokLongIn;
    TDPPLam* m_dppLam;
};

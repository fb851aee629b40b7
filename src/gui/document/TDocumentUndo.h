#pragma once
// Undo and redo of the document on Qt's undo stack. Rather than every command reporting what it changed,
// the document is compared with the state last recorded once the user has settled: a short while after
// the last key, click or wheel step anywhere in the program (or a redraw of the graph), and not while a
// modal dialog is open, a mouse button is held or something else says the change is still under way. So
// a dialog's OK, a dragged track bar, a held step button or a run of wheel zooms each become one step.
#include "core/document/DocumentHistory.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QUndoStack;

class TDocumentUndo : public QObject {
    Q_OBJECT
public:
    static constexpr int StepLimit = 100;
    static constexpr int SettleMs = 400;

    TDocumentUndo(const TDocumentParts& parts, QObject* parent = nullptr);
    ~TDocumentUndo() override;

    QUndoStack* Stack() const { return m_stack; }
    // Shows the document after a restore (list, parameters, graph).
    std::function<void()> Refresh;
    // True while a change may still be under way; the look is put off.
    std::function<bool()> Busy;
    // Input to this object (the graph's surface) counts as input too: its repaints follow changes.
    void WatchRepaints(QObject* surface) { m_repainted = surface; }

    // Records a change not recorded yet as one step, now. The modified flag follows the stack.
    void Checkpoint();
    // A new or opened document: no steps, unmodified.
    void Reset();
    // The document was saved as it is: that state is the clean one.
    void MarkSaved();
    void Undo();
    void Redo();
    // Something may have changed the document: look once the user has settled.
    void Touched() { SettleLater(); }
    // Whether a change may be waiting to be recorded (the undo command is offered meanwhile).
    bool Pending() const { return m_settle.isActive(); }

signals:
    // Undo may have become possible or impossible (the stack, or a change waiting).
    void CanUndoChanged(bool can);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class TDocumentChange;
    void Restore(const TDocumentState& state);
    void SettleLater();
    void Settled();
    void FollowStack();

    TDocumentParts m_parts;
    TDocumentHistory m_history;
    QUndoStack* m_stack = nullptr;
    QTimer m_settle;
    QObject* m_repainted = nullptr;
    bool m_restoring = false;
};

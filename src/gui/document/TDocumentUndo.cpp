#include "gui/document/TDocumentUndo.h"

#include <QApplication>
#include <QEvent>
#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

// One step: the document went from one state to another. Pushing runs redo, but the change has been made
// already, so the first redo does nothing.
class TDocumentChange : public QUndoCommand {
public:
    TDocumentChange(TDocumentUndo& owner, TDocumentHistory::TChange change)
        : m_owner(owner), m_change(std::move(change)) {}
    void undo() override { m_owner.Restore(*m_change.Before); }
    void redo() override {
        if (m_pushing) {
            m_pushing = false;
            return;
        }
        m_owner.Restore(*m_change.After);
    }

private:
    TDocumentUndo& m_owner;
    TDocumentHistory::TChange m_change;
    bool m_pushing = true;
};

TDocumentUndo::TDocumentUndo(const TDocumentParts& parts, QObject* parent)
    : QObject(parent), m_parts(parts), m_history(parts), m_stack(new QUndoStack(this)) {
    m_stack->setUndoLimit(StepLimit);
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &TDocumentUndo::Settled);
    connect(m_stack, &QUndoStack::indexChanged, this, &TDocumentUndo::FollowStack);
    connect(m_stack, &QUndoStack::cleanChanged, this, &TDocumentUndo::FollowStack);
    qApp->installEventFilter(this);
}

TDocumentUndo::~TDocumentUndo() {
    qApp->removeEventFilter(this);
    // The stack empties itself as it goes, after the document it reports to.
    disconnect(m_stack, nullptr, this, nullptr);
}

void TDocumentUndo::Checkpoint() {
    m_settle.stop();
    if (std::optional<TDocumentHistory::TChange> change = m_history.TakeChange())
        m_stack->push(new TDocumentChange(*this, std::move(*change)));
    // The modified flag changes with the stack only: a command may have set it already.
    emit CanUndoChanged(m_stack->canUndo());
}

void TDocumentUndo::Reset() {
    m_settle.stop();
    m_history.Reset();
    m_stack->clear();
    FollowStack();
}

void TDocumentUndo::MarkSaved() {
    Checkpoint();
    m_stack->setClean();
    FollowStack();
}

void TDocumentUndo::Undo() {
    Checkpoint();
    m_stack->undo();
}

void TDocumentUndo::Redo() {
    Checkpoint();
    m_stack->redo();
}

void TDocumentUndo::Restore(const TDocumentState& state) {
    m_restoring = true;
    m_history.Restore(state);
    if (Refresh) Refresh();
    m_restoring = false;
    m_settle.stop();
}

void TDocumentUndo::FollowStack() {
    m_parts.Doc.Objects.Modified = !m_stack->isClean();
    emit CanUndoChanged(m_stack->canUndo() || Pending());
}

void TDocumentUndo::SettleLater() {
    if (m_restoring) return;
    const bool waiting = Pending();
    m_settle.start();
    if (!waiting) emit CanUndoChanged(true);
}

void TDocumentUndo::Settled() {
    if (Busy && Busy()) {
        m_settle.start();
        return;
    }
    Checkpoint();
}

bool TDocumentUndo::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Drop:
    case QEvent::TouchEnd:
    case QEvent::NativeGesture: SettleLater(); break;
    case QEvent::Paint:
        if (watched == m_repainted) SettleLater();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, e);
}

#include "window/edithistory.h"

#include "files/pipefilecontroller.h"
#include "kit/ivendrelinterface.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

#include "canvas/mvcanvasmodel.h"

EditHistory::EditHistory(QWidget* window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &EditHistory::focusChangedSlot);
}

void EditHistory::addModule(IVendrelInterface* module)
{
    m_histories[module].reset(PipeFileController::moduleSnapshot(module));
    connect(module, &IVendrelInterface::labelEdited, this, &EditHistory::labelEditedSlot);
}

void EditHistory::setActiveModule(IVendrelInterface* module)
{
    finishEdit();
    m_active = module;
    emit availabilityChanged();
}

LabelHistory* EditHistory::activeHistory()
{
    if (!m_active || !m_histories.contains(m_active))
        return nullptr;
    return &m_histories[m_active];
}

const LabelHistory* EditHistory::history(IVendrelInterface* module) const
{
    const auto found = m_histories.constFind(module);
    return found == m_histories.constEnd() ? nullptr : &found.value();
}

void EditHistory::restart()
{
    m_pending = false;
    m_typingField = nullptr;
    if (LabelHistory* history = activeHistory())
        history->reset(PipeFileController::moduleSnapshot(m_active));
    emit availabilityChanged();
}

void EditHistory::finishEdit()
{
    m_typingField = nullptr;
    if (!m_pending)
        return;
    m_pending = false;
    LabelHistory* history = activeHistory();
    if (history && history->record(PipeFileController::moduleSnapshot(m_active)))
        emit availabilityChanged();
}

void EditHistory::noteSaved()
{
    LabelHistory* history = activeHistory();
    MvCanvasModel* canvas = m_active ? m_active->getCanvas() : nullptr;
    if (history && canvas && !canvas->canvasHasChanged())
        history->markSaved();
}

bool EditHistory::canUndo() const
{
    const LabelHistory* found = history(m_active);
    return found && found->canUndo();
}

bool EditHistory::canRedo() const
{
    const LabelHistory* found = history(m_active);
    return found && found->canRedo();
}

void EditHistory::undo()
{
    step(false);
}

void EditHistory::redo()
{
    step(true);
}

void EditHistory::step(bool forward)
{
    // Typing not yet recorded is the step that undo takes back first.
    finishEdit();
    LabelHistory* history = activeHistory();
    if (!history || !(forward ? history->canRedo() : history->canUndo()))
        return;
    const QByteArray state = forward ? history->redo() : history->undo();
    m_restoring = true;
    PipeFileController::restoreModule(m_active, state);
    m_restoring = false;
    const QByteArray given = PipeFileController::moduleSnapshot(m_active);
    if (given != state)
        history->replaceCurrent(given);
    // The reader marks the label as just opened; it is unsaved unless it is the
    // state last saved.
    if (MvCanvasModel* canvas = m_active->getCanvas())
        canvas->setCanvasHasChanged(!history->isAtSaved());
    m_pending = false;
    emit availabilityChanged();
}

void EditHistory::labelEditedSlot()
{
    if (m_restoring || sender() != m_active)
        return;
    m_pending = true;
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus == m_keyTarget && isTextField(focus) && m_active->isAncestorOf(focus)) {
        m_typingField = focus;
        return;
    }
    scheduleFinish();
}

void EditHistory::focusChangedSlot(QWidget* old, QWidget* now)
{
    Q_UNUSED(now)
    // Leaving the field finishes its value; the field may still write it back.
    if (old && old == m_typingField)
        scheduleFinish();
}

void EditHistory::scheduleFinish()
{
    // After the input being handled has had all its effects, so that one touch
    // that changes several values is one step.
    if (m_finishQueued)
        return;
    m_finishQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_finishQueued = false;
        finishEdit();
    });
}

bool EditHistory::isTextField(const QWidget* widget) const
{
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

bool EditHistory::isInWindow(const QWidget* widget) const
{
    return widget && (widget == m_window || m_window->isAncestorOf(widget));
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin: {
        m_keyTarget = nullptr;
        // Touching anything but the field being typed into ends its step before
        // the touch changes something else.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (m_typingField && widget && widget != m_typingField &&
            !m_typingField->isAncestorOf(widget))
            finishEdit();
        break;
    }
    case QEvent::InputMethod:
        m_keyTarget = qobject_cast<QWidget*>(watched);
        break;
    case QEvent::KeyPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        m_keyTarget = widget;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (widget && isTextField(widget) && isInWindow(widget) &&
            (key->modifiers() & Qt::ControlModifier) &&
            (key->key() == Qt::Key_Z || key->key() == Qt::Key_Y)) {
            // A field would undo its own text only; in this window the keys
            // step through the label's history wherever the focus is.
            step(key->key() == Qt::Key_Y);
            return true;
        }
        if (widget && widget == m_typingField &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
            scheduleFinish();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

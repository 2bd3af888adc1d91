#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include "kit/labelhistory.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class IVendrelInterface;
class QWidget;

// Undo and redo for the label modules of one window: a LabelHistory per module,
// kept while the user switches between them, and the rule for where one step
// ends. A module reports every change (labelEdited); a change made by typing
// into a field lasts until the user leaves the field, presses return or touches
// something else, any other change is one step as soon as the input that caused
// it has been handled. Stepping back or forth reads the kept record through the
// module's own record reader, exactly as opening a file with it would.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    // window: the top-level widget whose keys and touches end typing steps.
    explicit EditHistory(QWidget* window);

    // A module as it was created, with its label as the start of its history.
    void addModule(IVendrelInterface* module);
    void setActiveModule(IVendrelInterface* module);
    IVendrelInterface* activeModule() const { return m_active; }

    // The active module's label was replaced (new label, opened file): its
    // history starts over from it.
    void restart();
    // Ends the step in progress, if any; before anything that must see it as one
    // (a save, a module switch, undo itself).
    void finishEdit();
    // The active module's label has been saved when its changed flag is clear.
    void noteSaved();

    bool canUndo() const;
    bool canRedo() const;
    // The history of a module, for looking at it.
    const LabelHistory* history(IVendrelInterface* module) const;

public slots:
    void undo();
    void redo();

signals:
    // canUndo or canRedo of the active module may have changed.
    void availabilityChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void labelEditedSlot();
    void focusChangedSlot(QWidget* old, QWidget* now);
    void scheduleFinish();
    void step(bool forward);
    bool isTextField(const QWidget* widget) const;
    bool isInWindow(const QWidget* widget) const;
    LabelHistory* activeHistory();

    QWidget* m_window;
    QHash<IVendrelInterface*, LabelHistory> m_histories;
    IVendrelInterface* m_active = nullptr;
    // A change of the active label not yet recorded.
    bool m_pending = false;
    bool m_finishQueued = false;
    bool m_restoring = false;
    // The field being typed into while its changes make one step.
    QPointer<QWidget> m_typingField;
    // Where the latest key went, until the next touch.
    QPointer<QWidget> m_keyTarget;
};

#endif

#ifndef LABELHISTORY_H
#define LABELHISTORY_H

#include "kit/vendrelexport.h"

#include <QByteArray>
#include <QVector>

// The undo history of one label: copies of its record in the order they were
// made, and where the user stands among them. A copy is whatever the module's
// record writer produces, so a state returned to is the label a file would give.
// It also remembers which copy was last saved, so that stepping back to it can
// tell the window that nothing is left to save.
class VENDREL_EXPORT LabelHistory
{
public:
    // Steps kept by default; older ones are forgotten first.
    static constexpr int DefaultSteps = 200;

    explicit LabelHistory(int steps = DefaultSteps);

    // Starts over from the label as it is now, which is how it is on disk (a new
    // label counts as saved: nothing would be lost by dropping it).
    void reset(const QByteArray& state);
    // Records the label after a finished edit. False, and nothing recorded, when
    // the edit gave back the state the user stands on. Steps that were undone
    // are forgotten.
    bool record(const QByteArray& state);

    bool canUndo() const;
    bool canRedo() const;
    // Steps back or forth and returns the state now stood on; empty when there is
    // nowhere to go.
    QByteArray undo();
    QByteArray redo();

    QByteArray current() const;
    // The state stood on, as reading it back gave it: a reader may round what it
    // reads (to the digits a field shows), and the history keeps what the user sees.
    void replaceCurrent(const QByteArray& state);
    bool isEmpty() const { return m_states.isEmpty(); }
    int size() const { return m_states.size(); }

    // The state stood on was just written to a file.
    void markSaved();
    // Whether the state stood on is the one last saved.
    bool isAtSaved() const;

private:
    QVector<QByteArray> m_states;
    int m_index = -1;
    // -1 when the saved state has been forgotten or undone away from for good.
    int m_saved = -1;
    int m_steps;
};

#endif

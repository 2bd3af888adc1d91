#include "kit/labelhistory.h"

#include <QtGlobal>

LabelHistory::LabelHistory(int steps) : m_steps(qMax(1, steps)) {}

void LabelHistory::reset(const QByteArray& state)
{
    m_states = {state};
    m_index = 0;
    m_saved = 0;
}

bool LabelHistory::record(const QByteArray& state)
{
    if (m_index >= 0 && m_states.at(m_index) == state)
        return false;
    m_states.resize(m_index + 1);
    // The saved state was among the undone ones: no step leads back to it now.
    if (m_saved > m_index)
        m_saved = -1;
    m_states.append(state);
    ++m_index;
    const int dropped = m_states.size() - (m_steps + 1);
    if (dropped > 0) {
        m_states.remove(0, dropped);
        m_index -= dropped;
        m_saved = m_saved >= dropped ? m_saved - dropped : -1;
    }
    return true;
}

bool LabelHistory::canUndo() const
{
    return m_index > 0;
}

bool LabelHistory::canRedo() const
{
    return m_index >= 0 && m_index + 1 < m_states.size();
}

QByteArray LabelHistory::undo()
{
    if (!canUndo())
        return QByteArray();
    return m_states.at(--m_index);
}

QByteArray LabelHistory::redo()
{
    if (!canRedo())
        return QByteArray();
    return m_states.at(++m_index);
}

QByteArray LabelHistory::current() const
{
    return m_index >= 0 ? m_states.at(m_index) : QByteArray();
}

void LabelHistory::replaceCurrent(const QByteArray& state)
{
    if (m_index >= 0)
        m_states[m_index] = state;
}

void LabelHistory::markSaved()
{
    m_saved = m_index;
}

bool LabelHistory::isAtSaved() const
{
    return m_index >= 0 && m_index == m_saved;
}

#include "kit/warningboard.h"

WarningBoard::WarningBoard(const QMap<int, QString>& messages, QObject* parent)
    : QObject(parent), m_messages(messages)
{
}

void WarningBoard::report(int first, bool firstOn, int second, bool secondOn, int third,
                          bool thirdOn)
{
    if (!firstOn && !secondOn && !thirdOn && m_text.isEmpty())
        return;

    m_states.insert(first, firstOn);
    m_states.insert(second, secondOn);
    m_states.insert(third, thirdOn);

    m_text.clear();
    for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
        if (!it.value())
            continue;
        if (!m_text.isEmpty())
            m_text += QStringLiteral("; ");
        m_text += m_messages.value(it.key());
    }
    emit warningStringChanged(m_text);
}

void WarningBoard::reset()
{
    m_states.clear();
    m_text.clear();
    emit warningStringChanged(m_text);
}

QString WarningBoard::text() const
{
    return m_text;
}

bool WarningBoard::isOn(int warning) const
{
    return m_states.value(warning, false);
}

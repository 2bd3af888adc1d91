#include "csvreader.h"

#include <QIODevice>

namespace {
constexpr int ChunkBytes = 64 * 1024;
constexpr int End = -1;
constexpr char16_t ByteOrderMark = 0xFEFF;
} // namespace

CsvReader::CsvReader(QIODevice* device)
    : m_device(device), m_codec(QTextCodec::codecForName("UTF-8"))
{
}

bool CsvReader::fill()
{
    if (m_atEnd)
        return false;
    const QByteArray bytes = m_device->read(ChunkBytes);
    QString text;
    if (bytes.isEmpty()) {
        m_atEnd = true;
        // A character the end of the file cut off is no text either.
        if (m_state.remainingChars == 0)
            return false;
        text = QChar(QChar::Null);
    } else {
        text = m_codec->toUnicode(bytes.constData(), bytes.size(), &m_state);
    }
    m_buffer = m_buffer.mid(m_position) + text;
    m_position = 0;
    return true;
}

int CsvReader::peek()
{
    while (m_position >= m_buffer.size())
        if (!fill())
            return End;
    return m_buffer.at(m_position).unicode();
}

int CsvReader::take()
{
    const int c = peek();
    if (c != End)
        ++m_position;
    return c;
}

void CsvReader::fail(const QString& message, int line)
{
    m_error = message;
    m_errorLine = line;
}

void CsvReader::chooseSeparator()
{
    if (peek() == ByteOrderMark)
        take();
    // Look at the first line, outside quotes, without consuming it.
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (int offset = 0;; ++offset) {
        int i = m_position + offset;
        while (i >= m_buffer.size() && fill())
            i = m_position + offset;
        if (i >= m_buffer.size())
            break;
        const QChar c = m_buffer.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    m_separator = semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

bool CsvReader::next(Record* record)
{
    if (!m_error.isEmpty())
        return false;
    if (!m_started) {
        m_started = true;
        chooseSeparator();
    }
    const int separator = m_separator.unicode();

    // Blank lines between records carry nothing.
    for (int c = peek(); c == '\r' || c == '\n'; c = peek()) {
        take();
        if (c == '\r' && peek() == '\n')
            take();
        ++m_line;
    }
    if (peek() == End)
        return false;

    record->fields.clear();
    record->line = m_line;
    record->undecodable = false;
    QString field;
    for (;;) {
        if (peek() == '"') {
            take();
            for (;;) {
                const int c = take();
                if (c == End) {
                    fail(QStringLiteral("a quoted field is not closed"), record->line);
                    return false;
                }
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    take();
                    field += QLatin1Char('"');
                } else if (c == '\r' || c == '\n') {
                    // A line break inside a field is one '\n', whatever the file uses.
                    if (c == '\r' && peek() == '\n')
                        take();
                    ++m_line;
                    field += QLatin1Char('\n');
                } else {
                    field += QChar(c);
                }
            }
            const int after = peek();
            if (after != separator && after != '\r' && after != '\n' && after != End) {
                fail(QStringLiteral("text follows the closing quote of a field"), m_line);
                return false;
            }
        } else {
            // A quote inside an unquoted field is taken as it stands (2" for a size).
            for (int c = peek(); c != separator && c != '\r' && c != '\n' && c != End; c = peek())
                field += QChar(take());
        }
        if (field.contains(QChar::Null))
            record->undecodable = true;
        record->fields << field;
        field.clear();
        const int c = take();
        if (c == separator)
            continue;
        if (c == '\r' && peek() == '\n')
            take();
        if (c != End)
            ++m_line;
        return true;
    }
}

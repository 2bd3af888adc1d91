#ifndef CSVREADER_H
#define CSVREADER_H

#include <QString>
#include <QStringList>
#include <QTextCodec>

class QIODevice;

// Reads a spreadsheet's CSV export one record at a time, as RFC 4180 writes it:
// fields in double quotes may hold separators, line breaks and doubled quotes.
// UTF-8, with or without a byte order mark; the separator is "," or ";", whichever
// the first line holds more of outside quotes (a spreadsheet in a language with a
// decimal comma writes ";"). Line ends may be CRLF, LF or CR. Bytes that are not
// UTF-8 (a list saved in a legacy code page) do not become text: their record is
// marked, so that no label prints a replacement mark in place of a letter.
class CsvReader
{
public:
    struct Record
    {
        QStringList fields;
        // The line of the file on which the record starts, counted from 1.
        int line = 0;
        // The record holds bytes that are not UTF-8, or a character that the end
        // of the file cut off; its fields are not the text the list meant.
        bool undecodable = false;
    };

    explicit CsvReader(QIODevice* device);

    // The next record; false at the end of the file or after an error. Lines with
    // nothing on them are skipped.
    bool next(Record* record);

    // Set when reading stopped before the end: a quoted field left open, a quote
    // inside a field that was not quoted, text after a closing quote.
    QString error() const { return m_error; }
    int errorLine() const { return m_errorLine; }
    // Valid after the first call of next().
    QChar separator() const { return m_separator; }

private:
    bool fill();
    int peek();
    int take();
    void chooseSeparator();
    void fail(const QString& message, int line);

    QIODevice* m_device;
    QString m_buffer;
    int m_position = 0;
    bool m_started = false;
    bool m_atEnd = false;
    QChar m_separator = QLatin1Char(',');
    int m_line = 1;
    QString m_error;
    int m_errorLine = 0;
    QTextCodec* m_codec;
    // Keeps a character cut between two chunks until the next one; what is not
    // UTF-8 becomes a null character, which no list holds as text.
    QTextCodec::ConverterState m_state{QTextCodec::ConvertInvalidToNull};
};

#endif

#ifndef LABELFILERESULT_H
#define LABELFILERESULT_H

#include <QString>

// Why a label file was or was not read. The editor logs the refusal; the
// command-line renderer prints it; both take the text from here.
class LabelFileResult
{
public:
    enum Status
    {
        Ok,
        BadMagic,
        UnknownFormat,
        OversizedPreview,
        DamagedPreview,
        DamagedRecord,
        IoError,
        // The editor has no module for the file's kind yet, only a stand-in.
        KindNotSupported
    };

    // Ok.
    LabelFileResult() = default;

    static LabelFileResult badMagic(quint8 firstByte);
    // format: as read from the file, already lower-cased. The reason shows it on one
    // line, with every byte but printable ASCII escaped ("\n", "\x1b").
    static LabelFileResult unknownFormat(const QString& format);
    static LabelFileResult oversizedPreview();
    static LabelFileResult damagedPreview();
    static LabelFileResult damagedRecord();
    // The file is missing or cannot be opened; nothing is logged for it.
    static LabelFileResult ioError();
    // Nothing is logged at error level for it: the file may well be sound.
    static LabelFileResult kindNotSupported();

    Status status() const { return m_status; }
    bool isOk() const { return m_status == Ok; }
    // The file was found and is a label file, but its preview or record is broken:
    // the user is told, unlike for a missing or foreign file.
    bool isDamaged() const;

    // Why the file was refused, as the log line gives it after its prefix
    // ("Invalid magic number: 4C"); empty when it was read.
    QString reason() const { return m_reason; }
    // The line written to the log at error level; empty when nothing is logged.
    QString logText() const;

private:
    LabelFileResult(Status status, const QString& reason);

    Status m_status = Ok;
    QString m_reason;
};

#endif

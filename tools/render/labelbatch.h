#ifndef LABELBATCH_H
#define LABELBATCH_H

#include <QHash>
#include <QString>
#include <QTextStream>

#include <memory>

class IVendrelInterface;
class LabelPages;
class PipeFileController;
struct LabelKind;

// Makes one label per row of a line list (see LineList), each through the kind's
// interactive module and the same slots a user's edits reach, and draws them one
// after the other: into one PDF with a page per copy, or a PNG per label. One module
// per kind serves every row, reset to a new label or to the template before each,
// so memory does not grow with the list.
class LabelBatch
{
public:
    enum class Status
    {
        Done,
        // Some rows could not be made; every other row was.
        RowsSkipped,
        // The list or the template could not be read at all.
        Refused,
        OutputFailed,
        // Arrows cannot be drawn: their symbol database cannot be opened.
        SymbolsMissing
    };

    struct Output
    {
        QString pdf;
        QString pngDirectory;
        // Of the PNG images, and of the symbols in the PDF.
        int dotsPerInch = 300;
    };

    // The report goes to out, one line per row and a summary; problems that stop
    // the batch and the progress go to err.
    LabelBatch(QTextStream& out, QTextStream& err);
    ~LabelBatch();

    void setVerbose(bool verbose) { m_verbose = verbose; }
    // A progress line on err, rewritten in place (for a terminal).
    void setShowProgress(bool show) { m_showProgress = show; }
    // Every row starts from this label file, of any kind; false with error() when
    // it is refused.
    bool setTemplate(const QString& path);

    Status run(const QString& listPath, const Output& output);

    QString error() const { return m_error; }

    // The module of a kind, made on first use (for tests: the label a row made).
    IVendrelInterface* module(const QString& extension);

private:
    struct Slot
    {
        std::unique_ptr<IVendrelInterface> module;
        std::unique_ptr<PipeFileController> files;
    };

    Slot* slot(const QString& extension);
    void reset(const QString& extension);
    void showProgress(int line, int labels);

    QTextStream& m_out;
    QTextStream& m_err;
    bool m_verbose = false;
    bool m_showProgress = false;
    QHash<QString, std::shared_ptr<Slot>> m_slots;
    QString m_templateKind;
    QByteArray m_templateRecord;
    QString m_error;
};

#endif

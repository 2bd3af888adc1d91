#include "labelbatch.h"
#include "labelpages.h"
#include "linelist.h"
#include "loadermessagefilter.h"

#include "files/labelfileheader.h"
#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "kit/arrowsymbols.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "canvas/mvcanvasmodel.h"

namespace {
constexpr double PointsPerInch = 72.0;
// A new label of this kind when a row names none and there is no template.
const QString DefaultKind = QStringLiteral("qypm");
// The progress line is rewritten at most this often.
constexpr qint64 ProgressIntervalMs = 200;

QString inches(double points)
{
    return QString::number(points / PointsPerInch, 'f', 2);
}

QDataStream& prepared(QDataStream& stream)
{
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    return stream;
}
} // namespace

LabelBatch::LabelBatch(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

LabelBatch::~LabelBatch()
{
    // A module's canvas and panel go with it; its file controller only points at it.
    for (const std::shared_ptr<Slot>& kept : qAsConst(m_slots))
        kept->files.reset();
}

LabelBatch::Slot* LabelBatch::slot(const QString& extension)
{
    std::shared_ptr<Slot>& kept = m_slots[extension];
    if (!kept) {
        const LabelKind* kind = LabelKinds::byExtension(extension);
        if (!kind || !kind->makeModule || !kind->applyRow) {
            m_slots.remove(extension);
            return nullptr;
        }
        kept = std::make_shared<Slot>();
        kept->module.reset(kind->makeModule(*kind, nullptr));
        kept->files = std::make_unique<PipeFileController>();
        kept->files->setContentModule(kept->module.get());
    }
    return kept.get();
}

IVendrelInterface* LabelBatch::module(const QString& extension)
{
    Slot* found = slot(extension);
    return found ? found->module.get() : nullptr;
}

bool LabelBatch::setTemplate(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        m_error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    const QString extension = file.suffix().toLower();
    Slot* target = slot(extension);
    if (!target) {
        m_error = QStringLiteral("%1: not a label kind that a line list can make").arg(path);
        return false;
    }
    bool opened = false;
    {
        const LoaderMessageFilter quiet(m_verbose);
        opened = target->files->loadTemplateFromFile(path, false);
    }
    if (!opened) {
        m_error = QStringLiteral("%1: %2").arg(path, target->files->lastLoadResult().reason());
        return false;
    }
    // Kept as the record alone and read back before every row, as the editor's
    // own copies of a label are.
    m_templateRecord.clear();
    QBuffer buffer(&m_templateRecord);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    prepared(stream) << QImage();
    if (!target->module->saveRecord(stream))
        target->module->savePipeInfo(stream);
    m_templateKind = extension;
    return true;
}

void LabelBatch::reset(const QString& extension)
{
    IVendrelInterface* target = module(extension);
    if (extension != m_templateKind) {
        target->newPipeInfo();
        return;
    }
    QBuffer buffer(&m_templateRecord);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    if (LabelFileHeader::skipPreview(prepared(stream)).isOk())
        target->loadPipeInfo(stream);
}

void LabelBatch::showProgress(int line, int labels)
{
    if (m_showProgress)
        m_err << "\rline " << line << ", " << labels << " labels" << Qt::flush;
}

LabelBatch::Status LabelBatch::run(const QString& listPath, const Output& output)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2").arg(listPath, file.errorString());
        return Status::Refused;
    }
    LineList list(&file);
    if (!list.readHeader()) {
        m_error = QStringLiteral("%1: %2").arg(listPath, list.error());
        return Status::Refused;
    }
    if (!list.ignoredColumns().isEmpty())
        m_err << "vendrel-render: columns left alone: " << list.ignoredColumns().join(", ") << '\n';
    if (!output.pngDirectory.isEmpty() && !QDir().mkpath(output.pngDirectory)) {
        m_error = QStringLiteral("cannot make the folder %1").arg(output.pngDirectory);
        return Status::OutputFailed;
    }
    std::unique_ptr<LabelPages> pages;
    if (!output.pdf.isEmpty())
        pages = std::make_unique<LabelPages>(output.pdf, output.dotsPerInch);
    const QDir listFolder = QFileInfo(listPath).absoluteDir();

    const LoaderMessageFilter quiet(m_verbose);
    int rows = 0;
    int made = 0;
    int copies = 0;
    int skipped = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    const auto skip = [&](int line, const QString& reason) {
        m_out << "line " << line << ": skipped: " << reason << '\n';
        ++skipped;
    };

    LineList::Entry entry;
    for (;;) {
        const LineList::Result result = list.next(&entry);
        if (result == LineList::Result::End)
            break;
        ++rows;
        if (result == LineList::Result::Broken) {
            skip(list.line(), list.error() + QStringLiteral("; the list is not read further"));
            break;
        }
        if (result == LineList::Result::BadRow) {
            skip(list.line(), list.error());
            continue;
        }
        QString kind = entry.kind;
        if (kind.isEmpty())
            kind = m_templateKind.isEmpty() ? DefaultKind : m_templateKind;
        if (!m_templateKind.isEmpty() && kind != m_templateKind) {
            skip(entry.line, QStringLiteral("the template is a .%1 label, the row asks for a "
                                            ".%2 one")
                                 .arg(m_templateKind, kind));
            continue;
        }
        Slot* target = slot(kind);
        if (!target) {
            skip(entry.line, QStringLiteral("labels of kind %1 cannot be made here").arg(kind));
            continue;
        }
        const LabelKind* row = LabelKinds::byExtension(kind);
        reset(kind);
        QString reason;
        if (!row->applyRow(target->module.get(), entry.row, &reason)) {
            skip(entry.line, reason);
            continue;
        }
        // Drawn without its arrows, a label would point nowhere.
        const QStringList unavailable = ArrowSymbols::unavailableDatabases();
        if (!unavailable.isEmpty()) {
            m_error = QStringLiteral("arrows cannot be drawn: the symbol database %1 cannot be "
                                     "opened (MORVANTIC_DATA_ROOT names the data folder)")
                          .arg(unavailable.join(QStringLiteral(", ")));
            if (pages)
                pages->finish();
            return Status::SymbolsMissing;
        }

        QString saved;
        if (!entry.file.isEmpty()) {
            QString path = QDir::cleanPath(listFolder.absoluteFilePath(entry.file));
            const QString suffix = QFileInfo(path).suffix().toLower();
            if (suffix.isEmpty()) {
                path += QLatin1Char('.') + kind;
            } else if (suffix != kind) {
                skip(entry.line, QStringLiteral("file %1: a .%2 label is saved as a .%2 file")
                                     .arg(entry.file, kind));
                continue;
            }
            if (!target->files->saveTemplateToFile(path)) {
                skip(
                    entry.line,
                    QStringLiteral("cannot save %1: %2").arg(path, target->files->lastSaveError()));
                continue;
            }
            saved = path;
        }

        MvCanvasModel* canvas = target->module->getCanvas();
        if (pages) {
            for (int copy = 0; copy < entry.quantity; ++copy) {
                if (!pages->addPage(canvas)) {
                    m_error = pages->error();
                    return Status::OutputFailed;
                }
            }
        }
        if (!output.pngDirectory.isEmpty()) {
            const QString png =
                QDir(output.pngDirectory)
                    .filePath(
                        QStringLiteral("line-%1.png").arg(entry.line, 4, 10, QLatin1Char('0')));
            if (!LabelPages::writePng(canvas, png, output.dotsPerInch, &m_error))
                return Status::OutputFailed;
        }
        ++made;
        copies += entry.quantity;

        const QSizeF size = canvas->getCanvasSize();
        m_out << "line " << entry.line << ": " << inches(size.width()) << " x "
              << inches(size.height()) << " in, " << entry.quantity
              << (entry.quantity == 1 ? " copy" : " copies");
        if (!saved.isEmpty())
            m_out << ", saved as " << saved;
        const QString warning = target->module->getLastWarning();
        if (!warning.isEmpty())
            m_out << ", warning: " << warning;
        m_out << '\n';
        if (sinceProgress.elapsed() >= ProgressIntervalMs) {
            showProgress(entry.line, made);
            sinceProgress.restart();
        }
    }
    if (m_showProgress)
        m_err << "\r\033[K" << Qt::flush;
    if (pages && !pages->finish()) {
        m_error = pages->error();
        return Status::OutputFailed;
    }
    m_out << rows << (rows == 1 ? " row: " : " rows: ") << made
          << (made == 1 ? " label, " : " labels, ") << copies
          << (copies == 1 ? " copy, " : " copies, ") << skipped << " skipped";
    if (pages && pages->pageCount() > 0)
        m_out << "; " << pages->pageCount() << " pages in " << output.pdf;
    else if (pages)
        m_out << "; no label, so no PDF written";
    m_out << '\n' << Qt::flush;
    return skipped > 0 ? Status::RowsSkipped : Status::Done;
}

#include "files/pipefilecontroller.h"

#include "files/labelfileheader.h"
#include "kinds/labelkinds.h"
#include "kit/ivendrelinterface.h"
#include "kit/vendrelconstants.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMessageLogger>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>

#include <sys/stat.h>

#include "analytics/analyticslibrary.h"
#include "canvas/mvcanvasmodel.h"
#include "files/filecontroller.h"
#include "files/filecontrollertools.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvmessagebox.h"

namespace {
const char* const HistoryKey = "fileHistory";
const char* const LabelFolderKey = "dir/labels";

const QRegularExpression& fileNameRule()
{
    static const QRegularExpression rule(QStringLiteral("[*\\/:\\<>|\"]"));
    return rule;
}
} // namespace

const QMap<QString, QString> PipeFileController::m_pipeFileTypes =
    PipeFileController::initializePipeFileTypes();

PipeFileController::PipeFileController(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("PipeFileController"));
    m_widgetParent = qobject_cast<QWidget*>(parent);
}

QMap<QString, QString> PipeFileController::initializePipeFileTypes()
{
    QMap<QString, QString> types;
    for (const LabelKind* kind : LabelKinds::all())
        types.insert(QString::fromLatin1(kind->extension), kind->description());
    return types;
}

void PipeFileController::setWidgetParent(QWidget* parent)
{
    m_widgetParent = parent;
}

void PipeFileController::setContentModule(IVendrelInterface* module)
{
    m_contentModule = module;
    const QPair<QString, QString> type = module->getFileType();
    m_fileDescription = type.first;
    m_fileExtension = type.second;
    if (!m_currentFiles.contains(m_fileExtension))
        m_currentFiles.insert(m_fileExtension, QString());
}

QString PipeFileController::currentFile() const
{
    return m_currentFiles.value(m_fileExtension);
}

bool PipeFileController::saveTemplateToFile(const QString& path)
{
    m_failedSavePath.clear();
    m_saveError.clear();
    if (!m_contentModule)
        return false;

    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    MvCanvasModel* canvas = m_contentModule->getCanvas();
    const bool wasChanged = canvas && canvas->canvasHasChanged();
    const auto fail = [&](const QString& reason) {
        // The record writer marks the label saved; it was not.
        if (canvas)
            canvas->setCanvasHasChanged(wasChanged);
        return saveFailed(absolutePath, reason);
    };

    // The label is laid out in memory before the file is touched, and then written
    // in one go: a file that has to be written in place is incomplete for as short a
    // time as can be, and never for a record that could not be laid out.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream stream(&buffer);
        stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        LabelFileHeader::write(stream, path);
        m_contentModule->savePipeInfo(stream);
        if (stream.status() != QDataStream::Ok)
            //: Why a label was not saved.
            return fail(tr("The label could not be written."));
    }

    // Written beside the target and renamed over it only once complete, so a failed
    // save never costs the user the label that was there before. A folder the user
    // may not write to still lets them replace a file they may write, in place.
    // Unbuffered, a write cut short by a full disk or a size limit is followed by one
    // that fails with the system's reason; a buffered flush would lose it.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (writesInPlace(file, absolutePath))
        qWarning("Saving %s in place, as its folder is not writable: the save is not atomic",
                 qUtf8Printable(absolutePath));
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!FileControllerTools::closeSavedFile(absolutePath, &file))
        return fail(file.errorString());

    m_currentFiles.insert(m_fileExtension, path);
    emit currentFileChanged(QFileInfo(path).fileName());

    QSettings& settings = FileControllerTools::applicationSettings();
    FileControllerTools::saveFileInHistory(path, settings, false, QString::fromLatin1(HistoryKey));

    AnalyticsLibrary::sendAnalyticHit(
        2, AnalyticsLibrary::sessionRecord(qApp->property("uid").toString(),
                                           QString::fromLatin1(VendrelConstants::SoftwareVersion)));
    return true;
}

bool PipeFileController::writeAll(QSaveFile& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool PipeFileController::writesInPlace(const QSaveFile& file, const QString& path)
{
    // QSaveFile does not say which way it went: writing in place, its handle is the
    // target itself rather than a temporary file beside it.
    struct stat opened = {};
    struct stat target = {};
    return fstat(file.handle(), &opened) == 0 &&
           stat(QFile::encodeName(path).constData(), &target) == 0 &&
           opened.st_dev == target.st_dev && opened.st_ino == target.st_ino;
}

bool PipeFileController::saveFailed(const QString& path, const QString& reason)
{
    qWarning("Saving %s failed: %s", qUtf8Printable(path), qUtf8Printable(reason));
    m_failedSavePath = path;
    m_saveError = reason;
    return false;
}

void PipeFileController::showSaveErrorMessage() const
{
    if (m_saveError.isEmpty())
        return;
    MvMessageBox::information(nullptr,
                              //: Error message: writing file failed.
                              tr("Save Error"),
                              //: %1 is the file path, %2 the reason given by the system.
                              tr("The label could not be saved as %1.\n%2")
                                  .arg(QDir::toNativeSeparators(m_failedSavePath), m_saveError),
                              QMessageBox::Ok);
}

void PipeFileController::logLoadError(const QString& message)
{
    QMessageLogger("pipe_file_controller", 0,
                   "bool PipeFileController::loadTemplateFromFile(const QString&, bool)")
        .critical("%s", qUtf8Printable(message));
}

QByteArray PipeFileController::moduleSnapshot(IVendrelInterface* module)
{
    QByteArray record;
    QBuffer buffer(&record);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    // The copy is only read back into the module, which skips the preview: an
    // empty image stands in for it.
    stream << QImage();
    if (module->saveRecord(stream))
        return record;

    QByteArray whole;
    QBuffer wholeBuffer(&whole);
    wholeBuffer.open(QIODevice::WriteOnly);
    QDataStream wholeStream(&wholeBuffer);
    wholeStream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    // The full writer marks the label saved; a copy in memory saves nothing.
    MvCanvasModel* canvas = module->getCanvas();
    const bool wasChanged = canvas && canvas->canvasHasChanged();
    module->savePipeInfo(wholeStream);
    if (canvas)
        canvas->setCanvasHasChanged(wasChanged);
    return whole;
}

void PipeFileController::restoreModule(IVendrelInterface* module, QByteArray record)
{
    QBuffer buffer(&record);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    if (LabelFileHeader::skipPreview(stream).isOk())
        module->loadPipeInfo(stream);
}

bool PipeFileController::loadTemplateFromFile(const QString& path, bool updateHistory)
{
    // Without a module there is nothing to read into, as good as no file.
    m_lastLoadResult = LabelFileResult::ioError();
    if (!m_contentModule)
        return false;

    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;

    QDataStream stream(&file);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);

    m_lastLoadResult = LabelFileHeader::read(stream, path, m_pipeFileTypes.keys());
    if (m_lastLoadResult.isOk())
        m_lastLoadResult = LabelFileHeader::skipPreview(stream);
    if (!m_lastLoadResult.isOk()) {
        logLoadError(m_lastLoadResult.logText());
        return false;
    }

    // The module rebuilds its label while it reads; keep what it showed so a record
    // that turns out cut short can be undone instead of standing in for the open file.
    MvCanvasModel* canvas = m_contentModule->getCanvas();
    const bool wasChanged = canvas && canvas->canvasHasChanged();
    const QByteArray before = moduleSnapshot(m_contentModule);

    m_contentModule->loadPipeInfo(stream);
    const bool damaged = stream.status() != QDataStream::Ok;
    file.close();

    if (damaged) {
        m_lastLoadResult = LabelFileResult::damagedRecord();
        logLoadError(m_lastLoadResult.logText());
        restoreModule(m_contentModule, before);
        if (canvas)
            canvas->setCanvasHasChanged(wasChanged);
        return false;
    }
    m_lastLoadResult = LabelFileResult();

    m_currentFiles.insert(m_fileExtension, path);
    emit currentFileChanged(QFileInfo(path).fileName());

    if (updateHistory) {
        QSettings& settings = FileControllerTools::applicationSettings();
        settings.setValue(QString::fromLatin1(LabelFolderKey), QFileInfo(path).absolutePath());
        FileControllerTools::saveFileInHistory(QFileInfo(path).absoluteFilePath(), settings, true,
                                               QString::fromLatin1(HistoryKey));
    }
    return true;
}

void PipeFileController::showDamagedFileMessage(const QString& path) const
{
    MvMessageBox::information(nullptr,
                              //: Title of the message shown when a label file is damaged.
                              tr("Open Error"),
                              //: Followed by the path of the label file that was refused.
                              tr("The label file could not be opened because it is damaged or "
                                 "incomplete:\n") +
                                  path,
                              QMessageBox::Ok);
}

void PipeFileController::showLoadFailureMessage(const QString& path) const
{
    if (m_lastLoadResult.isDamaged())
        showDamagedFileMessage(path);
}

bool PipeFileController::checkResetTemplate()
{
    if (!m_contentModule)
        return false;
    MvCanvasModel* canvas = m_contentModule->getCanvas();
    if (!canvas || !canvas->canvasHasChanged())
        return true;

    const QMessageBox::StandardButton answer = MvMessageBox::question(
        nullptr,
        //: Title of confirmation dialog window that asks for user input.
        tr("CONFIRMATION"),
        //: Message box asking if the user wants to save the current file.
        tr("The current layout has been modified. \nDo you want to save your changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);

    if (answer == QMessageBox::No)
        return true;
    if (answer == QMessageBox::Yes) {
        if (saveTemplate())
            return true;
        MvMessageBox::information(nullptr,
                                  //: Title of file saving error message.
                                  tr("FILE SAVE ERROR"),
                                  //: Text of file saving error message.
                                  tr("File saving canceled. Reverting to the current layout."),
                                  QMessageBox::Ok);
        return false;
    }
    return false;
}

bool PipeFileController::saveTemplate()
{
    m_saveError.clear();
    if (!m_contentModule)
        return false;
    const QString path = m_currentFiles.value(m_fileExtension);
    if (path.isEmpty())
        return saveTemplateAs();
    const QFileInfo info(path);
    if (info.isDir() || !info.isWritable())
        return saveTemplateAs();
    return saveTemplateToFile(path);
}

QString PipeFileController::fileFilter() const
{
    return m_fileDescription + QStringLiteral(" (*.") + m_fileExtension + QStringLiteral(")");
}

bool PipeFileController::acceptFileName(QString& path) const
{
    // A name without this module's extension would be stored with a foreign or empty
    // format and could never be opened again.
    const QString extension = QStringLiteral(".") + m_fileExtension;
    if (!path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;

    if (!QFileInfo(path).fileName().contains(fileNameRule()))
        return true;
    MvMessageBox::information(nullptr,
                              //: Error message: writing file failed.
                              tr("Save Error"),
                              //: Attempting to save a file.
                              tr("Unable to Save Filename with Special Characters.\nPlease "
                                 "Try Again.\n") +
                                  path,
                              QMessageBox::Ok);
    return false;
}

bool PipeFileController::saveTemplateAs()
{
    m_saveError.clear();
    if (!m_contentModule)
        return false;

    //: Title of file save dialog window
    const QString title = QObject::tr("Save ") + m_fileDescription;
    const QString filter = fileFilter();
    QString selectedFilter = filter;
    const QString current = m_currentFiles.value(m_fileExtension);
    const QString start = current.isEmpty() ? FileControllerTools::getDefaultFolder() : current;

    QString path = MvFileDialog::getSaveFileName(
        m_widgetParent, title, start, filter, &selectedFilter, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return false;

    if (!acceptFileName(path))
        return false;

    QFileInfo info(path);
    QString folder;
    for (;;) {
        folder = info.absolutePath();
        if (!info.exists())
            break;
        bool again = false;
        if (!FileController::checkConfirmOverwrite(path, folder, info, m_widgetParent, title,
                                                   filter, selectedFilter, again))
            return false;
        if (!again)
            break;
        // Another name was chosen instead: it obeys the same rules as the first.
        if (!acceptFileName(path))
            return false;
        info = QFileInfo(path);
    }

    QSettings& settings = FileControllerTools::applicationSettings();
    settings.setValue(QString::fromLatin1(LabelFolderKey), folder);
    return saveTemplateToFile(path);
}

void PipeFileController::newTemplate()
{
    if (!checkResetTemplate())
        return;
    m_contentModule->newPipeInfo();
    m_currentFiles.insert(m_fileExtension, QString());
    emit currentFileChanged(QString());
}

bool PipeFileController::loadTemplate()
{
    if (!checkResetTemplate())
        return false;
    //: Title of file open dialog window
    const QString title = QObject::tr("Open ") + m_fileDescription;
    const QString filter = fileFilter();
    QString selectedFilter;
    const QString path = MvFileDialog::getOpenFileName(
        m_widgetParent, title, FileControllerTools::getDefaultFolder(), filter, &selectedFilter,
        QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return false;
    if (loadTemplateFromFile(path, true))
        return true;
    showLoadFailureMessage(path);
    return false;
}

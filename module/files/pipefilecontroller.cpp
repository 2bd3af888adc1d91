#include "files/pipefilecontroller.h"

#include "kinds/labelkinds.h"
#include "kit/ivendrelinterface.h"
#include "kit/vendrelconstants.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QMessageLogger>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>

#include "analytics/analyticslibrary.h"
#include "canvas/mvcanvasmodel.h"
#include "files/filecontroller.h"
#include "files/filecontrollertools.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvmessagebox.h"

namespace {
const char* const HistoryKey = "fileHistory";
const char* const LabelFolderKey = "dir/labels";
// Every label file stores a 256 x 256 preview; anything claiming far more is damaged
// or hostile and is refused.
constexpr quint32 LargestPreviewSide = 4096;

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
    if (!m_contentModule)
        return false;

    // Written beside the target and renamed over it only once complete, so a failed
    // save never costs the user the label that was there before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    MvCanvasModel* canvas = m_contentModule->getCanvas();
    const bool wasChanged = canvas && canvas->canvasHasChanged();

    QDataStream stream(&file);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    stream << static_cast<qint8>(MagicNumber);
    const QString suffix = QFileInfo(path).suffix();
    for (const QChar c : suffix)
        stream << static_cast<qint8>(c.unicode() <= 0xff ? c.unicode() : 0);
    stream << static_cast<qint32>(0);
    m_contentModule->savePipeInfo(stream);

    const bool written =
        stream.status() == QDataStream::Ok &&
        FileControllerTools::closeSavedFile(QFileInfo(path).absoluteFilePath(), &file);
    if (!written) {
        file.cancelWriting();
        // The record writer marks the label saved; it was not.
        if (canvas)
            canvas->setCanvasHasChanged(wasChanged);
        return false;
    }

    m_currentFiles.insert(m_fileExtension, path);
    emit currentFileChanged(QFileInfo(path).fileName());

    QSettings settings;
    FileControllerTools::saveFileInHistory(path, settings, false, QString::fromLatin1(HistoryKey));

    AnalyticsLibrary::sendAnalyticHit(
        2, AnalyticsLibrary::sessionRecord(qApp->property("uid").toString(),
                                           QString::fromLatin1(VendrelConstants::SoftwareVersion)));
    return true;
}

void PipeFileController::logLoadError(const QString& message)
{
    QMessageLogger("pipe_file_controller", 0,
                   "bool PipeFileController::loadTemplateFromFile(const QString&, bool)")
        .critical("%s", qUtf8Printable(message));
}

bool PipeFileController::skipPreview(QDataStream& stream)
{
    // The preview is stored as Qt writes images: a qint32 marker (0 for none), then
    // a PNG. It is only dropped, so walk its chunks instead of decoding it: nothing
    // is allocated for it, and a broken one is found without the decoder's noise.
    qint32 marker = -1;
    stream >> marker;
    if (marker == 0)
        return stream.status() == QDataStream::Ok;
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    QByteArray head(signature.size(), '\0');
    if (marker != 1 || stream.readRawData(head.data(), head.size()) != head.size() ||
        head != signature)
        return false;
    for (;;) {
        quint32 length = 0;
        QByteArray type(4, '\0');
        stream >> length;
        if (stream.readRawData(type.data(), type.size()) != type.size() ||
            stream.status() != QDataStream::Ok)
            return false;
        if (type == "IHDR") {
            quint32 width = 0;
            quint32 height = 0;
            stream >> width >> height;
            if (length < 8 || width > LargestPreviewSide || height > LargestPreviewSide)
                return false;
            length -= 8;
        }
        const qint64 rest = qint64(length) + 4; // data, then the chunk's CRC
        if (stream.device()->bytesAvailable() < rest || stream.skipRawData(int(rest)) != rest)
            return false;
        if (type == "IEND")
            return stream.status() == QDataStream::Ok;
    }
}

QByteArray PipeFileController::moduleSnapshot() const
{
    QByteArray record;
    QBuffer buffer(&record);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    m_contentModule->savePipeInfo(stream);
    return record;
}

void PipeFileController::restoreModule(QByteArray record) const
{
    QBuffer buffer(&record);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    if (skipPreview(stream))
        m_contentModule->loadPipeInfo(stream);
}

bool PipeFileController::loadTemplateFromFile(const QString& path, bool updateHistory)
{
    m_lastLoadDamaged = false;
    if (!m_contentModule)
        return false;

    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;

    QDataStream stream(&file);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);

    qint8 magic = 0;
    stream >> magic;
    if (static_cast<quint8>(magic) != MagicNumber) {
        logLoadError(QStringLiteral("Error loading file: Invalid magic number: %1")
                         .arg(QString::number(static_cast<quint8>(magic), 16).toUpper()));
        return false;
    }

    const int formatLength = QFileInfo(path).suffix().length();
    QString format;
    for (int i = 0; i < formatLength; ++i) {
        qint8 code = 0;
        stream >> code;
        format += QChar(static_cast<quint8>(code));
    }
    format = format.toLower();
    if (!m_pipeFileTypes.contains(format)) {
        logLoadError(QStringLiteral("Error loading file: Invalid encoded format: %1").arg(format));
        return false;
    }

    qint32 terminator = 0;
    stream >> terminator;

    if (!skipPreview(stream)) {
        logLoadError(QStringLiteral("Error loading file: Damaged record"));
        m_lastLoadDamaged = true;
        return false;
    }

    // The module rebuilds its label while it reads; keep what it showed so a record
    // that turns out cut short can be undone instead of standing in for the open file.
    MvCanvasModel* canvas = m_contentModule->getCanvas();
    const bool wasChanged = canvas && canvas->canvasHasChanged();
    const QByteArray before = moduleSnapshot();

    m_contentModule->loadPipeInfo(stream);
    const bool damaged = stream.status() != QDataStream::Ok;
    file.close();

    if (damaged) {
        logLoadError(QStringLiteral("Error loading file: Damaged record"));
        restoreModule(before);
        if (canvas)
            canvas->setCanvasHasChanged(wasChanged);
        m_lastLoadDamaged = true;
        return false;
    }

    m_currentFiles.insert(m_fileExtension, path);
    emit currentFileChanged(QFileInfo(path).fileName());

    if (updateHistory) {
        QSettings settings;
        settings.setValue(QString::fromLatin1(LabelFolderKey), QFileInfo(path).absolutePath());
        FileControllerTools::saveFileInHistory(QFileInfo(path).absoluteFilePath(), settings, true,
                                               QString::fromLatin1(HistoryKey));
    }
    return true;
}

bool PipeFileController::lastLoadWasDamaged() const
{
    return m_lastLoadDamaged;
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

    QSettings settings;
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
    if (m_lastLoadDamaged)
        showDamagedFileMessage(path);
    return false;
}

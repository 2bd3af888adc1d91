#include "files/filecontroller.h"

#include "canvas/mvcanvasmodel.h"
#include "files/filecontrollertools.h"
#include "files/genericlabelformat.h"
#include "files/genericlabelwriter.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvmessagebox.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QWidget>

namespace {

// The suffix is added unless the name already carries it, in any case, so
// "LABEL.QYLD" stays as typed.
QString withSuffix(const QString& path)
{
    const QString suffix = QLatin1String(GenericLabelFormat::Extension);
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix);
}

} // namespace

FileController::FileController(MvCanvasModel* scene, QObject* dataSource, QObject* parent)
    : QObject(parent), m_scene(scene), m_dataSource(dataSource)
{
}

void FileController::setScene(MvCanvasModel* scene)
{
    m_scene = scene;
}

QWidget* FileController::dialogParent() const
{
    return qobject_cast<QWidget*>(parent());
}

bool FileController::reportFailure(const QString& path, const QString& reason)
{
    qWarning("Exporting the label to %s failed: %s", qUtf8Printable(path), qUtf8Printable(reason));
    MvMessageBox::information(
        dialogParent(),
        //: Title of the message shown when a label could not be written.
        tr("Save Error"),
        //: %1 is the file path, %2 the reason given by the system.
        tr("The label could not be saved as %1.\n%2").arg(QDir::toNativeSeparators(path), reason),
        QMessageBox::Ok);
    return false;
}

bool FileController::saveLabelAs(const QString& extension, bool flag, const QString& text)
{
    if (!m_scene) {
        qWarning("No label to save");
        return false;
    }
    if (extension.compare(QLatin1String(GenericLabelFormat::Extension), Qt::CaseInsensitive) != 0) {
        qWarning("Labels cannot be saved in the format \"%s\"", qUtf8Printable(extension));
        return false;
    }

    //: Title of the dialog that saves a label in the generic label format.
    const QString title = tr("Save Label As");
    //: Name of the generic label file type in the file dialog.
    const QString filter = tr("Generic Label File") + QStringLiteral(" (*.") +
                           QLatin1String(GenericLabelFormat::Extension) + QLatin1Char(')');
    QString selectedFilter = filter;
    QString start = FileControllerTools::getDefaultFolder();
    if (!text.trimmed().isEmpty())
        start = QDir(start).filePath(withSuffix(text.trimmed()));

    QString path = MvFileDialog::getSaveFileName(
        dialogParent(), title, start, filter, &selectedFilter, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return false;
    path = withSuffix(path);
    QFileInfo info(path);
    while (info.exists()) {
        bool again = false;
        if (!checkConfirmOverwrite(path, info.absolutePath(), info, dialogParent(), title, filter,
                                   selectedFilter, again))
            return false;
        if (!again)
            break;
        path = withSuffix(path);
        info.setFile(path);
    }

    const QString absolutePath = info.absoluteFilePath();
    if (info.isDir())
        return reportFailure(absolutePath, tr("A folder of that name exists."));
    QSaveFile file(absolutePath);
    if (!file.open(QIODevice::WriteOnly))
        return reportFailure(absolutePath, file.errorString());
    GenericLabelWriter writer(m_scene);
    if (!writer.write(&file)) {
        file.cancelWriting();
        FileControllerTools::closeSavedFile(absolutePath, &file);
        return reportFailure(absolutePath, writer.errorString());
    }
    if (!FileControllerTools::closeSavedFile(absolutePath, &file))
        return reportFailure(absolutePath, file.errorString());

    if (flag) {
        QSettings& settings = FileControllerTools::applicationSettings();
        settings.setValue(QLatin1String(FileControllerTools::LabelFolderKey), info.absolutePath());
        FileControllerTools::saveFileInHistory(absolutePath, settings, false,
                                               QStringLiteral("fileHistory"));
    }
    emit labelSavedSignal(absolutePath);
    return true;
}

bool FileController::checkConfirmOverwrite(QString& path, const QString& folder, QFileInfo& info,
                                           QWidget* parent, const QString& title,
                                           const QString& filter, QString& selectedFilter,
                                           bool& again)
{
    again = false;
    const QMessageBox::StandardButton answer = MvMessageBox::question(
        parent, title,
        //: Asked before a file is replaced; %1 is the file name.
        tr("The file %1 already exists. Do you want to replace it?").arg(info.fileName()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        return true;
    if (answer != QMessageBox::No)
        return false;

    const QString other = MvFileDialog::getSaveFileName(
        parent, title, folder, filter, &selectedFilter, QFileDialog::DontConfirmOverwrite);
    if (other.isEmpty())
        return false;
    path = other;
    info.setFile(other);
    again = true;
    return true;
}

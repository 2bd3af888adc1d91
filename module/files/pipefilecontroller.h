#ifndef PIPEFILECONTROLLER_H
#define PIPEFILECONTROLLER_H

#include "files/labelfileresult.h"

#include <QMap>
#include <QObject>
#include <QString>

class IVendrelInterface;
class QDataStream;
class QSaveFile;
class QWidget;

// Owns the label file container: a short header naming the label kind, then the
// active module's record. Also the document commands (new, open, save, save as)
// and the question that guards every command that would drop unsaved work.
class PipeFileController : public QObject
{
    Q_OBJECT

public:
    explicit PipeFileController(QObject* parent = nullptr);

    static QMap<QString, QString> initializePipeFileTypes();

    void setWidgetParent(QWidget* parent);
    void setContentModule(IVendrelInterface* module);

    bool saveTemplateToFile(const QString& path);
    bool loadTemplateFromFile(const QString& path, bool updateHistory);

    bool checkResetTemplate();
    bool saveTemplate();
    bool saveTemplateAs();
    void newTemplate();
    bool loadTemplate();

    // The path the active module has open, empty for a new label.
    QString currentFile() const;

    // How the last open went, and why a refused one was refused.
    LabelFileResult lastLoadResult() const { return m_lastLoadResult; }
    // Whether the last refused open found a damaged file (rather than a missing or
    // foreign one), which the user is told about.
    bool lastLoadWasDamaged() const { return m_lastLoadResult.isDamaged(); }
    void showDamagedFileMessage(const QString& path) const;
    // Tells the user why the last open of path was refused, when it is something
    // to tell: a damaged file, or a kind that this version cannot open yet. A
    // missing or foreign file is only logged.
    void showLoadFailureMessage(const QString& path) const;

    // Why the last save wrote nothing, as the system gave it; empty when it was
    // written or the user gave up (cancelled a dialog, refused a name).
    QString lastSaveError() const { return m_saveError; }
    // Tells the user that the label was not saved and why; nothing when there is no
    // reason to tell (see lastSaveError).
    void showSaveErrorMessage() const;

    // A copy of the module's label in memory: its record behind an empty preview,
    // read back by restoreModule through the module's own record reader, so a copy
    // gives the label a file with that record would give. Copying does not touch
    // the module's changed flag.
    static QByteArray moduleSnapshot(IVendrelInterface* module);
    static void restoreModule(IVendrelInterface* module, QByteArray record);

signals:
    void currentFileChanged(const QString& fileName);

private:
    QString fileFilter() const;
    bool acceptFileName(QString& path) const;
    static void logLoadError(const QString& message);
    static bool writesInPlace(const QSaveFile& file, const QString& path);
    static bool writeAll(QSaveFile& file, const QByteArray& bytes);
    bool saveFailed(const QString& path, const QString& reason);

    IVendrelInterface* m_contentModule = nullptr;
    QMap<QString, QString> m_currentFiles;
    QString m_fileDescription;
    QString m_fileExtension;
    QWidget* m_widgetParent = nullptr;
    LabelFileResult m_lastLoadResult;
    QString m_failedSavePath;
    QString m_saveError;

    static const QMap<QString, QString> m_pipeFileTypes;
};

#endif

#ifndef FILECONTROLLER_H
#define FILECONTROLLER_H

#include "canvas/mvcanvasmodel.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QFileInfo;
class QWidget;

// Saves the canvas it was given as a label of the suite's generic label
// format ("qyld"). Dialogs and questions use the suite's message boxes and
// file dialogs, parented to the controller's parent when that is a widget.
class FileController : public QObject
{
    Q_OBJECT
public:
    // dataSource is kept for callers that attach the label's variable data;
    // the generic format itself stores none.
    explicit FileController(MvCanvasModel* scene = nullptr, QObject* dataSource = nullptr,
                            QObject* parent = nullptr);

    // The canvas to save; the controller does not own it and forgets it when
    // it is destroyed.
    void setScene(MvCanvasModel* scene);
    MvCanvasModel* scene() const { return m_scene; }
    void setDataSource(QObject* dataSource) { m_dataSource = dataSource; }
    QObject* dataSource() const { return m_dataSource; }

    // Asks for a file name (MvFileDialog::getSaveFileName, starting in
    // FileControllerTools::getDefaultFolder(), with `text` as the suggested
    // name when not empty), appends ".qyld" when the name does not end in it
    // (compared without case), asks before replacing an existing file
    // (checkConfirmOverwrite) and writes the scene through a QSaveFile, so a
    // failed write leaves any previous file intact. With `flag` the chosen
    // folder becomes "dir/labels" and the file enters the "fileHistory" list;
    // without it (an export) neither changes. Only the extension "qyld" is
    // supported. Returns false when cancelled or failing; a failed write is
    // shown to the user in a message box. The scene's unsaved-changes flag is
    // never touched.
    bool saveLabelAs(const QString& extension, bool flag, const QString& text);

    // For an existing file `info` (path `path` in `folder`): asks whether to
    // replace it. Yes: true, again = false. No: asks for another name; an
    // empty answer gives false, otherwise path and info become the new
    // choice, again = true (the caller checks that one too) and the result is
    // true. Cancel or closing the box: false.
    static bool checkConfirmOverwrite(QString& path, const QString& folder, QFileInfo& info,
                                      QWidget* parent, const QString& title, const QString& filter,
                                      QString& selectedFilter, bool& again);

signals:
    // After a successful save, with the absolute path written.
    void labelSavedSignal(const QString& path);

private:
    QWidget* dialogParent() const;
    bool reportFailure(const QString& path, const QString& reason);

    QPointer<MvCanvasModel> m_scene;
    QPointer<QObject> m_dataSource;
};

#endif

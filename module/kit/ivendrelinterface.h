#ifndef IVENDRELINTERFACE_H
#define IVENDRELINTERFACE_H

#include "kit/vendrelexport.h"

#include <QDataStream>
#include <QPair>
#include <QString>
#include <QWidget>

class MvCanvasModel;

// What the window and the label file controller know of a label module. A module is
// at the same time the edit panel that the window places beside the canvas view.
class VENDREL_EXPORT IVendrelInterface : public QWidget
{
    Q_OBJECT

public:
    explicit IVendrelInterface(QWidget* parent = nullptr);
    ~IVendrelInterface() override;

    virtual void startWizard() = 0;
    virtual void newPipeInfo() = 0;
    virtual void savePipeInfo(QDataStream& stream) = 0;
    virtual void loadPipeInfo(QDataStream& stream) = 0;
    // (description shown in file dialogs, extension without the dot)
    virtual QPair<QString, QString> getFileType() = 0;

    // Writes the module's record without the preview that savePipeInfo puts before
    // it, for copies of the label kept in memory (drawing and encoding the preview
    // is most of the cost of a save). False when the module has no such writer;
    // such a module is copied through savePipeInfo.
    virtual bool saveRecord(QDataStream& stream);

    void setCanvas(MvCanvasModel* canvas);
    MvCanvasModel* getCanvas() const;
    MvCanvasModel* getTagCanvas() const;
    QString getLastWarning() const;

    // Loose tags printed from the tag canvas (the ammonia module's state and
    // pressure tags): the tags the label's parts allow as bits, 0 for a module
    // without tags; building a tag of one bit on the tag canvas; the quantity the
    // print panel last printed, shown where the module asks for tag quantities.
    virtual int getTagsVisible() const;
    virtual void preparePrintTag(int tag);
    virtual void updatePrintQuantity(int quantity);

signals:
    void fitCanvasInViewSignal();
    void wizardEndSignal();
    void warningStringChanged(QString);
    // Tags to preview or print, the tag canvas ready: how many.
    void previewTagSignal(int quantity);
    void printTagSignal(int quantity);
    // The tags the label allows changed (getTagsVisible).
    void setVisibleAmmoniaTag(int tags);
    // The user changed the label: every keystroke in a field counts, so a
    // listener decides itself where one change ends and the next begins.
    void labelEdited();

protected:
    // Stores the text as the last warning before relaying it, so getLastWarning()
    // always matches the latest warningStringChanged; equal texts are relayed too.
    void reportWarning(const QString& warning);
    void setTagCanvas(MvCanvasModel* canvas);

private:
    MvCanvasModel* m_canvas = nullptr;
    MvCanvasModel* m_tagCanvas = nullptr;
    QString m_lastWarning;
};

#endif

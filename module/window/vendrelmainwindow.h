#ifndef VENDRELMAINWINDOW_H
#define VENDRELMAINWINDOW_H

#include "kit/vendrelexport.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QKeyEvent;
class QResizeEvent;
class QCloseEvent;
class Ui_VendrelMainWindow;
class IVendrelInterface;
class MvCanvasModel;
class MvFrame;
class MvInfoWidget;
class MvHelpWindow;
class FileMenuWidget;
class FileController;
class PipeFileController;
class EditHistory;
struct LabelKind;

// The single top-level window: information bar, module selector, canvas views, the
// active module's edit panel and the tool column. It sees modules only through
// IVendrelInterface and the label kinds table, and routes document commands to the
// label file controller.
class VENDREL_EXPORT VendrelMainWindow : public QWidget
{
    Q_OBJECT

public:
    enum VendrelWidgetTypes
    {
        VendrelWidget = 0,
        AmmoniaWidget = 1,
        ArrowWrapWidget = 2
    };
    Q_ENUM(VendrelWidgetTypes)

    VendrelMainWindow(QString printerSelection, bool testMode, VendrelWidgetTypes kind,
                      QString filePath, QWidget* parent = nullptr);
    ~VendrelMainWindow() override;

    // Shows the window, then fits the views to the label, which only has its final
    // geometry once shown.
    void show();

    // Splits "name" or "name,flag" into the printer name and flag handed to the
    // supply service; a comma in the first position is part of the name.
    static void splitPrinterSelection(const QString& selection, QString& name, bool& flag);

    IVendrelInterface* activeModule() const { return m_activeModule; }
    EditHistory* editHistory() const { return m_editHistory; }
    VendrelWidgetTypes currentKind() const { return m_currentKind; }

public slots:
    void updateModuleButtonIconSlot();
    void moduleButtonClickedSlot(bool checked = false);
    void switchPipeModuleSlot();
    void switchAmmoniaModuleSlot();
    void switchArrowModuleSlot();
    void onModuleWidgetFocusLost();
    void setWarningText(QString warning);
    void updateFileNameSlot(QString fileName);
    void fitCanvasInViewSlot();
    void fitCanvasInVerticalViewSlot();
    void wizardEndSlot();

    void createFileMenu();
    void setUpFileMenuItem(QPushButton* menuItem, int maxButtonWidth);
    void onFileMenuButtonClicked();
    void onFileMenuWidgetLostFocus();
    void newSlot();
    void loadSlot();
    void saveSlot();
    void saveAsSlot();
    void exportSlot();
    void onHelpButtonClicked();
    void showPrintFrameSlot(bool show);
    void undoSlot();
    void redoSlot();
    void updateUndoButtonsSlot();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createInformationBar();
    void createModuleWidget();
    void createPrintFrame();
    bool setContentWidget(VendrelWidgetTypes kind);
    void switchModuleFromPopup(VendrelWidgetTypes kind);
    void fitCurrentView();
    QRadioButton* radioButtonOf(VendrelWidgetTypes kind) const;
    static const LabelKind& kindRow(VendrelWidgetTypes kind);

    Ui_VendrelMainWindow* m_ui = nullptr;
    IVendrelInterface* m_activeModule = nullptr;
    // Per kind, created on first use.
    QVector<IVendrelInterface*> m_modules;
    MvInfoWidget* m_infoWidget = nullptr;
    MvFrame* m_moduleWidget = nullptr;
    QPushButton* m_moduleButton = nullptr;
    QLabel* m_warningCaption = nullptr;
    QLabel* m_warningText = nullptr;
    QPushButton* m_undoButton = nullptr;
    QPushButton* m_redoButton = nullptr;
    EditHistory* m_editHistory = nullptr;
    MvFrame* m_printFrame = nullptr;
    bool m_printFrameTall = false;
    // Per kind, in the selector's order.
    QList<QRadioButton*> m_moduleRadios;
    MvCanvasModel* m_currentCanvas = nullptr;
    MvCanvasModel* m_tagCanvas = nullptr;
    VendrelWidgetTypes m_currentKind;
    QList<QIcon> m_moduleIcons;
    FileController* m_fileController = nullptr;
    PipeFileController* m_pipeFileController = nullptr;
    MvHelpWindow* m_helpWindow = nullptr;
    FileMenuWidget* m_fileMenuWidget = nullptr;
    QPushButton* m_fileMenuButton = nullptr;
    QLabel* m_fileNameLabel = nullptr;
    QList<QPushButton*> m_fileMenuItems;
    QString m_printerName;
    bool m_printerFlag = false;
    // Per kind, the file name shown in the file menu.
    QStringList m_fileNames;
    bool m_testMode;
};

#endif

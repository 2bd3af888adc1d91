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
class SupplyProperties;
class MvIPC;
class PrintControllerLinux;
class PrintManager;
class PrintWidget;
class EditHistory;
struct LabelKind;

namespace MvPrintingErrors {
enum TamsyPrintError : int;
}

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

    // The print stack, for the programs and tests that drive the window.
    MvFrame* printFrame() const { return m_printFrame; }
    PrintWidget* printWidget() const { return m_printWidget; }
    PrintManager* printManager() const { return m_printManager; }
    PrintControllerLinux* printController() const { return m_printController; }
    SupplyProperties* supplyProperties() const { return m_supplyProperties; }
    // Whether the next print from the panel is the label (else the tag canvas).
    bool printTargetIsLabel() const { return m_printTargetIsLabel; }

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

    void createPrintWidget();
    void showPrintFrameSlot(bool show);
    void onPrintWidgetFocusLost();
    void onQuickPrintButtonClicked();
    void pipePrintSlot();
    void previewTagSlot(int quantity);
    void printTagSlot(int quantity);
    void ammoniaPrintComboChanged(int index);
    void printFrameSizeChanged(bool tall);
    void printFrameSizeChanged();
    void updateSupplyColors();
    void selectedPrinterChanged(QString printerName, bool printerIsRemote, bool printerIsOffline,
                                bool printerIsMv);
    void printErrorSlot(const MvPrintingErrors::TamsyPrintError& error);
    void printErrorCodeSlot(const MvPrintingErrors::TamsyPrintError& error,
                            const QString& errorCode);
    void slowPrinterStartingSlot();
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
    void connectTags(IVendrelInterface* module);
    // Where the print frame stands when shown, and when hidden beside the container.
    QPoint printFrameShownPos() const;
    QPoint printFrameHiddenPos() const;
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
    SupplyProperties* m_supplyProperties = nullptr;
    MvIPC* m_ipc = nullptr;
    PrintControllerLinux* m_printController = nullptr;
    PrintWidget* m_printWidget = nullptr;
    PrintManager* m_printManager = nullptr;
    QPushButton* m_undoButton = nullptr;
    QPushButton* m_redoButton = nullptr;
    EditHistory* m_editHistory = nullptr;
    MvFrame* m_printFrame = nullptr;
    bool m_printFrameTall = false;
    bool m_printTargetIsLabel = true;
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

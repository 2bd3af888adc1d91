#ifndef VENDRELEDITWIDGET_H
#define VENDRELEDITWIDGET_H

#include "pipe/vendrelstatuserrortype.h"

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>

class ArrowButtons;
class DragScrollListView;
class LegendLibrary;
class QModelIndex;
class ArrowsMenu;
class ColorListCombo;
class MvComboBox;
class MvLineEdit;
class NumberField;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QToolButton;
class UnitSwitch;
class WarningBoard;

// The pipe marker's touch panel. It keeps no label data beyond what its controls
// show: every user action becomes a signal for the controller, which writes the
// values it accepts back through the setters. The panel also keeps the on/off
// state of each warning on its warning board, which composes the warning text.
class VendrelEditWidget : public QWidget
{
    Q_OBJECT

public:
    explicit VendrelEditWidget(QWidget* parent = nullptr);
    ~VendrelEditWidget() override;

    // Rows of the resize option combo.
    enum ResizeOption
    {
        FitLabelToText = 0,
        FitTextToLabel = 1,
        NoResize = 2
    };

    int getUnits() const;
    QString getFontfamily() const;
    ArrowsMenu* getSymbolsMenu() const;
    bool applyBothArrowsIsChecked() const;

    // May replace the family by the one the combo falls back to.
    void setFontFamily(QString& family);

public slots:
    void setLabelLength(const QString& length);
    void setLabelHeight(const QString& height);
    void setFontHeight(const QString& fontHeight);
    void setPipeDiameter(int index);
    void setWrap(bool wrap);
    void setTop(bool top);
    void setOrientation(bool portrait);
    void setResizeOption(int option);
    void setUnits(int units);
    void setTextContent(const QString& text);
    void setLeftArrow(unsigned int id, const QIcon& icon);
    void setRightArrow(unsigned int id, const QIcon& icon);
    void setApplyBothArrowsChecked(bool checked);
    void updateColorCombo(const QColor& textColor, const QColor& backgroundColor);
    void setFontHeightInvalid(bool invalid);
    void setHeightInvalid(bool invalid);
    void setLengthInvalid(bool invalid);
    void setErrorToStatus(const Vendrel::StatusErrorType& firstError, bool firstState,
                          const Vendrel::StatusErrorType& secondError, bool secondState,
                          const Vendrel::StatusErrorType& thirdError, bool thirdState);
    void resetErrorStatus();

signals:
    void pipeDiameterChangedSignal(int);
    void resizeLabelSignal(int);
    void lengthChangedSignal(QString);
    void widthChangedSignal(QString);
    void fontHeightChangedSignal(QString);
    void textContentChangedSignal(QString);
    void fontFamilyChangedSignal(QString);
    void warningStringChanged(QString);
    void unitsChangedSignal(bool);
    void orientationSignal(bool);
    void wrapSignal(bool);
    void topSignal(bool);
    void leftArrowChangedSignal(unsigned int, QByteArray, bool);
    void rightArrowChangedSignal(unsigned int, QByteArray, bool);
    void colorChangedSignal(QColor, QColor);
    void bothArrowCheckChanged();
    // The user finished typing in the length, width or text height field (return
    // or focus leaving it).
    void sizeEditingFinishedSignal();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void orientationSlot(int id);
    void wrapSlot(bool checked);
    void topSlot(bool checked);
    void resizeLabelSlot(int index);
    void resizeOptionsChangedSlot(const QString& text);
    void unitsChangedSlot(int index);
    void widthChangedSlot(const QString& text);
    void lengthChangedSlot(const QString& text);
    void fontHeightChangedSlot(const QString& text);
    void fontHeightIncreaseSlot();
    void fontHeightDecreaseSlot();
    void colorChangedSlot(int index);
    void leftArrowClickedSlot(bool checked);
    void rightArrowClickedSlot(bool checked);
    void arrowSelectedSlot(unsigned int id, const QByteArray& symbol, const QIcon& icon,
                           QString toolTip);
    void arrowCloseSlot();
    void applyBothArrowsSlot(bool checked);
    void libraryClickedSlot();
    void legendChosenSlot(const QModelIndex& index);
    void addLegendSlot();
    void removeLegendSlot();

private:
    QFrame* createContentFrame();
    QFrame* createSizeFrame();
    QFrame* createFormattingFrame();
    QFrame* createArrowFrame();
    QFrame* createLibraryFrame();
    // Shows the library's entries, the label's legend marked when it is one of them.
    void fillLibraryList();
    void saveLibrary();
    NumberField* createNumberField(double top, const QString& objectName, QWidget* parent) const;
    void createPipeDiameterModels();

    // Which controls may be used follows from orientation, wrap and resize option.
    // byUser: the change is the user's, who may so take the top line away.
    void applyEnablingRules(bool byUser = false);
    // The box shows the label's top flag where it is enabled.
    void showTop();
    void enableFontResize(bool enable);
    // Puts the fields, the diameter list and the step into `units`, rescaling the
    // values shown from the unit they were written in.
    void applyUnits(int units);
    // The step and the signal that follow the unit the fields show.
    void unitsShown();
    void updatePreviewColors();

    QGridLayout* m_layout = nullptr;
    QFrame* m_contentFrame = nullptr;
    QFrame* m_sizeFrame = nullptr;
    QFrame* m_formattingFrame = nullptr;
    QFrame* m_arrowFrame = nullptr;
    QFrame* m_libraryFrame = nullptr;

    // Legend
    QPushButton* m_leftArrowButton = nullptr;
    QPushButton* m_rightArrowButton = nullptr;
    QLabel* m_previewLabel = nullptr;
    QCheckBox* m_applyBothCheckBox = nullptr;
    MvLineEdit* m_textEdit = nullptr;
    QPushButton* m_libraryButton = nullptr;
    DragScrollListView* m_libraryList = nullptr;
    QStandardItemModel* m_libraryModel = nullptr;
    QPushButton* m_removeLegendButton = nullptr;
    std::unique_ptr<LegendLibrary> m_library;
    QLabel* m_categoryLabel = nullptr;
    NumberField* m_fontHeightEdit = nullptr;
    QPushButton* m_fontDecreaseButton = nullptr;
    QPushButton* m_fontIncreaseButton = nullptr;
    MvComboBox* m_fontCombo = nullptr;
    QButtonGroup* m_orientationGroup = nullptr;
    QToolButton* m_landscapeButton = nullptr;
    QToolButton* m_portraitButton = nullptr;
    QCheckBox* m_wrapCheckBox = nullptr;
    QCheckBox* m_topCheckBox = nullptr;
    // The label's top flag; the box shows it only where it is enabled.
    bool m_top = false;
    MvComboBox* m_resizeCombo = nullptr;

    // Size
    MvComboBox* m_unitsCombo = nullptr;
    NumberField* m_widthEdit = nullptr;
    NumberField* m_lengthEdit = nullptr;
    MvComboBox* m_pipeDiaCombo = nullptr;
    QList<QStandardItemModel*> m_pipeDiaModels;
    double m_fontStep = 0.1;
    // The unit the three fields are written in; the process-wide unit may have
    // been switched by another module since.
    UnitSwitch* m_unitSwitch = nullptr;

    // Formatting
    ColorListCombo* m_colorCombo = nullptr;
    unsigned short m_colorIndex = 0;
    QList<QString> m_colorNames;
    QList<QString> m_textColorNames;
    QList<QString> m_backgroundColorNames;

    // Arrows
    ArrowsMenu* m_symbolsMenu = nullptr;
    QPushButton* m_arrowCloseButton = nullptr;
    QCheckBox* m_arrowFrameApplyBothCheckBox = nullptr;
    ArrowButtons* m_arrows = nullptr;

    // Warnings
    WarningBoard* m_warnings = nullptr;
};

#endif

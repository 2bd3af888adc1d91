#ifndef AMMONIAEDITWIDGET_H
#define AMMONIAEDITWIDGET_H

#include "ammonia/ammoniastatuserrortype.h"
#include "kit/arrowbuttons.h"

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QItemSelection>
#include <QList>
#include <QModelIndex>
#include <QPoint>
#include <QString>
#include <QWidget>

class AmmoniaLists;
class ArrowsMenu;
class ColorListCombo;
class ComponentItemChange;
class DragScrollListView;
class MvComboBox;
class MvLineEdit;
class NumberField;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class QStandardItemModel;
class TitledFrame;
class UnitSwitch;
class WarningBoard;

// The ammonia module's touch panel. It keeps no label data beyond what its controls
// show and the two lists: every user action becomes a signal for the controller,
// which writes the values it accepts back through the setters. It also keeps the
// on/off state of each warning on its warning board, which composes the warning
// text, and writes the lists the user changed when it is destroyed.
class AmmoniaEditWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AmmoniaEditWidget(QWidget* parent = nullptr);
    ~AmmoniaEditWidget() override;

    // True when the panel shows inches (note: setUnits takes the opposite sense).
    bool getUnits() const;
    QString getFontfamily() const;
    ArrowsMenu* getSymbolsMenu() const;
    bool applyBothArrowsIsChecked() const;
    bool isComponentMode() const;
    AmmoniaLists* lists() const { return m_lists; }
    QString currentAbbreviation() const { return m_currentAbbreviation; }
    QString currentComponent() const { return m_currentComponent; }

    // May replace the family by the one the combo falls back to.
    void setFontFamily(QString& family);

    // Lists: read when the panel is built, written when it goes.
    void loadAbbreviationsFromFile();
    void loadComponentsFromFile();
    void saveListsToFile();

public slots:
    void setPipeDiameter(int index);
    void setLabelLength(const QString& length);
    void setLabelHeight(const QString& height);
    void setFontHeight(const QString& fontHeight);
    void setBandWidth(const QString& bandWidth);
    void setArrowWidth(const QString& arrowWidth);
    // True selects millimetres.
    void setUnits(bool millimeters);
    void setModule(bool pipeMarker);
    void setState(bool liq, bool vap);
    void setPressure(bool high, bool low);
    void setLeftArrow(unsigned int id, const QIcon& icon);
    void setRightArrow(unsigned int id, const QIcon& icon);
    void setApplyBothArrowsChecked(bool checked);
    void updateColorCombo(const QColor& color);
    void setLengthInvalid(bool invalid);
    void setHeightInvalid(bool invalid);
    void setFontHeightInvalid(bool invalid);
    void setBandWidthInvalid(bool invalid);
    void setArrowWidthInvalid(bool invalid);
    void setErrorToStatus(const AmmoniaVendrel::StatusErrorType& firstError, bool firstState,
                          const AmmoniaVendrel::StatusErrorType& secondError, bool secondState,
                          const AmmoniaVendrel::StatusErrorType& thirdError, bool thirdState);
    void resetErrorStatus();
    void updatePrintQuantity(unsigned int quantity);

    // A loaded label's entries: added to the lists when missing.
    void setAbbreviationCombo(const QString& abbreviation);
    void setComponentCombo(const QString& component);
    void resetAbbreviationCombo();
    void resetComponentCombo();

signals:
    void pipeDiameterChangedSignal(int);
    void unitsChangedSignal(bool);
    void lengthChangedSignal(QString);
    void widthChangedSignal(QString);
    void fontHeightChangedSignal(QString);
    void bandWidthChangedSignal(QString);
    void arrowWidthChangedSignal(QString);
    void fontFamilyChangedSignal(QString);
    void colorChangedSignal(QColor);
    void moduleChangedSignal(bool);
    void abbrevChangedSignal(QString);
    void compChangedSignal(QString);
    void leftArrowChangedSignal(unsigned int, QByteArray, bool);
    void rightArrowChangedSignal(unsigned int, QByteArray, bool);
    void bothArrowCheckChanged();
    void liqStateChangedSignal(bool);
    void vapStateChangedSignal(bool);
    void highPressureChangedSignal(bool);
    void lowPressureChangedSignal(bool);
    void previewTagsSignal(AmmoniaVendrel::TagType, int);
    void printTagsSignal(AmmoniaVendrel::TagType, int);
    void warningStringChanged(QString);
    // The user finished typing in a size field (return or focus leaving it).
    void sizeEditingFinishedSignal();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void unitsChangedSlot(int index);
    void moduleChangedSlot(bool pipeMarker);
    void colorChangedSlot(int index);
    void addClicked();
    void editClicked(bool checked);
    void removeClicked();
    void addAbbreviationSlot(const QString& abbreviation, const QString& text);
    void addComponentSlot(const QString& component);
    void updateAbbreviationSlot(int row, const QString& abbreviation, const QString& text);
    void updateComponentSlot(int row, const QString& component);
    void ammoniaListViewSelectionChanged(const QItemSelection& selected,
                                         const QItemSelection& deselected);
    void editCloseSlot();
    void leftArrowClickedSlot(bool checked);
    void rightArrowClickedSlot(bool checked);
    void arrowSelectedSlot(unsigned int id, const QByteArray& symbol, const QIcon& icon,
                           QString toolTip);
    void arrowCloseSlot();
    void applyBothArrowsSlot(bool checked);
    void physicalStateClicked(bool checked);
    void pressureStateClicked(bool checked);
    void physicalCloseSlot();
    void pressureCloseSlot();
    void highPressChangedSlot(bool checked);
    void lowPressChangedSlot(bool checked);
    void previewPhysicalTagsClicked();
    void printPhysicalTagsClicked();
    void previewPressureTagsClicked();
    void printPressureTagsClicked();
    void updatePrintTagDimensionsLabel();

private:
    // One of the two pop-up frames of the parts: a page to choose the parts the
    // label carries, and a page to print loose tags.
    struct PartsFrame
    {
        TitledFrame* frame = nullptr;
        QPushButton* button = nullptr;
        QCheckBox* firstChoice = nullptr;
        QCheckBox* secondChoice = nullptr;
        QLabel* firstPicture = nullptr;
        QRadioButton* firstPrintChoice = nullptr;
        QRadioButton* secondPrintChoice = nullptr;
        QLabel* firstPrintPicture = nullptr;
        QLabel* dimensions = nullptr;
        MvLineEdit* quantity = nullptr;
        QPushButton* preview = nullptr;
        QPushButton* print = nullptr;
    };
    struct PartsTexts
    {
        QString objectName;
        QString title;
        QString placeholder;
        QString request;
        QString firstName;
        QString secondName;
        AmmoniaVendrel::TagType firstTag;
        AmmoniaVendrel::TagType secondTag;
    };

    QFrame* createContentFrame();
    QFrame* createSizeFrame();
    QFrame* createOptionFrame();
    void createEditFrame();
    void createArrowSelectionFrame();
    void createPhysicalSelectionFrame(int printControlWidth);
    void createPressureSelectionFrame(int printControlWidth);
    PartsFrame createPartsFrame(const PartsTexts& texts, int printControlWidth);
    QLayout* createTextContentsLayout(QWidget* parent);
    QLayout* createArrowLayout(QWidget* parent);
    void createPipeDiameterModels();
    NumberField* createNumberField(double top, const QString& objectName, QWidget* parent,
                                   void (AmmoniaEditWidget::*signal)(QString));
    QPushButton* addCloseButton(TitledFrame* frame, const QString& objectName);

    // Pop-up frames: at most one shows; each slides in from the panel's edge over
    // the frames it covers.
    void showPopup(QFrame* popup, const QRect& over, bool fromLeft);
    void hidePopup(QFrame* popup, bool toLeft);
    void closePartsFrame(PartsFrame& parts);
    void closeEditFrame();
    void closeArrowFrame();
    QRect rightColumnRect() const;

    void updateDisplayedText(const QModelIndex& index);
    void updateEditFrameContent();
    // The entry of the current mode shown on the label, selected in the list.
    void selectCurrentEntry();
    QModelIndex selectedEntry() const;
    void connectSelection();
    void reportListWarnings();
    void updatePreviewColors();
    void updateLiqPictures();
    void emitTag(const PartsFrame& parts, AmmoniaVendrel::TagType first,
                 AmmoniaVendrel::TagType second, bool print);
    void openArrowFrame(ArrowButtons::Side side, bool checked);

    QGridLayout* m_layout = nullptr;
    QFrame* m_contentFrame = nullptr;
    QFrame* m_sizeFrame = nullptr;
    QFrame* m_optionFrame = nullptr;
    TitledFrame* m_editFrame = nullptr;
    TitledFrame* m_arrowFrame = nullptr;
    PartsFrame m_physical;
    PartsFrame m_pressure;

    // Legend
    QButtonGroup* m_moduleGroup = nullptr;
    QPushButton* m_pipeMarkerTab = nullptr;
    QPushButton* m_componentTab = nullptr;
    QLabel* m_listTitle = nullptr;
    DragScrollListView* m_listView = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QLabel* m_editTitle = nullptr;
    ComponentItemChange* m_itemChange = nullptr;
    AmmoniaLists* m_lists = nullptr;
    QString m_currentAbbreviation;
    QString m_currentComponent;
    bool m_abbreviationsUnavailable = false;
    bool m_componentsUnavailable = false;
    QPushButton* m_leftArrowButton = nullptr;
    QPushButton* m_rightArrowButton = nullptr;
    QLabel* m_previewLabel = nullptr;

    // Size
    MvComboBox* m_unitsCombo = nullptr;
    MvComboBox* m_pipeDiaCombo = nullptr;
    NumberField* m_widthEdit = nullptr;
    NumberField* m_lengthEdit = nullptr;
    QList<QStandardItemModel*> m_pipeDiaModels;
    UnitSwitch* m_unitSwitch = nullptr;

    // Settings
    ColorListCombo* m_colorCombo = nullptr;
    unsigned short m_colorIndex = 0;
    QList<QString> m_colorNames;
    QList<QString> m_backgroundColorNames;
    QList<QString> m_foregroundColorNames;
    NumberField* m_bandWidthEdit = nullptr;
    NumberField* m_arrowWidthEdit = nullptr;
    NumberField* m_fontHeightEdit = nullptr;
    MvComboBox* m_fontCombo = nullptr;

    // Arrows
    ArrowsMenu* m_symbolsMenu = nullptr;
    QCheckBox* m_applyBothCheckBox = nullptr;
    ArrowButtons* m_arrows = nullptr;

    // Warnings
    WarningBoard* m_warnings = nullptr;
};

#endif

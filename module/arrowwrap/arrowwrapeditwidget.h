#ifndef ARROWWRAPEDITWIDGET_H
#define ARROWWRAPEDITWIDGET_H

#include "arrowwrap/arrowwrapstatuserrortype.h"

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

class ArrowsMenu;
class ColorListCombo;
class MvComboBox;
class NumberField;
class QStandardItemModel;
class TitledFrame;
class UnitSwitch;
class WarningBoard;

// The arrow wrap's touch panel: units, pipe diameter, colour, wrap width and length,
// the arrow symbols, arrow length, count and spacing, and the arrow width the layout
// computed. It keeps no label data beyond what its controls show: every user edit
// becomes a signal for the controller, which writes the values it accepts back
// through the setters. It also keeps the on/off state of each warning on its warning
// board, which composes the warning text.
class ArrowWrapEditWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 490;
    static constexpr int PanelHeight = 460;

    // The menu is the module's; the panel shows it.
    explicit ArrowWrapEditWidget(ArrowsMenu* arrowsMenu, QWidget* parent = nullptr);
    ~ArrowWrapEditWidget() override;

    // True when the panel shows inches.
    bool getUnits() const;
    QString getLabelLength() const;
    QString getLabelHeight() const;
    QString getArrowSpacing() const;
    // The arrow length field.
    QString getArrowWidth() const;
    QString getArrowCount() const;
    // The calculated arrow width field.
    QString getArrowHeight() const;
    int pipeDiameter() const;
    bool isHeightInvalid() const;
    bool isLengthInvalid() const;
    bool isArrowSpacingInvalid() const;
    bool isArrowLengthInvalid() const;
    bool isArrowCountInvalid() const;
    QString warningText() const;

public slots:
    // Field setters: they show the text and emit nothing.
    void setLabelLength(const QString& length);
    void setLabelHeight(const QString& height);
    void setArrowCount(const QString& count);
    void setArrowSpacing(const QString& spacing);
    void setArrowLength(const QString& length);
    void setArrowHeight(const QString& width);
    // Selects a diameter row without emitting pipeDiameterChangedSignal.
    void setPipeDiameter(int index);
    // 0 inches, 1 millimetres; switches also when the combo shows that unit already.
    void setUnits(int units);
    void setHeightInvalid(bool invalid);
    void setLengthInvalid(bool invalid);
    void setArrowSpacingInvalid(bool invalid);
    void setArrowLengthInvalid(bool invalid);
    void setArrowCountInvalid(bool invalid);
    void setErrorToStatus(const ArrowWrap::StatusErrorType& firstError, bool firstState,
                          const ArrowWrap::StatusErrorType& secondError, bool secondState,
                          const ArrowWrap::StatusErrorType& thirdError, bool thirdState);
    void resetErrorStatus();
    // Selects the first palette entry with both codes (a hash sign and six lower-case
    // hexadecimal digits); a pair the palette lacks keeps the entry selected before.
    // The colour combo reports nothing.
    void updateColorCombo(const QString& background, const QString& foreground);
    // Marks the arrow of id in the menu.
    void highlightArrow(int id);

signals:
    void pipeDiameterChangedSignal(int);
    void arrowCountChangedSignal(int);
    void lengthChangedSignal(QString);
    void widthChangedSignal(QString);
    void arrowSpacingChangedSignal(QString);
    void arrowWidthChangedSignal(QString);
    void warningStringChanged(QString);
    void arrowChanged(unsigned int, QByteArray);
    void colorChangedSignal(QColor, QColor);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void unitsChangedSlot(int units);
    void colorChangedSlot(int index);
    void arrowSelectedSlot(unsigned int id, const QByteArray& data, const QIcon& icon,
                           const QString& name);
    void arrowCountTypedSlot(const QString& text);

private:
    TitledFrame* createSizeFrame();
    TitledFrame* createArrowFrame();
    void createPipeDiameterModels();
    NumberField* createNumberField(double top, int decimals, const QString& objectName, int width,
                                   QWidget* parent);
    NumberField* createTypedField(double top, const QString& objectName, int width, QWidget* parent,
                                  void (ArrowWrapEditWidget::*signal)(QString));

    ArrowsMenu* m_arrowsMenu = nullptr;
    MvComboBox* m_unitsCombo = nullptr;
    MvComboBox* m_pipeDiaCombo = nullptr;
    QList<QStandardItemModel*> m_pipeDiaModels;
    UnitSwitch* m_unitSwitch = nullptr;
    ColorListCombo* m_colorCombo = nullptr;
    unsigned short m_colorIndex = 0;
    QList<QString> m_colorNames;
    QList<QString> m_backgroundColorNames;
    QList<QString> m_foregroundColorNames;
    NumberField* m_widthEdit = nullptr;
    NumberField* m_lengthEdit = nullptr;
    NumberField* m_arrowLengthEdit = nullptr;
    NumberField* m_arrowCountEdit = nullptr;
    NumberField* m_arrowSpacingEdit = nullptr;
    NumberField* m_arrowWidthEdit = nullptr;
    WarningBoard* m_warnings = nullptr;
};

#endif

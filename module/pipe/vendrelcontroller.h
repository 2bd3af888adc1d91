#ifndef VENDRELCONTROLLER_H
#define VENDRELCONTROLLER_H

#include "kit/labellimits.h"
#include "kit/recordcolor.h"
#include "pipe/ansisizetable.h"
#include "pipe/pipelabel.h"
#include "pipe/vendrelcommoncontroller.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class QCloseEvent;
class VendrelEditWidget;
class WizardVendrel;

// The interactive pipe marker module: the layout engine with its edit panel. Every
// edit of the panel arrives here in the user's unit, is turned into points, checked
// against the recommended sizes of the chosen pipe diameter and the printable limits,
// stored, and laid out; the panel shows the warnings that result.
class VendrelController : public VendrelCommonController
{
    Q_OBJECT

public:
    // Below these a label side or text is too small to print; a typed value below
    // them is marked and reported but never becomes the label's.
    static constexpr double LeastPrintableLength =
        LabelLimits::LeastSide - LabelLimits::LeastSideTolerance;
    static constexpr double LeastPrintableWidth = LeastPrintableLength;
    static constexpr double LeastPrintableTextHeight = LabelLimits::LeastTextHeight;
    // Typed values above these (plus a hair for rounding) are cut to the cap.
    static constexpr double LengthCapSlack = LabelLimits::MaxLength + LabelLimits::CapTolerance;
    static constexpr double HeightCapSlack = LabelLimits::MaxHeight + LabelLimits::CapTolerance;
    static constexpr double MaxTextHeight = LabelLimits::MaxHeight;
    // In wrap mode a pipe size never asks for a larger text than this.
    static constexpr double MaxWrapTextHeight = 288.0;

    static constexpr const auto& m_ANSIPipeSizes = AnsiSizeTable::Rows;

    explicit VendrelController(QWidget* parent = nullptr);
    ~VendrelController() override;

    // Every label file starts its record with a preview of this many pixels square.
    static constexpr int PreviewSide = 256;

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;

    using VendrelCommonController::recalculateSizes;
    // Lays the label out and shows in the panel every size the layout changed.
    void recalculateSizes(bool force);

    VendrelEditWidget* editWidget() const { return m_editWidget; }
    short pipeDiameterIndex() const { return m_pipeDiameterIndex; }
    double labelLength() const { return m_labelLength; }
    double labelHeight() const { return m_labelHeight; }
    double fontHeight() const { return m_fontHeight; }

    // Test aid: tints the two text lines and lays out a sample text.
    void debuggingMode();

public slots:
    void pipeDiameterChangedSlot(int index);
    void lengthChangedSlot(const QString& text);
    void widthChangedSlot(const QString& text);
    void fontHeightChangedSlot(const QString& text);
    void resizeLabelSlot(int option);
    void orientationSlot(bool vertical);
    void wrapSlot(bool wrap);
    void topSlot(bool top);
    void colorChangedSlot(const QColor& background, const QColor& textColor);
    void pipeTextChangedSlot(const QString& text);
    void fontFamilyChangedSlot(const QString& family);
    void leftArrowChangedSlot(unsigned int id, const QByteArray& data, bool mirror);
    void rightArrowChangeSlot(unsigned int id, const QByteArray& data, bool mirror);
    void editWidgetChangedSlot();
    void warningStringChangedSlot(const QString& warning);
    // The user left a size field: the next keystroke starts a new edit.
    void sizeEditingFinishedSlot();

protected:
    void closeEvent(QCloseEvent* event) override;

    void setPipeMarkerSize();
    void setMaxDocFromFontHeight(double factor, bool& heightChanged, bool& fontChanged);

    // Switches the pair of warnings of one size and tells whether its field is to be
    // marked: below the recommendation, and unprintable below the least printable value.
    bool judgeSize(double value, double recommended, double leastPrintable,
                   Vendrel::StatusErrorType tooSmall, Vendrel::StatusErrorType belowRecommendation);
    void setLengthOnWidgets(bool show);
    // A mode that fits the text to the label keeps the typed text height aside;
    // leaving it brings that height back. True when the text height changed.
    bool keepOrRestoreFontHeight(bool keep);
    // Caps height and text height for the current mode and shows what changed;
    // returns whether the label height changed.
    bool refitToMode(bool heightChanged, bool fontChanged);
    void setHeightOnWidgets(bool show);
    void setFontOnWidgets(bool show);
    void setSizesOnWidgets();
    void resetLengthOnWidgets();
    void resetHeightOnWidgets();
    void resetFontOnWidgets();
    void resetSizesOnWidgets();
    // Loads both arrows from the panel's symbols and shows them on the panel's buttons.
    void setArrowsData();
    // The label as the members and the panel hold it, as it is saved.
    PipeLabel currentLabel() const;

    void createCanvas();
    void createEditLayout();
    void createWizard();

    VendrelEditWidget* m_editWidget = nullptr;
    WizardVendrel* m_wizard = nullptr;
    short m_pipeDiameterIndex = 1;
    QColor m_backgroundColor;
    QColor m_textColor;
    // The colours as the label's record holds them: those read from a file until the
    // user picks colours, so that a value no colour can take saves back unchanged.
    RecordColor m_backgroundRecord;
    RecordColor m_textColorRecord;
    double m_savedLabelHeight = -1.0;
    double m_savedFontHeight = -1.0;
    // The text height when the user began typing a width, and the label height when
    // the user began typing a text height; -1 outside such an edit. Every keystroke
    // derives its result from these, so a value passed on the way to the one meant
    // ("1" before "1.5") leaves nothing behind.
    double m_textHeightAtWidthEdit = -1.0;
    double m_labelHeightAtTextHeightEdit = -1.0;

private:
    // The room a text height needs across the label: one line, or in wrap mode the
    // two lines and the arrow rows.
    double modeFactor() const;
    // A typed value in the user's unit, in points; unreadable text counts as 0.
    static double typedPoints(const QString& text);
    static QString shownValue(double points);
    void reportErrors(Vendrel::StatusErrorType first, bool firstOn, Vendrel::StatusErrorType second,
                      bool secondOn);
    void markChanged();
    void forgetEditStart();
    void applyArrow(ArrowSide side, unsigned int id, const QByteArray& data, bool mirror);
    // Draws the colours and lets the panel's colour list show the pair.
    void showColors(const QColor& background, const QColor& textColor);
};

#endif

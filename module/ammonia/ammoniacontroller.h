#ifndef AMMONIACONTROLLER_H
#define AMMONIACONTROLLER_H

#include "ammonia/ammoniacommoncontroller.h"
#include "ammonia/ammonialabel.h"
#include "ammonia/iiarsizetable.h"
#include "kit/labellimits.h"
#include "kit/recordcolor.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class AmmoniaEditWidget;

// The interactive ammonia module: the layout engine with its edit panel. Every edit
// of the panel arrives here in the user's unit, is turned into points, checked
// against the IIAR recommendation for the chosen pipe diameter and the printable
// limits, stored, and laid out; the panel shows the warnings that result. A
// component marker is judged by the recommendation of the pipe diameter chosen.
class AmmoniaController : public AmmoniaCommonController
{
    Q_OBJECT

public:
    // Below these a label side, a text or a part is too small to print.
    static constexpr double LeastPrintableSide = LabelLimits::LeastSide;
    static constexpr double LeastPrintableSize = LabelLimits::LeastTextHeight;
    static constexpr double MaxLabelLength = LabelLimits::MaxLength;
    static constexpr double MaxLabelHeight = LabelLimits::MaxHeight;
    // Less room than this for a text makes it hard to read.
    static constexpr double LegibleTextRoom = 10.0;
    // Every label file starts its record with a preview of this many pixels square.
    static constexpr int PreviewSide = 256;

    static constexpr const auto& m_IIARPipeSizes = IiarSizeTable::Rows;

    explicit AmmoniaController(QWidget* parent = nullptr);
    ~AmmoniaController() override;

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    bool saveRecord(QDataStream& stream) override;

    bool checkPipeTextWidth(double available, double leftEdge, double& statesPosition) override;
    void checkComponentTextWidth(double available) override;

    AmmoniaEditWidget* editWidget() const { return m_editWidget; }
    int pipeDiameterIndex() const { return m_pipeDiameterIndex; }
    void updatePrintQuantity(int quantity) override;
    // The label as the members and the panel hold it, as it is saved.
    AmmoniaLabel currentLabel() const;

    void preparePrintTag(int tag) override;

public slots:
    // Draws the loose tag of the type on the tag canvas: the label's LIQ part
    // drawn with the tag's drawing on the tag's colour, the part's size with a
    // 5-point margin all round.
    void preparePrintTagSlot(const AmmoniaVendrel::TagType& type);
    void previewTagsSlot(const AmmoniaVendrel::TagType& type, int quantity);
    void printTagsSlot(const AmmoniaVendrel::TagType& type, int quantity);
    void pipeDiameterChangedSlot(int index);
    void lengthChangedSlot(const QString& text);
    void widthChangedSlot(const QString& text);
    void fontHeightChangedSlot(const QString& text);
    void bandWidthChangedSlot(const QString& text);
    void arrowWidthChangedSlot(const QString& text);
    void moduleChangedSlot(bool pipeMarker);
    void abbrevChangedSlot(const QString& text);
    void compChangedSlot(const QString& text);
    void fontFamilyChangedSlot(const QString& family);
    void leftArrowChangedSlot(unsigned int id, const QByteArray& data, bool vertical);
    void rightArrowChangeSlot(unsigned int id, const QByteArray& data, bool vertical);
    void editWidgetChangedSlot();
    void colorChangedSlot(const QColor& color);
    void liqStateChangedSlot(bool on);
    void vapStateChangedSlot(bool on);
    void highPressureChangedSlot(bool on);
    void lowPressureChangedSlot(bool on);
    void warningStringChangedSlot(const QString& warning);
    // The user left a size field: the next keystroke starts a new edit.
    void sizeEditingFinishedSlot();

protected:
    // The tag drawings, as the resources hold them (empty when one is missing).
    static QByteArray m_highPressSvgDataReal;
    static QByteArray m_lowPressSvgDataReal;
    static QByteArray m_liqStateSvgDataReal;
    static QByteArray m_vapStateSvgDataReal;
    static void loadStateSvgsForPrint();

    void createCanvas();
    void createEditLayout();
    void setPipeMarkerSize();
    void initializeComponentSizes();
    // Both arrows from the panel's symbols, with their pictures on its buttons.
    void setArrowsData();
    QIcon arrowButtonIcon(int id, const ArrowSymbols::Symbol* symbol) const;
    void applyFontFamily(QString family);

    // Showing values, without judging them.
    void resetSizesOnWidgets();
    void resetLengthOnWidgets(double value);
    void resetHeightOnWidgets(double value);
    void resetFontOnWidgets(double value);
    void resetBandWidthOnWidgets(double value);
    void resetArrowWidthOnWidgets();
    void resetErrorOnLength();
    void resetErrorOnWidth();
    void resetErrorOnFontSize();
    void resetErrorOnBandWidth();
    void resetErrorOnArrowWidth();
    // Showing and judging them.
    void setSizesOnWidgets();
    void setLengthOnWidgets(double value);
    void setHeightOnWidgets(double value);
    void setFontOnWidgets(double value);

    void setLength(double value, double& length, double& partWidth);
    bool setWidth(double value, double& width, double& textHeight);
    bool setFontHeight(double value, double& width, double& textHeight);
    void setMaxDocFromFontHeight(double& width, double& textHeight, bool& widthChanged,
                                 bool& fontChanged);
    void recheckBandWidth(double value, double labelLength, double& partWidth);
    void recheckArrowWidth(double value);

    AmmoniaEditWidget* m_editWidget = nullptr;
    unsigned short m_pipeDiameterIndex = 0;
    double m_recommendedLength = 0.0;
    double m_recommendedHeight = 0.0;
    double m_recommendedFontHeight = 0.0;
    double m_recommendedBandWidth = 0.0;
    // The colour as the label's record holds it: the one read from a file until the
    // user picks one, so that a value no colour can take saves back unchanged.
    RecordColor m_color;
    // The text height when the user began typing a width, and the width when the user
    // began typing a text height; -1 outside such an edit. Every keystroke derives its
    // result from these, so a value passed on the way to the one meant ("0.1" before
    // "0.14") leaves nothing behind.
    double m_textHeightAtWidthEdit = -1.0;
    double m_widthAtTextHeightEdit = -1.0;

private:
    void report(AmmoniaVendrel::StatusErrorType first, bool firstOn,
                AmmoniaVendrel::StatusErrorType second = AmmoniaVendrel::NoError,
                bool secondOn = false,
                AmmoniaVendrel::StatusErrorType third = AmmoniaVendrel::NoError,
                bool thirdOn = false);
    // Marks a size's field and switches its pair of warnings for a value judged
    // against the recommendation and the least printable value.
    void judgeSize(double value, double recommended, double leastPrintable,
                   void (AmmoniaEditWidget::*markInvalid)(bool),
                   AmmoniaVendrel::StatusErrorType tooSmall,
                   AmmoniaVendrel::StatusErrorType belowRecommendation);
    void markChanged();
    void layout();
    void showColor(const QColor& color);
    void applyArrow(ArrowSide side, unsigned int id, const QByteArray& data);
    // The mode's own sizes: the pipe marker's or the component marker's.
    double& modeLength() { return m_isPipeMarker ? m_labelLength : m_componentLength; }
    double& modeHeight() { return m_isPipeMarker ? m_labelHeight : m_componentHeight; }
    double& modeFontHeight() { return m_isPipeMarker ? m_fontHeight : m_componentFontHeight; }
    double& modeBandWidth() { return m_isPipeMarker ? m_bandWidth : m_componentBandWidth; }
};

#endif

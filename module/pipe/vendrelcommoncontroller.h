#ifndef VENDRELCOMMONCONTROLLER_H
#define VENDRELCOMMONCONTROLLER_H

#include "kit/arrowsymbols.h"
#include "kit/ivendrelinterface.h"
#include "kit/labellimits.h"
#include "kit/vendrelexport.h"
#include "pipe/vendrelstatuserrortype.h"

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QSize>
#include <QString>

class ArrowsMenu;
class SimpleTextItem;
class SymbolItem;
struct PipeLabel;

// Layout engine of the pipe marker: one legend text, an optional flow arrow at
// each end, landscape or portrait, and a wrap mode that shows the legend twice
// (upright and turned) with two arrow rows. It owns nothing but raw pointers to
// the six canvas items; the interactive controller and the headless loader
// derive from it, set the members and run the layout pass.
//
// All lengths are points. The label length runs along the pipe (canvas x), the
// label height across it (canvas y); the user calls the height the label width.
class VENDREL_EXPORT VendrelCommonController : public IVendrelInterface
{
    Q_OBJECT

public:
    enum ResizeOption
    {
        FitLabelToText = 0,
        FitTextToLabel = 1,
        NoResize = 2
    };

    // Item ids of the six label items, fixed because label files refer to them.
    enum ItemIds : short
    {
        LeftArrowId = 100,
        RightArrowId = 101,
        LeftArrowSecondId = 102,
        RightArrowSecondId = 103,
        TextItemId = 104,
        SecondTextItemId = 105
    };

    enum ArrowSide
    {
        LeftSide,
        RightSide
    };

    static constexpr double MaxLabelLength = LabelLimits::MaxLength;
    static constexpr double MaxLabelHeight = LabelLimits::MaxHeight;
    static constexpr double DefaultArrowSpace = 10.0;

    explicit VendrelCommonController(QWidget* parent = nullptr);
    ~VendrelCommonController() override;

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    QPair<QString, QString> getFileType() override;

    // Adds the six label items to the registered canvas. Without a canvas nothing
    // happens.
    void createInitialItems();

    // The whole layout pass. The out-flags are only ever set, never cleared, so
    // the caller clears them first.
    void recalculateSizes(bool force, bool keepLength, bool& lengthChanged, bool& heightChanged,
                          bool& fontChanged);

    // Rows of the text's ink when m_textItem is painted, at its current
    // transform, into an image of this size. Both stay -1 when nothing is inked.
    void getFilledRowsInTextImage(int& first, int& last, const QSize& size);
    // The same with the text turned by a quarter: the ink columns of the text.
    void getFilledColumnsInTextImage(int& first, int& last, const QSize& size);
    // Scans a one-bit image in which a set bit is ink: first is the topmost row
    // with ink, last the bottom-most; both are left untouched (-1 from the
    // caller) when no row has ink. Images of other formats are first reduced to
    // ink (dark) and no ink.
    static void getFilledRowsInImage(int& first, int& last, QImage image);

    // Degrees of a second-row arrow: plain arrows keep the direction of the first
    // row (turned for portrait), vertical ones turn the other way.
    static double getMirrorArrowRotation(bool mirror, bool vertical);
    void updateArrowRotation();
    void orientationSettingAction();
    void colorChangedAction(const QColor& background, const QColor& foreground);
    void resizeCanvas();

    // The operations that change the items. Each keeps the members and the items
    // together; none runs the layout pass.

    // The legend, on both lines.
    void setLegend(const QString& text);
    // Both text items take the family; the metrics are measured on the capital given.
    void setFontFamily(const QString& family, const QString& capitalLetter);
    // Both arrows of the side take the drawing; the id and whether the second-row
    // copy turns the other way are kept.
    void setArrow(ArrowSide side, int id, const QByteArray& data, bool mirror);
    // Looks the side's id up in the symbols and sets the arrow: only an arrow id that
    // the symbols hold as a selectable symbol gets its drawing, any other id keeps its
    // number (the label saves back unchanged) and draws nothing. Returns whether the
    // symbols hold the id; symbol (may be null) then receives it.
    bool loadArrow(ArrowSide side, int id, const ArrowSymbols& symbols,
                   ArrowSymbols::Symbol* symbol = nullptr);
    // The one rule for which arrows show: the first row where the side has an arrow
    // id and a drawing, the second row too in wrap mode.
    void updateArrowVisibility();

    // What both readers of a label file apply, each in its own order.
    void applyLabelSizes(const PipeLabel& label);
    // The resize option and the modes, without touching the items.
    void applyLabelModes(const PipeLabel& label);
    // Both text items stretch to their box exactly under "Fit text to label".
    void applyTextStretch();
    // The resize option, an unknown one as "Fit label to text", with the text
    // items' stretch that goes with it.
    void setResizeOption(int option);
    // The legend, read-only on both lines, the second line shown in wrap mode only.
    void applyLabelLegend(const QString& legend);

signals:
    void errorStatusSignal(const Vendrel::StatusErrorType& first, bool firstOn,
                           const Vendrel::StatusErrorType& second, bool secondOn,
                           const Vendrel::StatusErrorType& third, bool thirdOn);

protected:
    void recalculateSizesArrows(double& leftSpace, double& rightSpace);
    void recalculateSizesLandscape(double leftSpace, double rightSpace, bool keepLength,
                                   bool& lengthChanged);
    bool recalculateSizesPortrait(double leftSpace, double rightSpace, bool keepLength,
                                  bool& lengthChanged, bool& heightChanged, bool& fontChanged);
    void setTextPos(const double& leftSpace, const double& rightSpace, const int& first,
                    const int& last);
    void setTextPosVert(double leftSpace, double rightSpace);

    // Rebuilds m_fontMetrics from the first text item's font and measures the
    // tight height of one capital (the letter given).
    void updateFontMetrics(const QString& capitalLetter);

    bool itemsReady() const;

    // Ids 0 and 1 mean no arrow, and so does any id not above 1.
    static bool isArrowId(int id) { return id > 1; }
    // A side lays out an arrow when its id is an arrow id and its arrows have a
    // drawing: an id the symbols do not hold takes no room (and is still kept).
    bool sideHasArrow(ArrowSide side) const;
    bool hasAnyArrow() const { return sideHasArrow(LeftSide) || sideHasArrow(RightSide); }

    SymbolItem* m_leftArrow = nullptr;
    SymbolItem* m_rightArrow = nullptr;
    SymbolItem* m_leftArrowSecond = nullptr;
    SymbolItem* m_rightArrowSecond = nullptr;
    SimpleTextItem* m_textItem = nullptr;
    SimpleTextItem* m_secondTextItem = nullptr;

    double m_labelLength = 0.0;
    double m_labelHeight = 0.0;
    double m_fontHeight = 0.0;
    double m_recommendedLength = 0.0;
    double m_recommendedHeight = 0.0;
    double m_recommendedFontHeight = 0.0;
    QString m_text;
    QFontMetricsF m_fontMetrics;
    double m_capHeight = 0.0;
    ArrowsMenu* m_symbolsMenu = nullptr;
    int m_leftArrowId = 1;
    int m_rightArrowId = 1;
    int m_resizeOption = FitLabelToText;
    bool m_vertical = false;
    bool m_wrap = false;
    bool m_top = false;
    bool m_leftArrowMirror = false;
    bool m_rightArrowMirror = false;

private:
    // A text that cannot be measured (no advance, no cap height, no line height)
    // is laid out like a blank one rather than divided by zero.
    bool textIsMeasurable() const;
    void layoutWithoutText(double leftSpace, double rightSpace, bool force, bool keepLength,
                           bool& lengthChanged);
    void hideTexts();
    void emitTextWarnings(bool exceeds, bool overlap, bool tooSmall);
    void paintTextInk(QImage& image, const QTransform& base);
};

#endif

#ifndef AMMONIACOMMONCONTROLLER_H
#define AMMONIACOMMONCONTROLLER_H

#include "ammonia/ammoniastatuserrortype.h"
#include "kit/arrowsymbols.h"
#include "kit/ivendrelinterface.h"
#include "kit/vendrelexport.h"

#include <QByteArray>
#include <QColor>
#include <QFontMetricsF>
#include <QString>

class ArrowsMenu;
class SimpleTextItem;
class SymbolItem;
struct AmmoniaLabel;

// Layout engine of the ammonia marker. In pipe marker mode a band reads, from left
// to right: [left arrow] [abbreviation] [LIQ / VAP] [AMMONIA] [HIGH / LOW] [right
// arrow]; in component marker mode a label carries one component text and, on its
// right, the pressure part. It owns raw pointers to the eight canvas items and the
// operations that change them, so that every rule (which item shows, which drawing
// a part has, which colour) lives here once; the interactive controller and the
// headless loader derive from it, set the members and run the layout pass.
//
// All lengths are points. The label length runs along the pipe (canvas x), the
// label height across it (canvas y); the user calls the height the label width.
class VENDREL_EXPORT AmmoniaCommonController : public IVendrelInterface
{
    Q_OBJECT

public:
    // Item ids of the eight label items, fixed because label files refer to them.
    enum ItemIds : short
    {
        LeftArrowId = 100,
        RightArrowId = 101,
        LiqStateId = 102,
        VapStateId = 103,
        PressureId = 104,
        PipeTextId = 105,
        AmmoniaTextId = 106,
        ComponentTextId = 107
    };

    enum ArrowSide
    {
        LeftSide,
        RightSide
    };

    // Room kept around and between the items.
    static constexpr double ItemMargin = 5.0;
    // Less free length than this leaves the pipe texts nothing to be drawn in.
    static constexpr double LeastTextRoom = 1.0;
    // The word between the state and pressure parts.
    static constexpr const char* AmmoniaWord = "AMMONIA";

    explicit AmmoniaCommonController(QWidget* parent = nullptr);
    ~AmmoniaCommonController() override;

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    QPair<QString, QString> getFileType() override;

    // Whether the free length between the abbreviation's left edge and the parts is
    // enough to draw the texts; when it is not, the texts are hidden and the states
    // move to the left edge.
    virtual bool checkPipeTextWidth(double available, double leftEdge, double& statesPosition);
    // Told the length the component text gets; it is drawn whatever it is.
    virtual void checkComponentTextWidth(double available);

    // Reads the four placeholder drawings the label shows into the shared arrays.
    static void loadStateSvgsOnLabel();

    // Adds the eight label items to the registered canvas and sets a new label's
    // flags (no arrows, LIQ and HIGH, pipe marker mode). Without a canvas nothing
    // happens.
    void createInitialItems();

    // The whole layout pass for the current mode; applies the visibility rule first.
    void recalculateSizes();
    // Sizes the parts and arrows and the canvas, then asks the view to refit.
    void resizeCanvasAndBands();

    // The steps of the pass, each on the values the previous ones computed.
    void recalculateArrowsPos(double& leftEdge, double& rightConsumption);
    void recalculatePressurePos(double rightConsumption, double& pressureRightConsumption,
                                double bandWidth, double labelLength);
    void recalculateSizesText(double leftEdge, double statesWidth, double pressureRightConsumption,
                              double& statesPosition);
    void recalculateStatesPos(double statesPosition);
    void recalculateSizesComponent(double pressureRightConsumption);

    // ---- The operations that change the items; none runs the layout pass ----

    void setPipeMarkerMode(bool pipeMarker);
    bool isPipeMarkerMode() const { return m_isPipeMarker; }
    // Texts as the label shows them; an empty text is a single blank.
    void setAbbreviationText(const QString& text);
    void setComponentText(const QString& text);
    QString abbreviationText() const;
    QString componentText() const;
    // The three texts take the family; the metrics are measured on the capital given.
    void setFontFamily(const QString& family, const QString& capitalLetter);
    // The side's arrow takes the drawing and keeps the id.
    void setArrow(ArrowSide side, int id, const QByteArray& data);
    // Looks the id up in the symbols: only an id they hold as a selectable symbol gets
    // its drawing; any other keeps its number (the label saves back unchanged) and
    // draws nothing. Returns whether the symbols hold the id; symbol (may be null)
    // then receives it.
    bool loadArrow(ArrowSide side, int id, const ArrowSymbols& symbols,
                   ArrowSymbols::Symbol* symbol = nullptr);
    void setStates(bool liq, bool vap);
    // HIGH wins when both are given; with neither the part keeps its drawing.
    void setPressure(bool high, bool low);
    // The band, the arrows' background and the colour of the LIQ part beside it.
    void setLabelColor(const QColor& color);
    QColor labelColor() const { return m_labelColor; }
    // The nine sizes, the mode, the texts, the family and the parts of a label; the
    // arrows are the reader's, who knows the symbols.
    void applyLabel(const AmmoniaLabel& label);

    // The parts the label carries as tag bits: 1 HIGH, 2 LOW, 4 VAP, 8 LIQ.
    int getTagsVisible() const override;

    // The one rule for which items show: arrows with an id and a drawing, the state
    // parts when chosen, and the texts, in pipe marker mode; the component text in
    // component marker mode; the pressure part in both when HIGH or LOW is chosen.
    void updateVisibility();

protected:
    bool itemsReady() const;
    // Rebuilds the metrics from the "AMMONIA" text's font and measures one capital.
    void updateFontMetrics(const QString& capitalLetter);
    bool sideHasArrow(ArrowSide side) const;

    double m_labelLength = 0.0;
    double m_labelHeight = 0.0;
    double m_fontHeight = 0.0;
    double m_bandWidth = 0.0;
    double m_arrowWidth = 0.0;
    double m_componentLength = 0.0;
    double m_componentHeight = 0.0;
    double m_componentFontHeight = 0.0;
    double m_componentBandWidth = 0.0;
    ArrowsMenu* m_symbolsMenu = nullptr;
    int m_leftArrowId = 1; // 0 and 1: no arrow
    int m_rightArrowId = 1;
    QFontMetricsF m_fontMetrics;
    double m_capHeight = 0.0;
    SymbolItem* m_leftArrow = nullptr;
    SymbolItem* m_rightArrow = nullptr;
    SimpleTextItem* m_pipeText = nullptr;
    SimpleTextItem* m_ammoniaText = nullptr;
    SimpleTextItem* m_componentText = nullptr;
    SymbolItem* m_liqState = nullptr;
    SymbolItem* m_vapState = nullptr;
    SymbolItem* m_pressure = nullptr;
    bool m_isHighPressure = true;
    bool m_isLowPressure = false;
    bool m_isVapState = false;
    bool m_isLiqState = true;
    bool m_isPipeMarker = true;
    QColor m_labelColor;

    static QByteArray m_highPressSvgData;
    static QByteArray m_lowPressSvgData;
    static QByteArray m_liqStateSvgData;
    static QByteArray m_vapStateSvgData;

private:
    // A text is drawn only when its height can be worked out: a font with a cap
    // height and a text with a height of its own.
    bool textIsMeasurable(const SimpleTextItem* text) const;
    double textHeightFor(const SimpleTextItem* text, double capitals) const;
    void colorParts();
};

#endif

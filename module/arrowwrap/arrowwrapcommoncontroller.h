#ifndef ARROWWRAPCOMMONCONTROLLER_H
#define ARROWWRAPCOMMONCONTROLLER_H

#include "kit/ivendrelinterface.h"
#include "kit/vendrelexport.h"

#include <QByteArray>
#include <QColor>
#include <QList>

class ArrowSymbols;
class SymbolItem;
struct ArrowWrapLabel;

// Layout engine of the arrow wrap: a band around the pipe carrying a row of equal
// arrows that point along the pipe. The first arrow is the template every other one
// is copied from; the engine keeps raw pointers to the arrow items (the canvas scene
// owns them), adds and removes copies when the count changes, places and sizes them,
// and colours band and arrows. The interactive controller and the headless loader
// derive from it, set the geometry and run the layout pass.
//
// All lengths are points. The wrap length runs around the pipe (canvas x), the wrap
// height along it (canvas y; the user calls it the wrap width). An arrow's length is
// its extent across the band, in the direction it points; its width, along the wrap,
// follows from the length, the count and the spacing.
class VENDREL_EXPORT ArrowWrapCommonController : public IVendrelInterface
{
    Q_OBJECT

public:
    // Thinner arrows cannot be drawn; a computed width below it is raised to it.
    static constexpr double LeastArrowWidth = 1.0;
    // The drawings point along the wrap; turned by this they point across the band.
    static constexpr double ArrowTurn = 90.0;

    explicit ArrowWrapCommonController(QWidget* parent = nullptr);
    ~ArrowWrapCommonController() override;

    // The engine alone has no wizard and no record; the derived classes supply them.
    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    QPair<QString, QString> getFileType() override;

    // Keeps the computed arrow width usable: a width below LeastArrowWidth becomes it.
    virtual void fixArrowHeight(double& width);

    // Adds the first arrow to the registered canvas, without a drawing: one arrow, no
    // arrow id. Any arrows known before are forgotten (their scene has gone or keeps
    // them). Without a canvas nothing happens.
    void createTemplateArrow();

    // Adds or removes copies of the template until the wrap has newCount arrows,
    // bounded to the count field's range. The count before is the arrow list's own:
    // oldCount is what the caller believed it to be and is not trusted. The template
    // is never removed.
    void changeNumberOfArrows(int oldCount, int newCount);
    // Sizes and places every arrow.
    void recalculateSizes();
    // Gives the canvas the wrap's size and asks the view to refit.
    void resizeCanvas();
    // Band and arrows; later copies take the template's colours.
    void colorChangeAction(const QColor& background, const QColor& foreground);

    // Every arrow takes the drawing and the wrap keeps the id. Arrows show only for an
    // id above the no-arrow entry with a drawing.
    void setArrow(int id, const QByteArray& data);
    // Looks the id up in the symbols: only an id they hold as a selectable symbol gets
    // its drawing; any other keeps its number (the label saves back unchanged) and
    // draws nothing. Returns whether the symbols hold the id.
    bool loadArrow(int id, const ArrowSymbols& symbols);
    // The geometry of a label: length, height, spacing and arrow length (not the
    // count, which changeNumberOfArrows sets).
    void applyGeometry(const ArrowWrapLabel& label);

    int arrowCount() const { return m_arrowCount; }
    int arrowId() const { return static_cast<int>(m_arrowId); }
    double labelLength() const { return m_labelLength; }
    double labelHeight() const { return m_labelHeight; }
    double arrowSpacing() const { return m_arrowSpacing; }
    double arrowLength() const { return m_arrowLength; }
    // The arrow items from the left; the template first.
    const QList<SymbolItem*>& arrowItems() const { return m_arrows; }
    // The width along the wrap the layout gives each arrow before fixArrowHeight.
    double computedArrowWidth() const;

protected:
    SymbolItem* m_templateArrow = nullptr;
    QList<SymbolItem*> m_arrows;
    double m_labelLength = 0.0;
    double m_labelHeight = 0.0;
    double m_arrowSpacing = 0.0;
    double m_arrowLength = 0.0;
    short m_arrowCount = 3;
    unsigned int m_arrowId = 1;

private:
    bool arrowsShow() const;
};

#endif

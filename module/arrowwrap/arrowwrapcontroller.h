#ifndef ARROWWRAPCONTROLLER_H
#define ARROWWRAPCONTROLLER_H

#include "arrowwrap/arrowwrapcommoncontroller.h"
#include "arrowwrap/arrowwraplabel.h"
#include "arrowwrap/arrowwrapsizetable.h"
#include "arrowwrap/arrowwrapstatuserrortype.h"
#include "kit/labellimits.h"
#include "kit/recordcolor.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class ArrowsMenu;
class ArrowWrapEditWidget;

// The interactive arrow wrap module: the layout engine with its edit panel. Every
// edit of the panel arrives here in the user's unit, is turned into points, checked
// against the printable limits, stored, and laid out; the panel shows the warnings
// that result. Picking a pipe diameter takes the whole geometry from the size table.
class ArrowWrapController : public ArrowWrapCommonController
{
    Q_OBJECT

public:
    // Less than this is not taken at all: wrap sides and arrow length.
    static constexpr double LeastTakenSize = 1.0;
    // Sides below this are taken but flagged: no supply is that narrow.
    static constexpr double LeastSupplySide = LabelLimits::LeastSide;
    static constexpr double MaxLabelHeight = LabelLimits::MaxHeight;
    static constexpr double MaxArrowLength = LabelLimits::MaxHeight;
    static constexpr double MaxLabelLength = LabelLimits::MaxLength;
    // An arrow is never thinner than this when the largest count that fits is
    // worked out.
    static constexpr double LeastArrowRoom = 1.0;
    // Every label file starts its record with a preview of this many pixels square.
    static constexpr int PreviewSide = 256;

    static constexpr const auto& m_ANSIPipeSizes = ArrowWrapSizeTable::Rows;

    explicit ArrowWrapController(QWidget* parent = nullptr);
    ~ArrowWrapController() override;

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    bool saveRecord(QDataStream& stream) override;

    void fixArrowHeight(double& width) override;

    // The drawing of a selectable arrow id of the menu's symbols; empty otherwise.
    QByteArray getArrow(unsigned int id) const;

    ArrowWrapEditWidget* editWidget() const { return m_editWidget; }
    ArrowsMenu* arrowsMenu() const { return m_arrowsMenu; }
    int pipeDiameterIndex() const { return m_pipeDiameterIndex; }
    // The label as the members and the panel hold it, as it is saved.
    ArrowWrapLabel currentLabel() const;

public slots:
    void pipeDiameterChangedSlot(int index);
    void lengthChangedSlot(const QString& text);
    void widthChangedSlot(const QString& text);
    void arrowCountChangedSlot(int count);
    void arrowSpacingChangedSlot(const QString& text);
    void arrowLengthChangedSlot(const QString& text);
    void arrowSymbolChangedSlot(unsigned int id, const QByteArray& data);
    void warningStringChangedSlot(const QString& warning);
    void colorChangedSlot(const QColor& background, const QColor& foreground);

protected:
    void createCanvas();
    void createEditLayout();
    // Copies the size table's row of the chosen diameter into the geometry.
    void setPipeMarkerSize();
    // Shows the geometry in the panel without judging it.
    void resetSizesOnWidgets();
    // Judges the spacing and the length together.
    void checkSpacingError();

private:
    void report(ArrowWrap::StatusErrorType first, bool firstOn,
                ArrowWrap::StatusErrorType second = ArrowWrap::NoError, bool secondOn = false,
                ArrowWrap::StatusErrorType third = ArrowWrap::NoError, bool thirdOn = false);
    void markChanged();
    // The arrow of id from the menu's symbols, marked in the menu.
    void showArrow(int id);
    void applyColors(const RecordColor& background, const RecordColor& foreground);

    ArrowWrapEditWidget* m_editWidget = nullptr;
    short m_pipeDiameterIndex = 0;
    // As the label's record holds them: read from a file until the user picks a
    // colour, so that values no colour can take save back unchanged.
    RecordColor m_backgroundColor = QColor(Qt::white);
    RecordColor m_foregroundColor = QColor(Qt::black);
    // Owned by the panel, which shows it.
    ArrowsMenu* m_arrowsMenu = nullptr;
};

#endif

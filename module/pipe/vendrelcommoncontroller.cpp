#include "pipe/vendrelcommoncontroller.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "canvas/textitem.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/pipelabel.h"
#include "pipe/pipemarkerkind.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
// Room the layout keeps between a single arrow row and the label's top and
// bottom edges, and between an arrow and the label's ends.
constexpr double ArrowMargin = 10.0;
constexpr double ArrowEdgeRoom = 20.0;
// Less than this between the arrows leaves no printable room for the text.
constexpr double LeastTextRoom = 1.0;
// Extra room of a portrait text box over the line height, so the text's own
// descent and side bearings stay inside the label.
constexpr double PortraitLineExtra = 4.0;
// How much of the label height a portrait legend may take; the rest keeps clear
// of the band edges.
constexpr double PortraitBandDivisor = 1.75;
// Clear room between the two legend lines of a wrapped portrait label, which
// stand against its top and bottom edges.
constexpr double PortraitWrapLineGap = 10.0;
// How many times taller than its own proportions a portrait text fitted to the
// label may be drawn; beyond it the letters no longer read.
constexpr double MostPortraitGlyphStretch = 2.0;
// Two lines overlapping by less than this are taken to touch.
constexpr double OverlapTolerance = 0.01;
constexpr double WrapRowDivisor = 3.0;
// Beyond this stretch or squeeze a text's ink is found at its own proportions.
constexpr double MeasuredStretchLimit = 4.0;
// The most pixels a text's ink is measured in at one pixel per point: the longest
// label under twice the tallest text, more than any label the editor makes needs.
// A text read from a file may be as tall as the longest label, and painting it at
// one pixel per point took seconds for a file of a few hundred bytes; such a text
// is measured at a lower resolution, which is still finer than its strokes.
constexpr double MostMeasuredPixels = LabelLimits::MaxLength * 2.0 * LabelLimits::MaxHeight;

// The scale that brings a measuring picture of this many pixels within the most.
double measuringScale(const QSize& pixels)
{
    const double area = double(pixels.width()) * double(pixels.height());
    return area > MostMeasuredPixels ? std::sqrt(MostMeasuredPixels / area) : 1.0;
}

// A text box to measure ink in, and the transform that takes the box there.
struct MeasuredBox
{
    QSize pixels;
    QTransform toNatural;
};

// Which rows carry ink does not depend on the width of the text's box. Which
// columns do depends on its height only where the text keeps its proportions and
// is centred in a wider box; squeezed into its box, or stretched to fit it, the
// width alone sets them. A text stretched or squeezed far beyond its own
// proportions is measured brought back to them along the axis that does not count
// (free): Qt fills unevenly scaled glyphs as outlines, which for a stretched line on
// a long label cost tens of milliseconds a keystroke, and for a text from a file
// squeezed into glyphs hundreds of times taller than wide took seconds. Text
// stretched less is measured exactly at its box.
MeasuredBox measuredBox(const QSize& size, const QSizeF& natural, Qt::Orientation free,
                        bool stretchedToFit)
{
    MeasuredBox box{size, QTransform()};
    if (natural.width() <= 0.0 || natural.height() <= 0.0)
        return box;
    const double stretch =
        (double(size.width()) / size.height()) / (natural.width() / natural.height());
    if (stretch <= MeasuredStretchLimit && stretch >= 1.0 / MeasuredStretchLimit)
        return box;
    if (free == Qt::Vertical && stretch > 1.0 && !stretchedToFit)
        return box;
    if (free == Qt::Horizontal) {
        box.pixels.setWidth(qMax(1, qCeil(size.width() / stretch)));
        box.toNatural.scale(double(box.pixels.width()) / size.width(), 1.0);
    } else {
        box.pixels.setHeight(qMax(1, qCeil(size.height() * stretch)));
        box.toNatural.scale(1.0, double(box.pixels.height()) / size.height());
    }
    return box;
}

QSize scaledPicture(const QSize& pixels, double scale)
{
    return QSize(qMax(1, qCeil(pixels.width() * scale)), qMax(1, qCeil(pixels.height() * scale)));
}

// Rows found in a picture measured at scale, as rows of the picture at one pixel
// per point: the span of every point row that a found row covers.
void unscaleRows(int& first, int& last, double scale, int rows)
{
    if (scale >= 1.0 || first < 0)
        return;
    first = qMin(rows - 1, qFloor(first / scale));
    last = qBound(first, qCeil((last + 1) / scale) - 1, rows - 1);
}

double atLeastZero(double value)
{
    return (qIsFinite(value) && value > 0.0) ? value : 0.0;
}
} // namespace

VendrelCommonController::VendrelCommonController(QWidget* parent)
    : IVendrelInterface(parent), m_fontMetrics(QFont())
{
    setObjectName(QStringLiteral("VendrelCommonController"));
    m_capHeight = 0.0;
    m_resizeOption = FitLabelToText;
    m_vertical = false;
    m_wrap = false;
    m_top = false;
}

VendrelCommonController::~VendrelCommonController() = default;

// The engine alone has no wizard and no record; the derived controllers supply
// them.
void VendrelCommonController::startWizard() {}

void VendrelCommonController::newPipeInfo() {}

void VendrelCommonController::savePipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
}

void VendrelCommonController::loadPipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
}

QPair<QString, QString> VendrelCommonController::getFileType()
{
    return PipeMarkerKind::row().fileType();
}

void VendrelCommonController::createInitialItems()
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    SymbolItem** arrows[] = {&m_leftArrow, &m_rightArrow, &m_leftArrowSecond, &m_rightArrowSecond};
    const short arrowIds[] = {LeftArrowId, RightArrowId, LeftArrowSecondId, RightArrowSecondId};
    for (int i = 0; i < 4; ++i) {
        canvas->addSymbolItem(QByteArray());
        auto* arrow = qgraphicsitem_cast<SymbolItem*>(canvas->items(Qt::AscendingOrder).last());
        *arrows[i] = arrow;
        if (!arrow)
            continue;
        arrow->setItemId(arrowIds[i]);
        arrow->setEnabled(false);
        arrow->setAcceptedMouseButtons(Qt::NoButton);
        arrow->setVisible(false);
        arrow->setSelected(false);
        if (i == 0)
            arrow->setPos(10.0, 10.0);
    }

    SimpleTextItem** texts[] = {&m_textItem, &m_secondTextItem};
    const short textIds[] = {TextItemId, SecondTextItemId};
    for (int i = 0; i < 2; ++i) {
        canvas->addGenericItem(MvCanvasModel::SimpleTextType, QString(), true, QPointF(0.0, 0.0),
                               0.0, 0, true);
        auto* text = qgraphicsitem_cast<SimpleTextItem*>(canvas->items(Qt::AscendingOrder).last());
        *texts[i] = text;
        if (!text)
            continue;
        text->setTextStyleFlag(true);
        text->setFontFamily(VendrelConstants::DefaultFontFamily);
        text->setFontPointSize(12);
        text->setPlainText(QString());
        text->setItemId(textIds[i]);
        text->setEnabled(false);
        text->setAcceptedMouseButtons(Qt::NoButton);
        text->setTextReadOnly();
        text->setSelected(false);
        if (i == 1)
            text->setVisible(false);
    }
}

bool VendrelCommonController::itemsReady() const
{
    return m_leftArrow && m_rightArrow && m_leftArrowSecond && m_rightArrowSecond && m_textItem &&
           m_secondTextItem;
}

void VendrelCommonController::updateFontMetrics(const QString& capitalLetter)
{
    if (!m_textItem)
        return;
    m_fontMetrics = QFontMetricsF(m_textItem->font());
    m_capHeight = m_fontMetrics.tightBoundingRect(capitalLetter).height();
}

bool VendrelCommonController::textIsMeasurable() const
{
    if (!qIsFinite(m_capHeight) || m_capHeight <= 0.0)
        return false;
    const QSizeF advance = m_fontMetrics.size(0, m_text);
    if (advance.width() <= 0.0 || advance.height() <= 0.0)
        return false;
    if (m_fontMetrics.ascent() <= 0.0 || m_fontMetrics.height() <= 0.0)
        return false;
    const QSizeF natural = m_textItem->getItemSize();
    if (natural.width() <= 0.0 || natural.height() <= 0.0)
        return false;
    // Portrait "Fit text to label" computes the text height itself.
    const bool heightComputed = m_vertical && m_resizeOption == FitTextToLabel;
    return heightComputed || (qIsFinite(m_fontHeight) && m_fontHeight > 0.0);
}

void VendrelCommonController::recalculateSizes(bool force, bool keepLength, bool& lengthChanged,
                                               bool& heightChanged, bool& fontChanged)
{
    if (!itemsReady())
        return;

    double leftSpace = DefaultArrowSpace;
    double rightSpace = DefaultArrowSpace;
    recalculateSizesArrows(leftSpace, rightSpace);

    if (TextItem::isWhiteSpace(m_text)) {
        layoutWithoutText(leftSpace, rightSpace, force, keepLength, lengthChanged);
        return;
    }

    m_textItem->resetTransform();
    if (!textIsMeasurable()) {
        layoutWithoutText(leftSpace, rightSpace, force, keepLength, lengthChanged);
        return;
    }
    m_textItem->setVisible(true);
    m_secondTextItem->setVisible(m_wrap);

    if (!m_vertical) {
        recalculateSizesLandscape(leftSpace, rightSpace, keepLength, lengthChanged);
        if (force || m_resizeOption != FitTextToLabel)
            resizeCanvas();
        return;
    }

    const bool grown = recalculateSizesPortrait(leftSpace, rightSpace, keepLength, lengthChanged,
                                                heightChanged, fontChanged);
    if (force || grown || m_resizeOption != FitTextToLabel)
        resizeCanvas();
}

void VendrelCommonController::layoutWithoutText(double leftSpace, double rightSpace, bool force,
                                                bool keepLength, bool& lengthChanged)
{
    hideTexts();
    if (m_resizeOption == FitLabelToText && !keepLength) {
        m_labelLength = qMax(m_recommendedLength, leftSpace + rightSpace);
        recalculateSizesArrows(leftSpace, rightSpace);
        lengthChanged = true;
        resizeCanvas();
        return;
    }
    if (force || m_resizeOption != FitTextToLabel)
        resizeCanvas();
}

void VendrelCommonController::hideTexts()
{
    m_textItem->setVisible(false);
    m_secondTextItem->setVisible(false);
}

void VendrelCommonController::emitTextWarnings(bool exceeds, bool overlap, bool tooSmall)
{
    emit errorStatusSignal(Vendrel::TextExceedsLength, exceeds, Vendrel::TextArrowsOverlap, overlap,
                           Vendrel::TextSpaceTooSmall, tooSmall);
}

void VendrelCommonController::recalculateSizesArrows(double& leftSpace, double& rightSpace)
{
    if (!itemsReady() || !hasAnyArrow())
        return;

    const double height = m_labelHeight;
    const double length = m_labelLength;
    const bool fitText = m_resizeOption == FitTextToLabel;

    double side = height;
    if (m_wrap)
        side = m_vertical ? height / WrapRowDivisor : m_fontHeight;

    double boxWidth = side;
    double boxHeight = side;
    double margin = ArrowMargin;
    bool correction = false;
    if (fitText && length < side) {
        leftSpace = 0.0;
        rightSpace = 0.0;
        if (!m_vertical) {
            boxWidth = length;
            margin = 0.0;
        } else {
            boxHeight = length;
            correction = true;
        }
    }

    const bool left = sideHasArrow(LeftSide);
    const bool right = sideHasArrow(RightSide);
    if (!m_wrap || !fitText) {
        // Stored labels were laid out with these spaces, wrapped or not: changing
        // them would move the legend of every wrapped label on file.
        if (left)
            leftSpace = boxWidth;
        // The right arrow sits margin further in, so its room is wider.
        if (right)
            rightSpace = boxWidth + margin;
    } else {
        if (left)
            leftSpace = boxWidth + 2.0 * margin;
        if (right)
            rightSpace = boxWidth + 2.0 * margin;
    }

    if (!m_wrap) {
        const double w = atLeastZero(boxWidth - 2.0 * margin);
        const double h = atLeastZero(boxHeight - ArrowEdgeRoom);
        m_leftArrow->setItemSize(w, h);
        m_rightArrow->setItemSize(w, h);
        m_leftArrow->setPos(margin, ArrowMargin);
        m_rightArrow->setPos(length - rightSpace + 2.0 * margin, ArrowMargin);
    } else {
        const double w = atLeastZero(boxWidth);
        const double h = atLeastZero(boxHeight);
        for (SymbolItem* arrow : {m_leftArrow, m_rightArrow, m_leftArrowSecond, m_rightArrowSecond})
            arrow->setItemSize(w, h);
        const double leftX = margin;
        const double rightX = length - rightSpace + (fitText ? margin : 0.0);
        const double row = height / WrapRowDivisor;
        const double firstY = (row - boxHeight) / 2.0 + ArrowMargin;
        const double secondY = 2.0 * row - ArrowMargin + (row - boxHeight) / 2.0;
        m_leftArrow->setPos(leftX, firstY);
        m_rightArrow->setPos(rightX, firstY);
        m_leftArrowSecond->setPos(leftX, secondY);
        m_rightArrowSecond->setPos(rightX, secondY);
    }

    if (!correction)
        return;
    // A turned arrow wider than the label: pull its box back onto the label's
    // corner, the second row half a label length further up.
    const struct
    {
        bool present;
        SymbolItem* first;
        SymbolItem* second;
    } sides[] = {{left, m_leftArrow, m_leftArrowSecond}, {right, m_rightArrow, m_rightArrowSecond}};
    for (const auto& s : sides) {
        if (!s.present)
            continue;
        const QPointF corner = s.first->sceneBoundingRect().topLeft();
        s.first->moveBy(-corner.x(), -corner.y());
        s.second->moveBy(-corner.x(), -corner.y() - length / 2.0);
    }
}

void VendrelCommonController::recalculateSizesLandscape(double leftSpace, double rightSpace,
                                                        bool keepLength, bool& lengthChanged)
{
    QSizeF size = m_textItem->getItemSize();
    const double textBoxHeight = size.height() / m_capHeight * m_fontHeight;

    if (m_resizeOption == FitTextToLabel) {
        const double room = m_labelLength - leftSpace - rightSpace;
        if (room < LeastTextRoom) {
            hideTexts();
            emitTextWarnings(false, false, true);
            return;
        }
        const double advance = m_fontMetrics.size(0, m_text).width();
        const double textBoxWidth = room * size.width() / advance;
        m_textItem->setItemSize(textBoxWidth, textBoxHeight);
        int first = -1;
        int last = -1;
        getFilledRowsInTextImage(
            first, last, QSize(static_cast<int>(textBoxWidth), static_cast<int>(textBoxHeight)));
        setTextPos(leftSpace, rightSpace, first, last);
        emitTextWarnings(false, false, false);
        return;
    }

    m_textItem->fitToTextHeight(MaxLabelLength, textBoxHeight, true, true);
    size = m_textItem->getItemSize();
    int first = -1;
    int last = -1;
    getFilledRowsInTextImage(first, last, QSize(qRound(size.width()), qRound(size.height())));

    if (m_resizeOption == FitLabelToText && !keepLength) {
        m_labelLength =
            qMin(qMax(m_recommendedLength, leftSpace + rightSpace + size.width()), MaxLabelLength);
        recalculateSizesArrows(leftSpace, rightSpace);
        lengthChanged = true;
    }

    // A text longer than the largest label is squeezed into it; judge the length
    // the text asks for, or the squeezed text would never count as too long.
    const QSizeF natural = m_textItem->naturalSize();
    double textWidth = size.width();
    if (natural.height() > 0.0)
        textWidth = qMax(textWidth, natural.width() * size.height() / natural.height());

    const bool exceeds = m_labelLength < textWidth;
    const bool overlap =
        m_labelLength - leftSpace - rightSpace + LeastTextRoom < textWidth && hasAnyArrow();
    emitTextWarnings(exceeds, overlap, false);
    setTextPos(leftSpace, rightSpace, first, last);
}

bool VendrelCommonController::recalculateSizesPortrait(double leftSpace, double rightSpace,
                                                       bool keepLength, bool& lengthChanged,
                                                       bool& heightChanged, bool& fontChanged)
{
    const QSizeF metrics = m_fontMetrics.size(0, m_text);
    const double advance = metrics.width();
    const double lineHeight = metrics.height();
    const double ascent = m_fontMetrics.ascent();
    const double fontLineHeight = m_fontMetrics.height();
    QSizeF size = m_textItem->getItemSize();

    if (m_resizeOption == FitTextToLabel) {
        const double room = m_labelLength - leftSpace - rightSpace;
        if (room < LeastTextRoom) {
            hideTexts();
            emitTextWarnings(false, false, true);
            return false;
        }
        const double band =
            m_wrap ? m_labelHeight / WrapRowDivisor : m_labelHeight / PortraitBandDivisor;
        double textBoxWidth = size.width() / advance;
        if (band > 1.0)
            textBoxWidth *= band;
        size = m_textItem->getItemSize();
        const auto fittedHeight = [&](double boxHeight) {
            return boxHeight / size.height() * ascent / (fontLineHeight + PortraitLineExtra) *
                   fontLineHeight;
        };
        double textBoxHeight =
            (size.height() / lineHeight) * (lineHeight + PortraitLineExtra) / lineHeight * room;
        const double fontHeight = fittedHeight(textBoxHeight);
        bool clamped = false;
        if (fontHeight < 1.0) {
            // The text keeps the least printable height and no longer fits.
            m_fontHeight = 1.0;
            textBoxHeight /= fontHeight;
            clamped = true;
        } else {
            m_fontHeight = fontHeight;
            // Along an ordinary label the room is far longer than the band is wide:
            // letters fitted to both would be drawn as stripes, and taller than any
            // label. The text then stays that high and is centred in the room.
            const double boxPerPoint = textBoxHeight / fontHeight;
            const double legible =
                MostPortraitGlyphStretch * textBoxWidth * size.height() / size.width();
            const double most = qMin(legible, MaxLabelHeight * boxPerPoint);
            if (textBoxHeight > most) {
                textBoxHeight = most;
                m_fontHeight = qMax(fittedHeight(textBoxHeight), LabelLimits::LeastTextHeight);
                textBoxHeight = qMax(textBoxHeight, boxPerPoint);
            }
        }
        m_textItem->setItemSize(textBoxWidth, textBoxHeight);
        setTextPosVert(leftSpace, rightSpace);
        if (clamped)
            emitTextWarnings(true, hasAnyArrow(), false);
        else
            emitTextWarnings(false, false, false);
        fontChanged = true;
        return false;
    }

    const double factor =
        m_fontHeight / ascent * (fontLineHeight + PortraitLineExtra) / fontLineHeight;
    m_textItem->fitToTextHeight(MaxLabelHeight, factor * size.height(), true, true);
    size = m_textItem->getItemSize();

    bool grown = false;
    double needed = size.width();
    if (m_wrap)
        needed = 2.0 * size.width() + PortraitWrapLineGap;
    needed = qMin(needed, MaxLabelHeight);
    // The label height only ever grows here: a shorter text keeps the height
    // chosen.
    if (m_labelHeight < needed) {
        m_labelHeight = needed;
        heightChanged = true;
        recalculateSizesArrows(leftSpace, rightSpace);
        grown = true;
    }
    if (m_resizeOption == FitLabelToText && !keepLength) {
        m_labelLength =
            qMin(qMax(m_recommendedLength, leftSpace + rightSpace + size.height()), MaxLabelLength);
        recalculateSizesArrows(leftSpace, rightSpace);
        lengthChanged = true;
        grown = true;
    }

    // The text runs across the label, so its box height is measured along the
    // length.
    const bool exceeds = size.height() > m_labelLength;
    const bool overlap =
        size.height() > m_labelLength - leftSpace - rightSpace + LeastTextRoom && hasAnyArrow();
    // Held at the largest height, a label can be too narrow for both wrapped lines:
    // the room for the text is then too small.
    const bool linesOverlap = m_wrap && 2.0 * size.width() > m_labelHeight + OverlapTolerance;
    emitTextWarnings(exceeds, overlap, linesOverlap);
    setTextPosVert(leftSpace, rightSpace);
    return grown;
}

void VendrelCommonController::setTextPos(const double& leftSpace, const double& rightSpace,
                                         const int& first, const int& last)
{
    const double length = m_labelLength;
    const double height = m_labelHeight;

    m_textItem->setPos(0.0, 0.0);
    const QRectF textRect = m_textItem->sceneBoundingRect();
    // Centred in the room the two arrow spaces leave.
    const double centreX = (length - textRect.width() + leftSpace - rightSpace) / 2.0;

    if (!m_wrap) {
        // The middle of the ink, not of the box, sits on the label's middle line.
        m_textItem->setPos(centreX - textRect.x(), (height - last - first) / 2.0);
    } else {
        m_secondTextItem->resetTransform();
        const QSizeF size = m_textItem->getItemSize();
        m_secondTextItem->setItemSize(size.width(), size.height());
        m_secondTextItem->setPos(0.0, 0.0);
        const double secondX = m_secondTextItem->sceneBoundingRect().x();

        const double inkRoom = height / WrapRowDivisor - last;
        double upY = (inkRoom - first) / 2.0 + ArrowMargin;
        double downY =
            2.0 * height / WrapRowDivisor + (inkRoom + first) / 2.0 - ArrowMargin - first;
        if (m_top)
            std::swap(upY, downY);
        m_textItem->setPos(centreX - textRect.x(), upY);
        m_secondTextItem->setPos(centreX - secondX, downY);
        m_secondTextItem->setItemRotation(180.0);
        m_secondTextItem->setVisible(true);
    }
    m_textItem->setVisible(true);
}

void VendrelCommonController::setTextPosVert(double leftSpace, double rightSpace)
{
    const double length = m_labelLength;
    const double height = m_labelHeight;

    m_textItem->setItemRotation(-90.0);
    m_textItem->setPos(0.0, 0.0);
    const QRectF textRect = m_textItem->sceneBoundingRect();
    m_secondTextItem->resetTransform();
    const double x = (leftSpace + length - rightSpace - textRect.width()) / 2.0 - textRect.x();

    if (!m_wrap) {
        m_textItem->setPos(x, (height - textRect.height()) / 2.0 - textRect.y());
    } else {
        const QSizeF size = m_textItem->getItemSize();
        m_secondTextItem->setItemSize(size.width(), size.height());
        m_secondTextItem->setItemRotation(-90.0);
        m_secondTextItem->setPos(0.0, 0.0);
        // One line against the top edge, the other against the bottom edge.
        m_textItem->setPos(x, -textRect.y());
        m_secondTextItem->setPos(x, height - textRect.height() - textRect.y());
        m_secondTextItem->setVisible(true);
    }
    m_textItem->setVisible(true);
}

void VendrelCommonController::paintTextInk(QImage& image, const QTransform& base)
{
    // Bit 1 is ink: the colour table is turned round so that index 1 is black,
    // the image starts without ink, and the text is painted black whatever colour
    // the label gives it, so exactly the text's own pixels become set bits.
    QVector<QRgb> table = image.colorTable();
    if (table.size() != 2)
        table = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    std::reverse(table.begin(), table.end());
    image.setColorTable(table);
    image.fill(0);

    const QColor labelColor = m_textItem->defaultTextColor();
    m_textItem->setDefaultTextColor(Qt::black);
    QPainter painter(&image);
    painter.setTransform(base);
    painter.setTransform(m_textItem->transform(), true);
    QStyleOptionGraphicsItem option;
    m_textItem->paint(&painter, &option, nullptr);
    painter.end();
    m_textItem->setDefaultTextColor(labelColor);
}

void VendrelCommonController::getFilledRowsInTextImage(int& first, int& last, const QSize& size)
{
    if (!m_textItem || size.width() <= 0 || size.height() <= 0)
        return;
    const MeasuredBox box =
        measuredBox(size, m_textItem->naturalSize(), Qt::Horizontal, m_textItem->stretchToFit());
    const double scale = measuringScale(box.pixels);
    QImage image(scaledPicture(box.pixels, scale), QImage::Format_Mono);
    paintTextInk(image, box.toNatural * QTransform::fromScale(scale, scale));
    getFilledRowsInImage(first, last, image);
    unscaleRows(first, last, scale, size.height());
}

void VendrelCommonController::getFilledColumnsInTextImage(int& first, int& last, const QSize& size)
{
    if (!m_textItem || size.width() <= 0 || size.height() <= 0)
        return;
    const MeasuredBox box =
        measuredBox(size, m_textItem->naturalSize(), Qt::Vertical, m_textItem->stretchToFit());
    const QSize turned(box.pixels.height(), box.pixels.width());
    const double scale = measuringScale(turned);
    QImage image(scaledPicture(turned, scale), QImage::Format_Mono);
    // A quarter turn clockwise: column x of the text becomes row x of the image.
    QTransform turn;
    turn.translate(box.pixels.height(), 0.0);
    turn.rotate(90.0);
    paintTextInk(image, box.toNatural * turn * QTransform::fromScale(scale, scale));
    getFilledRowsInImage(first, last, image);
    unscaleRows(first, last, scale, size.width());
}

void VendrelCommonController::getFilledRowsInImage(int& first, int& last, QImage image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return;
    if (image.format() != QImage::Format_Mono) {
        const QVector<QRgb> inkTable = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
        image = image.convertToFormat(QImage::Format_Mono, inkTable, Qt::ThresholdDither);
    }

    const int wholeBytes = image.width() / 8;
    const int restBits = image.width() % 8;
    auto rowHasInk = [&](int y) {
        const uchar* line = image.constScanLine(y);
        for (int i = 0; i < wholeBytes; ++i) {
            if (line[i] != 0)
                return true;
        }
        // Only the top bits of the partial byte belong to the row; the rest is
        // padding.
        return restBits > 0 && (line[wholeBytes] >> (8 - restBits)) != 0;
    };

    for (int y = 0; y < image.height(); ++y) {
        if (rowHasInk(y)) {
            first = y;
            break;
        }
    }
    if (first < 0)
        return;
    for (int y = image.height() - 1; y >= first; --y) {
        if (rowHasInk(y)) {
            last = y;
            break;
        }
    }
}

double VendrelCommonController::getMirrorArrowRotation(bool mirror, bool vertical)
{
    if (mirror)
        return vertical ? -90.0 : 180.0;
    return vertical ? 90.0 : 0.0;
}

void VendrelCommonController::updateArrowRotation()
{
    if (!itemsReady())
        return;
    const double base = m_vertical ? -90.0 : 0.0;
    const double left = getMirrorArrowRotation(m_leftArrowMirror, m_vertical);
    const double right = getMirrorArrowRotation(m_rightArrowMirror, m_vertical);
    m_leftArrow->setItemRotation(m_top ? left : base);
    m_leftArrowSecond->setItemRotation(m_top ? base : left);
    m_rightArrow->setItemRotation(m_top ? right : base);
    m_rightArrowSecond->setItemRotation(m_top ? base : right);
}

void VendrelCommonController::orientationSettingAction()
{
    if (!itemsReady())
        return;
    m_textItem->setVertical(m_vertical);
    m_secondTextItem->setVertical(m_vertical);
    updateArrowRotation();
}

void VendrelCommonController::colorChangedAction(const QColor& background, const QColor& foreground)
{
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasBackgroundColor(background);
    if (!itemsReady())
        return;
    m_textItem->setTextColor(foreground);
    m_secondTextItem->setTextColor(foreground);
    for (SymbolItem* arrow : {m_leftArrow, m_rightArrow, m_leftArrowSecond, m_rightArrowSecond}) {
        if (background != foreground)
            arrow->setBackgroundColor(background);
        arrow->setForegroundColor(foreground);
    }
}

void VendrelCommonController::resizeCanvas()
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;
    canvas->setCanvasSize(m_labelLength, m_labelHeight, true);
    emit fitCanvasInViewSignal();
}

void VendrelCommonController::setLegend(const QString& text)
{
    m_text = text;
    if (!itemsReady())
        return;
    m_textItem->setPlainText(m_text);
    m_secondTextItem->setPlainText(m_text);
}

void VendrelCommonController::setFontFamily(const QString& family, const QString& capitalLetter)
{
    if (!itemsReady())
        return;
    m_textItem->setFontFamily(family);
    m_secondTextItem->setFontFamily(family);
    updateFontMetrics(capitalLetter);
}

void VendrelCommonController::setArrow(ArrowSide side, int id, const QByteArray& data, bool mirror)
{
    const bool left = side == LeftSide;
    (left ? m_leftArrowId : m_rightArrowId) = id;
    (left ? m_leftArrowMirror : m_rightArrowMirror) = mirror;
    if (!itemsReady())
        return;
    (left ? m_leftArrow : m_rightArrow)->reloadItemFromData(data);
    (left ? m_leftArrowSecond : m_rightArrowSecond)->reloadItemFromData(data);
    updateArrowVisibility();
    updateArrowRotation();
}

bool VendrelCommonController::loadArrow(ArrowSide side, int id, const ArrowSymbols& symbols,
                                        ArrowSymbols::Symbol* symbol)
{
    ArrowSymbols::Symbol found;
    const bool known = symbols.selectable(id, &found);
    const bool drawn = known && isArrowId(id);
    setArrow(side, id, drawn ? found.data : QByteArray(),
             drawn && VendrelWidgetsUtils::isVerticalArrowName(found.name));
    if (known && symbol)
        *symbol = found;
    return known;
}

bool VendrelCommonController::sideHasArrow(ArrowSide side) const
{
    if (!itemsReady())
        return false;
    if (side == LeftSide)
        return isArrowId(m_leftArrowId) && m_leftArrow->hasDrawing();
    return isArrowId(m_rightArrowId) && m_rightArrow->hasDrawing();
}

void VendrelCommonController::updateArrowVisibility()
{
    if (!itemsReady())
        return;
    const bool left = sideHasArrow(LeftSide);
    const bool right = sideHasArrow(RightSide);
    m_leftArrow->setVisible(left);
    m_leftArrowSecond->setVisible(left && m_wrap);
    m_rightArrow->setVisible(right);
    m_rightArrowSecond->setVisible(right && m_wrap);
}

void VendrelCommonController::applyLabelSizes(const PipeLabel& label)
{
    m_labelLength = label.length;
    m_labelHeight = label.height;
    m_fontHeight = label.textHeight;
}

void VendrelCommonController::applyLabelModes(const PipeLabel& label)
{
    m_resizeOption = label.resizeOption;
    m_vertical = label.portrait;
    m_wrap = label.wrap;
    m_top = label.top;
}

void VendrelCommonController::applyTextStretch()
{
    if (!itemsReady())
        return;
    m_textItem->setStretchToFit(m_resizeOption == FitTextToLabel);
    m_secondTextItem->setStretchToFit(m_resizeOption == FitTextToLabel);
}

void VendrelCommonController::setResizeOption(int option)
{
    const bool known = option >= FitLabelToText && option <= NoResize;
    m_resizeOption = known ? option : FitLabelToText;
    // What the editor shows is what a reopened file and the headless loader draw.
    applyTextStretch();
}

void VendrelCommonController::applyLabelLegend(const QString& legend)
{
    setLegend(legend);
    if (!itemsReady())
        return;
    for (SimpleTextItem* item : {m_textItem, m_secondTextItem})
        item->setTextReadOnly();
    m_secondTextItem->setVisible(m_wrap);
}

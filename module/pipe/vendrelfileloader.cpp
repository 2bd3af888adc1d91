#include "pipe/vendrelfileloader.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"

#include <QColor>
#include <QSignalBlocker>
#include <QString>

VendrelFileLoader::VendrelFileLoader(QWidget* parent) : VendrelCommonController(parent)
{
    setObjectName(QStringLiteral("VendrelFileLoader"));
}

VendrelFileLoader::~VendrelFileLoader() = default;

void VendrelFileLoader::loadPipeInfo(QDataStream& stream)
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    canvas->clearSceneLocal();
    createInitialItems();
    if (!itemsReady())
        return;

    // Units and pipe diameter only matter to an editor.
    bool storedMillimetres = false;
    qint16 pipeDiameterIndex = 0;
    stream >> storedMillimetres >> pipeDiameterIndex;

    double length = 0.0;
    double height = 0.0;
    double textHeight = 0.0;
    stream >> length >> height >> textHeight;
    m_labelLength = boundedRecordLength(length);
    m_labelHeight = boundedRecordHeight(height);
    m_fontHeight = boundedRecordTextHeight(textHeight);

    qint8 option = 0;
    bool reserved = false;
    stream >> option >> reserved >> m_vertical >> m_wrap >> m_top;
    m_resizeOption = boundedRecordResizeOption(option);
    m_textItem->setStretchToFit(m_resizeOption == FitTextToLabel);
    m_secondTextItem->setStretchToFit(m_resizeOption == FitTextToLabel);

    QColor background;
    QColor foreground;
    QString reservedText;
    stream >> background >> foreground >> reservedText >> m_text;
    background = boundedRecordColor(background, VendrelConstants::WhiteColor);
    foreground = boundedRecordColor(foreground, VendrelConstants::BlackColor);
    for (SimpleTextItem* item : {m_textItem, m_secondTextItem}) {
        item->setPlainText(m_text);
        item->setTextReadOnly();
    }
    m_secondTextItem->setVisible(m_wrap);

    QString family;
    stream >> family;
    m_textItem->setFontFamily(family);
    m_secondTextItem->setFontFamily(family);
    updateFontMetrics(QStringLiteral("A"));

    loadArrows(stream);

    bool applyBoth = false;
    stream >> applyBoth;

    colorChangedAction(background, foreground);
    orientationSettingAction();

    QString warning;
    stream >> warning;
    {
        // Nobody edits this label: the warning is kept for the caller to read, not
        // announced.
        const QSignalBlocker blocker(this);
        reportWarning(warning);
    }

    bool lengthChanged = false;
    bool heightChanged = false;
    bool fontChanged = false;
    recalculateSizes(true, true, lengthChanged, heightChanged, fontChanged);
}

void VendrelFileLoader::loadArrows(QDataStream& stream)
{
    qint32 leftId = 0;
    qint32 rightId = 0;
    stream >> leftId >> rightId;
    m_leftArrowId = leftId;
    m_rightArrowId = rightId;
    m_leftArrowMirror = false;
    m_rightArrowMirror = false;
    if (!itemsReady())
        return;

    const ArrowSymbols symbols(VendrelWidgetsUtils::getDataPath() +
                               VendrelConstants::PipeMarkerSymbolDatabase);
    for (const bool left : {true, false}) {
        const int id = left ? m_leftArrowId : m_rightArrowId;
        SymbolItem* first = left ? m_leftArrow : m_rightArrow;
        SymbolItem* second = left ? m_leftArrowSecond : m_rightArrowSecond;
        if (!isArrowId(id))
            continue;
        ArrowSymbols::Symbol symbol;
        if (!symbols.selectable(id, &symbol))
            continue;
        first->reloadItemFromData(symbol.data);
        first->setVisible(true);
        second->reloadItemFromData(symbol.data);
        second->setVisible(m_wrap);
        (left ? m_leftArrowMirror : m_rightArrowMirror) =
            VendrelWidgetsUtils::isVerticalArrowName(symbol.name);
    }
}

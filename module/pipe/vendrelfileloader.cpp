#include "pipe/vendrelfileloader.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/piperecord.h"

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

    // Units and pipe diameter only matter to an editor, the apply-both choice only
    // to its panel.
    const PipeLabel label = PipeRecord::read(stream);
    m_labelLength = label.length;
    m_labelHeight = label.height;
    m_fontHeight = label.textHeight;

    m_resizeOption = label.resizeOption;
    m_vertical = label.portrait;
    m_wrap = label.wrap;
    m_top = label.top;
    m_textItem->setStretchToFit(m_resizeOption == FitTextToLabel);
    m_secondTextItem->setStretchToFit(m_resizeOption == FitTextToLabel);

    m_text = label.legend;
    for (SimpleTextItem* item : {m_textItem, m_secondTextItem}) {
        item->setPlainText(m_text);
        item->setTextReadOnly();
    }
    m_secondTextItem->setVisible(m_wrap);

    m_textItem->setFontFamily(label.fontFamily);
    m_secondTextItem->setFontFamily(label.fontFamily);
    updateFontMetrics(QStringLiteral("A"));

    loadArrowIds(label.leftArrowId, label.rightArrowId);

    colorChangedAction(label.backgroundColor, label.textColor);
    orientationSettingAction();

    {
        // Nobody edits this label: the warning is kept for the caller to read, not
        // announced.
        const QSignalBlocker blocker(this);
        reportWarning(label.lastWarning);
    }

    bool lengthChanged = false;
    bool heightChanged = false;
    bool fontChanged = false;
    recalculateSizes(true, true, lengthChanged, heightChanged, fontChanged);
}

void VendrelFileLoader::loadArrows(QDataStream& stream)
{
    int leftId = 0;
    int rightId = 0;
    PipeRecord::readArrowIds(stream, leftId, rightId);
    loadArrowIds(leftId, rightId);
}

void VendrelFileLoader::loadArrowIds(int leftId, int rightId)
{
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

#include "kit/panelstyle.h"

#include "widgets/applicationfont.h"

#include <QComboBox>
#include <QWidget>

namespace PanelStyle {

QFont font(int pixelSize, bool bold)
{
    QFont font = ApplicationFont::getWidgetFont(bold);
    font.setPixelSize(pixelSize);
    return font;
}

void fitComboToColumn(QComboBox* combo, int characters)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
}

void handOnFont(QWidget* panel)
{
    const auto children = panel->findChildren<QWidget*>();
    for (QWidget* widget : children) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(panel->font());
    }
}

} // namespace PanelStyle

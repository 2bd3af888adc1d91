#include "kit/panelstyle.h"

#include "widgets/applicationfont.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
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

QVBoxLayout* captionWithNote(const QString& caption, const QString& note, QWidget* parent)
{
    auto* layout = new QVBoxLayout();
    layout->setSpacing(0);
    layout->addWidget(new QLabel(caption, parent));
    auto* second = new QLabel(note, parent);
    QFont noteFont = font(SmallPixelSize);
    noteFont.setItalic(true);
    second->setFont(noteFont);
    second->setStyleSheet(QStringLiteral("color: #808080;"));
    layout->addWidget(second);
    return layout;
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

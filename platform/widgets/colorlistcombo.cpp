#include "widgets/colorlistcombo.h"

#include "widgets/colorswatchdelegate.h"
#include "widgets/moduleresourceicons.h"

#include <QColor>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QtDebug>

namespace {
const char* const ComboStyle =
    "ColorListCombo { border: 1px solid #c6c6c6; background-color: white; min-height: 35px; }"
    "ColorListCombo::drop-down { width: 32px; border-left: 1px solid #c6c6c6;"
    " background-color: #F5F5F5; }"
    "ColorListCombo::down-arrow {"
    " image: url(:/module_icons/ModuleIcons/combobox-down-arrow.png); }"
    "ColorListCombo::down-arrow:disabled {"
    " image: url(:/module_icons/ModuleIcons/combobox-down-arrow-disabled.png); }"
    "ColorListCombo QAbstractItemView { background-color: white; border: 1px solid #c6c6c6; }";

QColor readColor(const QList<QString>& list, int index, const QColor& fallback, const char* what,
                 const QString& name)
{
    const QColor color(list.value(index));
    if (color.isValid())
        return color;
    qWarning("ColorListCombo: entry \"%s\" has no usable %s colour (\"%s\"); using %s",
             qPrintable(name), what, qPrintable(list.value(index)), qPrintable(fallback.name()));
    return fallback;
}
} // namespace

ColorListCombo::ColorListCombo(QList<QString> names, QList<QString> backgrounds,
                               QList<QString> foregrounds, QWidget* parent)
    : QComboBox(parent)
{
    qInitResources_module_resource_icons();
    setMinimumHeight(35);
    setStyleSheet(QString::fromLatin1(ComboStyle));
    setItemDelegate(new ColorSwatchDelegate(this));

    for (int i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        addItem(name);
        setItemData(i, readColor(backgrounds, i, Qt::white, "background", name),
                    Qt::BackgroundRole);
        setItemData(i, readColor(foregrounds, i, Qt::black, "foreground", name),
                    Qt::ForegroundRole);
    }
}

void ColorListCombo::setColorIndex(int index)
{
    if (index < 0 || index >= count()) {
        qWarning("ColorListCombo: no colour at index %d (%d entries)", index, count());
        return;
    }
    setCurrentIndex(index);
}

void ColorListCombo::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    const int index = currentIndex();
    if (index < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    ColorSwatchDelegate::paintSwatch(&painter, field.adjusted(2, 2, -2, -2), itemText(index),
                                     itemData(index, Qt::BackgroundRole).value<QColor>(),
                                     itemData(index, Qt::ForegroundRole).value<QColor>(), font(),
                                     false);
}

#include "widgets/mvcombobox.h"

#include "widgets/moduleresourceicons.h"

#include <QStyledItemDelegate>

namespace {
const char* const ComboStyle =
    "MvComboBox { border: 1px solid #c6c6c6; background-color: white; min-height: 35px;"
    " padding: 0px 6px; }"
    "MvComboBox:disabled { background-color: #f0f0f0; color: #a0a0a0; }"
    "MvComboBox::drop-down { width: 32px; border-left: 1px solid #c6c6c6;"
    " background-color: #F5F5F5; }"
    "MvComboBox::down-arrow { image: url(:/module_icons/ModuleIcons/combobox-down-arrow.png); }"
    "MvComboBox::down-arrow:disabled {"
    " image: url(:/module_icons/ModuleIcons/combobox-down-arrow-disabled.png); }"
    "MvComboBox QAbstractItemView { background-color: white; border: 1px solid #c6c6c6;"
    " selection-background-color: #fd7800; selection-color: white; }"
    "MvComboBox QAbstractItemView::item { min-height: 35px; }";
} // namespace

MvComboBox::MvComboBox(QWidget* parent) : QComboBox(parent)
{
    qInitResources_module_resource_icons();
    setMinimumHeight(35);
    // The default popup delegate ignores the item rules of a style sheet; the
    // styled one honours the 35 px rows.
    setItemDelegate(new QStyledItemDelegate(this));
    setStyleSheet(QString::fromLatin1(ComboStyle));
}

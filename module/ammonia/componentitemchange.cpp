#include "ammonia/componentitemchange.h"

#include "kit/panelstyle.h"
#include "widgets/mvlineedit.h"

#include <QAbstractItemModel>
#include <QFormLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
constexpr int FieldHeight = 35;
} // namespace

ComponentItemChange::ComponentItemChange(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ComponentItemChange"));
    m_pages = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    const auto makeField = [this](QWidget* page, const char* objectName) {
        auto* edit = new MvLineEdit(page);
        edit->setObjectName(QLatin1String(objectName));
        edit->setMinimumHeight(FieldHeight);
        connect(edit, &QLineEdit::textEdited, this, &ComponentItemChange::onEditsEdited);
        return edit;
    };

    auto* abbreviationPage = new QWidget(m_pages);
    auto* abbreviationForm = new QFormLayout(abbreviationPage);
    abbreviationForm->setContentsMargins(0, 0, 0, 0);
    abbreviationForm->setVerticalSpacing(6);
    m_abbreviationEdit = makeField(abbreviationPage, "AbbreviationEdit");
    m_textEdit = makeField(abbreviationPage, "AbbreviationTextEdit");
    abbreviationForm->addRow(
        new QLabel(tr("Abbreviation", "The label for the abbreviation of a pipe marking fluid."),
                   abbreviationPage),
        m_abbreviationEdit);
    abbreviationForm->addRow(
        new QLabel(tr("Text", "The label for the text / explanation of the abbreviation."),
                   abbreviationPage),
        m_textEdit);

    auto* componentPage = new QWidget(m_pages);
    auto* componentForm = new QFormLayout(componentPage);
    componentForm->setContentsMargins(0, 0, 0, 0);
    m_componentEdit = makeField(componentPage, "ComponentEdit");
    componentForm->addRow(
        new QLabel(
            tr("Component", "The label for the component specified on the pipe marking label."),
            componentPage),
        m_componentEdit);

    m_pages->addWidget(abbreviationPage);
    m_pages->addWidget(componentPage);
    PanelStyle::handOnFont(this);
}

void ComponentItemChange::setup(const QModelIndex& entry, bool isComponent, const QString& first,
                                const QString& second)
{
    m_entry = entry;
    m_isComponent = isComponent;
    m_pages->setCurrentIndex(isComponent ? 1 : 0);
    if (isComponent) {
        m_componentEdit->setText(first);
    } else {
        m_abbreviationEdit->setText(first);
        m_textEdit->setText(second);
    }
    enableFields();
}

int ComponentItemChange::row() const
{
    return m_entry.isValid() ? m_entry.row() : -1;
}

void ComponentItemChange::enableFields()
{
    const bool editable = m_entry.isValid();
    for (MvLineEdit* edit : {m_abbreviationEdit, m_textEdit, m_componentEdit})
        edit->setEnabled(editable);
}

void ComponentItemChange::onEditsEdited()
{
    if (!m_entry.isValid()) {
        enableFields();
        return;
    }
    if (m_isComponent)
        emit updateComponentSignal(m_entry.row(), m_componentEdit->text());
    else
        emit updateAbbrevSignal(m_entry.row(), m_abbreviationEdit->text(), m_textEdit->text());
}

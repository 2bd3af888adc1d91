#include "pipe/wizardpipepagearrows.h"

#include <QLabel>
#include <QVBoxLayout>

WizardPipePageArrows::WizardPipePageArrows(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Arrows", "Title for the arrows selection page."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Select Arrows", "Label for the arrows selection page."), this));
}

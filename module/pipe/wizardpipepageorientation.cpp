#include "pipe/wizardpipepageorientation.h"

#include <QLabel>
#include <QVBoxLayout>

WizardPipePageOrientation::WizardPipePageOrientation(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Orientation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select Orientation, Wrap"), this));
}

void WizardPipePageOrientation::initializePage()
{
    // The step is an outline: it shows its caption and takes nothing over from
    // the steps before it.
}

#include "pipe/wizardpipepagepipesizes.h"

#include <QLabel>
#include <QVBoxLayout>

WizardPipePagePipeSizes::WizardPipePagePipeSizes(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Sizes"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Set label w, h, font size, style"), this));
}

void WizardPipePagePipeSizes::initializePage()
{
    // The step is an outline: it shows its caption and takes nothing over from
    // the steps before it.
}

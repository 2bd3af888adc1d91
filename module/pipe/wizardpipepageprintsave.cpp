#include "pipe/wizardpipepageprintsave.h"

#include <QLabel>
#include <QVBoxLayout>

WizardPipePagePrintSave::WizardPipePagePrintSave(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Finish"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("print / save ?"), this));
}

void WizardPipePagePrintSave::initializePage()
{
    // The step is an outline: it shows its caption and takes nothing over from
    // the steps before it.
}

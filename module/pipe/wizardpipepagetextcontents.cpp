#include "pipe/wizardpipepagetextcontents.h"

#include <QLabel>
#include <QVBoxLayout>

WizardPipePageTextContents::WizardPipePageTextContents(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Text Contents"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Enter the text"), this));
}

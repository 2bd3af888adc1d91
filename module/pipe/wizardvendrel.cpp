#include "pipe/wizardvendrel.h"

#include "pipe/wizardpipepagearrows.h"
#include "pipe/wizardpipepageorientation.h"
#include "pipe/wizardpipepagepipesizes.h"
#include "pipe/wizardpipepageprintsave.h"
#include "pipe/wizardpipepagetextcontents.h"

#include <QDialog>
#include <QObject>

WizardVendrel::WizardVendrel(QWidget* parent) : QWizard(parent)
{
    setObjectName(QStringLiteral("VendrelWizard"));
    setWindowTitle(
        QObject::tr("Pipe Marking Wizard", "The title for the pipe marking creation wizard."));

    addPage(new WizardPipePageTextContents(this));
    addPage(new WizardPipePageArrows(this));
    addPage(new WizardPipePageOrientation(this));
    addPage(new WizardPipePagePipeSizes(this));
    addPage(new WizardPipePagePrintSave(this));
}

void WizardVendrel::accept()
{
    QDialog::accept();
}

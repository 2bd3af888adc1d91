#include "wizardvendrel.h"

#include "wizardpipepagearrows.h"
#include "wizardpipepageorientation.h"
#include "wizardpipepagepipesizes.h"
#include "wizardpipepageprintsave.h"
#include "wizardpipepagetextcontents.h"

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

#ifndef WIZARDPIPEPAGEPRINTSAVE_H
#define WIZARDPIPEPAGEPRINTSAVE_H

#include <QWizardPage>

// Creation wizard step: printing or saving.
class WizardPipePagePrintSave : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPipePagePrintSave(QWidget* parent = nullptr);

    void initializePage() override;
};

#endif

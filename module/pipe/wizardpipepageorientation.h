#ifndef WIZARDPIPEPAGEORIENTATION_H
#define WIZARDPIPEPAGEORIENTATION_H

#include <QWizardPage>

// Creation wizard step: orientation and wrap.
class WizardPipePageOrientation : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPipePageOrientation(QWidget* parent = nullptr);

    void initializePage() override;
};

#endif

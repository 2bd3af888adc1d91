#ifndef WIZARDPIPEPAGEARROWS_H
#define WIZARDPIPEPAGEARROWS_H

#include <QWizardPage>

// Creation wizard step: the arrows.
class WizardPipePageArrows : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPipePageArrows(QWidget* parent = nullptr);
};

#endif

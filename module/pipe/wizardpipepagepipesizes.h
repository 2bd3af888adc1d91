#ifndef WIZARDPIPEPAGEPIPESIZES_H
#define WIZARDPIPEPAGEPIPESIZES_H

#include <QWizardPage>

// Creation wizard step: the label and text sizes.
class WizardPipePagePipeSizes : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPipePagePipeSizes(QWidget* parent = nullptr);

    void initializePage() override;
};

#endif

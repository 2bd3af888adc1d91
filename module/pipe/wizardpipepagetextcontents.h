#ifndef WIZARDPIPEPAGETEXTCONTENTS_H
#define WIZARDPIPEPAGETEXTCONTENTS_H

#include <QWizardPage>

// Creation wizard step: the legend text.
class WizardPipePageTextContents : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPipePageTextContents(QWidget* parent = nullptr);
};

#endif

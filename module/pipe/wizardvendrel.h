#ifndef WIZARDVENDREL_H
#define WIZARDVENDREL_H

#include <QWizard>

// The pipe marker's step-by-step creation wizard. Its pages are an outline of the
// steps; finishing or cancelling only ends the wizard and leaves the label alone.
class WizardVendrel : public QWizard
{
    Q_OBJECT

public:
    explicit WizardVendrel(QWidget* parent = nullptr);

    // Ends the dialog as accepted, without QWizard's check of the current page.
    void accept() override;
};

#endif

#ifndef PRINTWIDGETINTERFACE_H
#define PRINTWIDGETINTERFACE_H

#include <QString>

class PrintManager;

// What the print manager needs of a print panel: the choices the user made. The
// panel hands its Print and Preview requests to the manager it is given.
class PrintWidgetInterface
{
public:
    virtual ~PrintWidgetInterface() = default;

    virtual void setPrintManager(PrintManager* manager) = 0;
    // Copies typed into the panel; 0 when the field is empty.
    virtual int numberOfCopies() const = 0;
    virtual void setNumberOfCopies(int copies) = 0;
    // The chosen printer; empty for the PDF folder.
    virtual QString selectedPrinter() const = 0;
    // The tag selector's choice: 0 the label, else the tag's bit value.
    virtual int selectedTag() const = 0;
};

#endif

#ifndef UNITSWITCH_H
#define UNITSWITCH_H

#include <QList>
#include <QObject>

class MvComboBox;
class NumberField;
class QStandardItemModel;

// Keeps the unit of one edit panel: its units combo, its pipe diameter list (one
// model per unit, the same rows) and the size fields, which show their numbers in
// the unit the combo shows. The unit is the process' own: a panel that was hidden
// while another module switched it takes it over when it is shown again, so no
// field ever goes on showing inches as millimetres.
class UnitSwitch : public QObject
{
    Q_OBJECT

public:
    // The combos and the models stay the panel's; the diameter combo must not own
    // the models.
    UnitSwitch(MvComboBox* unitsCombo, MvComboBox* diameterCombo,
               const QList<QStandardItemModel*>& diameterModels, QObject* parent);

    // The fields rescaled on a switch, in the order given.
    void setFields(const QList<NumberField*>& fields);
    // The unit the fields are written in (0 inches, 1 millimetres).
    int shownUnits() const { return m_shownUnits; }

    // Makes units the process' unit and shows it: the units combo (without its
    // signal), the diameter list of that unit on the same row, and the fields
    // rescaled from the unit they were written in. An unknown unit changes nothing.
    void apply(int units);
    // Takes the process' unit when the panel shows another one; true when it did.
    bool followCurrentUnit();

private:
    MvComboBox* m_unitsCombo = nullptr;
    MvComboBox* m_diameterCombo = nullptr;
    QList<QStandardItemModel*> m_diameterModels;
    QList<NumberField*> m_fields;
    int m_shownUnits = 0;
};

#endif

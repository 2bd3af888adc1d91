#ifndef MVCOMBOBOX_H
#define MVCOMBOBOX_H

#include <QComboBox>

// The combo box of every list in the edit panels: at least 35 px high, with a
// wide drop-down button and roomy popup rows that a finger can hit. Callers
// that need a particular look (the font-family combo) may replace the style
// sheet as a whole.
class MvComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit MvComboBox(QWidget* parent = nullptr);
};

#endif

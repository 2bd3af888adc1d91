#ifndef MVLINEEDIT_H
#define MVLINEEDIT_H

#include <QLineEdit>

// The line edit of every field in the edit panels: tall enough for a finger
// (at least 35 px) with a plain light border. A value the program rejects is
// shown in red (setInvalid), which the panels use for sizes that will not
// print; the colour is carried by the palette, so a panel may equally set the
// palette itself.
class MvLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MvLineEdit(QWidget* parent = nullptr);

    // true: red text and a red border; false: the normal look.
    void setInvalid(bool invalid);
    bool isInvalid() const;

private:
    bool m_invalid = false;
};

#endif

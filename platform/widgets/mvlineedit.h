#ifndef MVLINEEDIT_H
#define MVLINEEDIT_H

#include <QLineEdit>

// The line edit of every field in the edit panels: tall enough for a finger
// (at least 35 px) with a plain light border. A value the program rejects is
// shown in red text with a red border (setInvalid), which the panels use for
// sizes that will not print. The invalid look lives in the widget's style
// sheet, so it survives reparenting and style sheets set on the panels; the
// normal text colour still follows the palette.
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

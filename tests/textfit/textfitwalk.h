#ifndef TEXTFITWALK_H
#define TEXTFITWALK_H

#include <QStringList>

class QWidget;

// Looks at every widget shown inside a top-level widget, as a user's eye does,
// and lists each text that is wider (or, wrapped, taller) than the widget that
// shows it.
class TextFitWalk
{
public:
    static QStringList clippedTexts(QWidget* top);
};

#endif

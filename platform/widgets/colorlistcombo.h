#ifndef COLORLISTCOMBO_H
#define COLORLISTCOMBO_H

#include <QComboBox>
#include <QList>
#include <QString>

// A colour chooser: one entry per colour, each shown as its name written in
// the entry's foreground colour on a swatch of its background colour, both in
// the list and in the closed box. The three lists run in parallel (entry i is
// names[i] on backgrounds[i] in foregrounds[i]); colours are anything QColor
// understands ("#dc0b0b", "white"). A colour that is missing or unreadable
// falls back to white background or black text and is reported as a warning.
// Each entry keeps its colours as Qt::BackgroundRole and Qt::ForegroundRole
// (QColor). The choice is reported by QComboBox::currentIndexChanged(int).
class ColorListCombo : public QComboBox
{
    Q_OBJECT

public:
    ColorListCombo(QList<QString> names, QList<QString> backgrounds, QList<QString> foregrounds,
                   QWidget* parent = nullptr);

    // Selects an entry like setCurrentIndex (so currentIndexChanged follows
    // a change); an index outside the list is ignored.
    void setColorIndex(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif

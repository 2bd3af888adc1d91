#ifndef WARNINGBOARD_H
#define WARNINGBOARD_H

#include <QMap>
#include <QObject>
#include <QString>

// The warnings of one label module and the one line of text they make. Each
// module numbers its warnings in its own enumeration; the board only sees the
// numbers, and shows the texts of the warnings that are on in ascending number,
// joined by "; ", so every active warning stays visible whoever reported last.
class WarningBoard : public QObject
{
    Q_OBJECT

public:
    // `messages` holds the text shown for each warning number; a number without
    // one (a module's "no error" placeholder) adds an empty text when it is on.
    explicit WarningBoard(const QMap<int, QString>& messages, QObject* parent = nullptr);

    // Sets three warnings at once, later places winning when a number repeats,
    // and announces the text, changed or not. A report that only switches warnings off while
    // nothing is shown has nothing to clear and is not announced.
    void report(int first, bool firstOn, int second, bool secondOn, int third, bool thirdOn);
    // Forgets every warning (a new or loaded label) and announces the empty text.
    void reset();

    QString text() const;
    bool isOn(int warning) const;

signals:
    void warningStringChanged(const QString& text);

private:
    QMap<int, QString> m_messages;
    // Every warning ever reported since the last reset, on or off.
    QMap<int, bool> m_states;
    QString m_text;
};

#endif

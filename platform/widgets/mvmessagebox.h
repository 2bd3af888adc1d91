#ifndef MVMESSAGEBOX_H
#define MVMESSAGEBOX_H

#include <QMessageBox>
#include <QString>

#include <functional>

// The suite's modal message boxes, sized for touch: large buttons, the suite
// font, and an orange default button. Both calls run a real QMessageBox and
// return the standard button the user pressed. Closing a box without a button
// returns its escape button (Cancel, else No, else the only button), or
// QMessageBox::NoButton when there is none.
//
// Test seam: while an answer provider is installed, no box is shown; each call
// hands (title, text, buttons) to the provider and returns its answer
// unchanged. Installing an empty provider (the default) restores the real
// boxes. Used by tests so that they never wait for a user, and by the
// command-line renderer, which has none.
class MvMessageBox
{
public:
    MvMessageBox() = delete;

    using AnswerProvider = std::function<QMessageBox::StandardButton(
        const QString& title, const QString& text, QMessageBox::StandardButtons buttons)>;

    static QMessageBox::StandardButton
    question(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    static QMessageBox::StandardButton
    information(QWidget* parent, const QString& title, const QString& text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    static void setAnswerProvider(AnswerProvider provider);

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget* parent,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};

#endif

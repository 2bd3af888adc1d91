#include "widgets/mvmessagebox.h"

#include "widgets/applicationfont.h"

#include <QPushButton>

namespace {
MvMessageBox::AnswerProvider& answerProvider()
{
    static MvMessageBox::AnswerProvider provider;
    return provider;
}

const char* const BoxStyle =
    "QMessageBox { background-color: #f2f2f2; }"
    "QMessageBox QLabel { color: #2b2b2b; }"
    "QMessageBox QPushButton { min-width: 110px; min-height: 45px; padding: 0px 12px;"
    " background-color: white; border: 1px solid #c6c6c6; }"
    "QMessageBox QPushButton:default { border: 2px solid #fd7800; }"
    "QMessageBox QPushButton:pressed { background-color: #fd7800; color: white; }";
} // namespace

void MvMessageBox::setAnswerProvider(AnswerProvider provider)
{
    answerProvider() = std::move(provider);
}

QMessageBox::StandardButton MvMessageBox::question(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton)
{
    return show(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MvMessageBox::information(QWidget* parent, const QString& title,
                                                      const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton)
{
    return show(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MvMessageBox::show(QMessageBox::Icon icon, QWidget* parent,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    if (const AnswerProvider& provider = answerProvider())
        return provider(title, text, buttons);

    QMessageBox box(icon, title, text, buttons, parent);
    box.setFont(ApplicationFont::getWidgetFont(false));
    box.setStyleSheet(QString::fromLatin1(BoxStyle));
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    for (QAbstractButton* button : box.buttons())
        button->setFocusPolicy(Qt::NoFocus);
    box.exec();

    QAbstractButton* pressed = box.clickedButton();
    if (pressed)
        return box.standardButton(pressed);
    return QMessageBox::NoButton;
}

#ifndef MVFILEDIALOG_H
#define MVFILEDIALOG_H

#include <QFileDialog>
#include <QString>

#include <functional>

// The suite's file dialogs, with the arguments of the standard Qt ones. Each
// runs a real, modal QFileDialog drawn by Qt (never the platform's dialog, so
// it looks the same everywhere), sized to fit a 1024 x 540 touch screen, and
// returns the chosen full path, or an empty string when the user cancels.
// selectedFilter, if given, preselects that filter when it is one of the
// offered filters, and receives the filter in use when the user accepts.
// The save dialog asks before replacing a file unless the options contain
// QFileDialog::DontConfirmOverwrite; it does not append a suffix.
//
// Test seam: while an answer provider is installed, no dialog is shown; each
// call hands a Request to the provider and returns its answer unchanged
// (selectedFilter is left as it was). Installing an empty provider (the
// default) restores the real dialogs.
class MvFileDialog
{
public:
    MvFileDialog() = delete;

    struct Request
    {
        bool save;
        QString caption;
        QString dir;
        QString filter;
        QFileDialog::Options options;
    };
    using AnswerProvider = std::function<QString(const Request&)>;

    static QString getOpenFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(),
                                   const QString& filter = QString(),
                                   QString* selectedFilter = nullptr,
                                   QFileDialog::Options options = QFileDialog::Options());
    static QString getSaveFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(),
                                   const QString& filter = QString(),
                                   QString* selectedFilter = nullptr,
                                   QFileDialog::Options options = QFileDialog::Options());

    static void setAnswerProvider(AnswerProvider provider);

private:
    static QString run(const Request& request, QWidget* parent, QString* selectedFilter);
};

#endif

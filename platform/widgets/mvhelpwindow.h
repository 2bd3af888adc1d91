#ifndef MVHELPWINDOW_H
#define MVHELPWINDOW_H

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QLabel;
class QVBoxLayout;

// The help window of an application: its frequently asked questions on the
// left, each an icon beside its wrapped answer text, in a list that scrolls
// by dragging, and its manuals on the right, one button per PDF file, which
// opens the file in the system's viewer. 900 x 480, so it fits the 1024 x 540
// screen; a close button at the top right (and Escape) closes it.
class MvHelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit MvHelpWindow(QWidget* parent = nullptr);

    // Appends the (icon, text) pairs below those already shown. Texts are
    // shown as plain text.
    void insertHelpFAQs(QList<QPair<QIcon, QString>> faqs);

    // Lists the manuals of a category: the "*.pdf" files (any case) in
    // DataRoot::path() + "Manuals/" + category + "/", sorted by name, each
    // shown by its name without the suffix. Replaces an earlier list. With no
    // such file (or no such folder) the column says "No manuals available.".
    void populatePDF(const QString& category);

    int faqCount() const;
    // The names shown on the manual buttons, in order.
    QStringList manualNames() const;

signals:
    // A manual button was pressed; path is the file's absolute path.
    void manualRequested(const QString& path);

private:
    void openManualSlot(const QString& path);

    QVBoxLayout* m_faqLayout;
    QVBoxLayout* m_manualLayout;
    int m_faqCount = 0;
    QStringList m_manualNames;
};

#endif

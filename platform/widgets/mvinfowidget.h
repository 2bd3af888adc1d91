#ifndef MVINFOWIDGET_H
#define MVINFOWIDGET_H

#include <QDialog>
#include <QString>

class QLabel;

// The "about" box of an application: its icon and name, its version and an
// OK button. The name shown is the title given to the constructor, or the
// application's display name when the title is empty.
class MvInfoWidget : public QDialog
{
    Q_OBJECT

public:
    MvInfoWidget(const QString& title, QWidget* parent = nullptr);

    void setVersionNumber(const QString& version);
    QString versionNumber() const;

private:
    QLabel* m_versionLabel;
    QString m_version;
};

#endif

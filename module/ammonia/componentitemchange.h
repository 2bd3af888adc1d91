#ifndef COMPONENTITEMCHANGE_H
#define COMPONENTITEMCHANGE_H

#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>

class MvLineEdit;
class QStackedWidget;

// The editor of one list entry: the abbreviation and its explanation, or a
// component name. It holds on to the entry it was given, not to a row number, so
// that sorting, adding or removing other rows while it is open never makes it edit
// another entry; once its entry is gone its fields are disabled.
class ComponentItemChange : public QWidget
{
    Q_OBJECT

public:
    explicit ComponentItemChange(QWidget* parent = nullptr);

    // Edits entry (an invalid one disables the fields): a component shows its name in
    // first, an abbreviation shows itself in first and its explanation in second.
    void setup(const QModelIndex& entry, bool isComponent, const QString& first,
               const QString& second = QString());

    // The row the entry has now; -1 when there is none.
    int row() const;
    bool isComponent() const { return m_isComponent; }

signals:
    // Every edit, with the row the entry has at that moment.
    void updateAbbrevSignal(int row, QString abbreviation, QString text);
    void updateComponentSignal(int row, QString component);

private slots:
    void onEditsEdited();

private:
    void enableFields();

    QStackedWidget* m_pages = nullptr;
    MvLineEdit* m_abbreviationEdit = nullptr;
    MvLineEdit* m_textEdit = nullptr;
    MvLineEdit* m_componentEdit = nullptr;
    QPersistentModelIndex m_entry;
    bool m_isComponent = false;
};

#endif

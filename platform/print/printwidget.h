#ifndef PRINTWIDGET_H
#define PRINTWIDGET_H

#include "print/printwidgetinterface.h"

#include <QPoint>
#include <QWidget>

class MvComboBox;
class MvLineEdit;
class QLabel;
class QPushButton;

// The print panel: the printer, the copies with steppers a finger can hit,
// Preview and Print, and for the ammonia module the choice between the label and
// its loose tags. It fits 300 x 280, and 300 x 360 while it offers tags
// (printFrameSizeChanged tells its frame).
//
// The tag selector's row numbers are the tags' bit values (1 HIGH, 2 LOW, 4 VAP,
// 8 LIQ, 0 the label); the rows between are never shown.
class PrintWidget : public QWidget, public PrintWidgetInterface
{
    Q_OBJECT

public:
    PrintWidget(bool testMode, QWidget* parent = nullptr);
    ~PrintWidget() override;

    void setPrintManager(PrintManager* manager) override;
    int numberOfCopies() const override;
    void setNumberOfCopies(int copies) override;
    QString selectedPrinter() const override;
    int selectedTag() const override;

    static constexpr int MaxCopies = 999;
    // The tag rows the selector may show; the mask of setVisibleAmmoniaTag.
    static constexpr int AllTags = 1 | 2 | 4 | 8;

    // Whether a press at the global position lands in the panel away from a text
    // field, so that the panel may take the focus back.
    bool notTextFocus(const QPoint& globalPos) const;
    // Whether a press at the global position lands on one of the panel's open
    // drop-down lists, which lie outside the panel's frame.
    bool focusInCombo(const QPoint& globalPos) const;

    // Lists the printers again; keeps the chosen one when it is still there.
    void reloadPrinters();
    // Chooses the printer by name, when it is listed.
    void selectPrinter(const QString& name);

    MvComboBox* printerCombo() const { return m_printers; }
    MvComboBox* tagCombo() const { return m_tags; }
    MvLineEdit* copiesField() const { return m_copies; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* previewButton() const { return m_preview; }
    int visibleTags() const { return m_visibleTags; }

public slots:
    // Which tags to offer (bits); 0 hides the selector and returns it to the label.
    void setVisibleAmmoniaTag(int tags);

signals:
    void focusLost();
    void ammoniaPrintTagChanged(int tag);
    void printFrameSizeChanged(bool tall);
    void selectedPrinterChanged(QString printerName, bool printerIsRemote, bool printerIsOffline,
                                bool printerIsMv);

private:
    void stepCopies(int step);
    void printerActivatedSlot(int index);
    void tagActivatedSlot(int index);
    void focusChangedSlot(QWidget* old, QWidget* now);
    bool holds(const QWidget* widget) const;

    bool m_testMode;
    PrintManager* m_manager = nullptr;
    MvComboBox* m_printers = nullptr;
    MvLineEdit* m_copies = nullptr;
    QPushButton* m_less = nullptr;
    QPushButton* m_more = nullptr;
    QLabel* m_tagCaption = nullptr;
    MvComboBox* m_tags = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_print = nullptr;
    int m_visibleTags = 0;
};

#endif

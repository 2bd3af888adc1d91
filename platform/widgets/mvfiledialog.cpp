#include "widgets/mvfiledialog.h"

#include "widgets/applicationfont.h"

namespace {
MvFileDialog::AnswerProvider& answerProvider()
{
    static MvFileDialog::AnswerProvider provider;
    return provider;
}

// Leaves room for the window frame on the 1024 x 540 screen.
const QSize DialogSize(1000, 500);

const char* const DialogStyle =
    "QFileDialog { background-color: #f2f2f2; }"
    "QFileDialog QPushButton { min-width: 100px; min-height: 40px; padding: 0px 10px;"
    " background-color: white; border: 1px solid #c6c6c6; }"
    "QFileDialog QPushButton:default { border: 2px solid #fd7800; }"
    "QFileDialog QPushButton:pressed { background-color: #fd7800; color: white; }"
    "QFileDialog QToolButton { min-width: 36px; min-height: 36px; }"
    "QFileDialog QLineEdit, QFileDialog QComboBox { min-height: 35px; }"
    "QFileDialog QAbstractItemView { selection-background-color: #fd7800; }"
    "QFileDialog QScrollBar:vertical { width: 30px; }"
    "QFileDialog QScrollBar:horizontal { height: 30px; }";
} // namespace

void MvFileDialog::setAnswerProvider(AnswerProvider provider)
{
    answerProvider() = std::move(provider);
}

QString MvFileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter, QString* selectedFilter,
                                      QFileDialog::Options options)
{
    return run(Request{false, caption, dir, filter, options}, parent, selectedFilter);
}

QString MvFileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter, QString* selectedFilter,
                                      QFileDialog::Options options)
{
    return run(Request{true, caption, dir, filter, options}, parent, selectedFilter);
}

QString MvFileDialog::run(const Request& request, QWidget* parent, QString* selectedFilter)
{
    if (const AnswerProvider& provider = answerProvider())
        return provider(request);

    QFileDialog dialog(parent, request.caption, request.dir, request.filter);
    dialog.setOptions(request.options | QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setFont(ApplicationFont::getWidgetFont(false));
    dialog.setStyleSheet(QString::fromLatin1(DialogStyle));
    dialog.resize(DialogSize);
    if (selectedFilter && !selectedFilter->isEmpty() &&
        dialog.nameFilters().contains(*selectedFilter))
        dialog.selectNameFilter(*selectedFilter);

    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return QString();
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return files.first();
}

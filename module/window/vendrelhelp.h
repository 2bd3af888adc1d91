#ifndef VENDRELHELP_H
#define VENDRELHELP_H

#include <QIcon>
#include <QList>
#include <QPair>
#include <QString>

class QIODevice;

// The frequently asked questions shown in the help window, read from a per-language
// CSV file under the data root: one "icon path,text" pair per line.
class VendrelHelp
{
public:
    VendrelHelp() = delete;

    // Builds the list first while it is empty, so a missing file is looked for again.
    static QList<QPair<QIcon, QString>> getVendrelFAQs();
    static void createFaqList();
    static void clearVendrelFAQs();

    // "PipeHelp_<language>.csv" under the help folder, for the current default locale.
    static QString faqFilePath();
    // One CSV line as (icon path, text); a comma inside the text is written ",".
    static QPair<QString, QString> parseFaqLine(const QString& line);
    // The questions of a whole FAQ file, read from a device open for reading text.
    static QList<QPair<QIcon, QString>> readFaqs(QIODevice* device);

private:
    static QList<QPair<QIcon, QString>> m_faqs;
};

#endif

#include "window/vendrelhelp.h"

#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QTextStream>

#include "widgets/dataroot.h"

QList<QPair<QIcon, QString>> VendrelHelp::m_faqs;

QList<QPair<QIcon, QString>> VendrelHelp::getVendrelFAQs()
{
    if (m_faqs.isEmpty())
        createFaqList();
    return m_faqs;
}

void VendrelHelp::clearVendrelFAQs()
{
    m_faqs.clear();
}

QString VendrelHelp::faqFilePath()
{
    const QString localeName = QLocale().name();
    const int cut = localeName.lastIndexOf(QLatin1Char('_'));
    const QString language = cut < 0 ? QString() : localeName.left(cut);
    return DataRoot::path() + QStringLiteral("Help/PipeHelp_") + language + QStringLiteral(".csv");
}

QPair<QString, QString> VendrelHelp::parseFaqLine(const QString& line)
{
    QString escaped = line;
    escaped.replace(QStringLiteral("\",\""), QStringLiteral("\"\""));
    const QStringList parts = escaped.split(QLatin1Char(','), Qt::KeepEmptyParts);
    QString text = parts.value(1);
    text.replace(QStringLiteral("\"\""), QStringLiteral(","));
    return {parts.value(0), text};
}

void VendrelHelp::createFaqList()
{
    QFile file(faqFilePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    m_faqs.append(readFaqs(&file));
}

QList<QPair<QIcon, QString>> VendrelHelp::readFaqs(QIODevice* device)
{
    QList<QPair<QIcon, QString>> faqs;
    QTextStream in(device);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        // A line without a comma carries no question; skip it rather than show a blank.
        if (!line.contains(QLatin1Char(',')))
            continue;
        const QPair<QString, QString> entry = parseFaqLine(line);
        const QPixmap picture(entry.first);
        const QIcon icon =
            picture.isNull()
                ? QIcon()
                : QIcon(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        faqs.append({icon, entry.second});
    }
    return faqs;
}

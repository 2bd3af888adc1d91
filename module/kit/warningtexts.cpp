#include "kit/warningtexts.h"

#include <QCoreApplication>

namespace WarningTexts {

namespace {
QString translated(const char* context, const Entry& entry)
{
    return QCoreApplication::translate(context, entry.text.source, entry.text.comment);
}
} // namespace

QString text(const char* context, const Entry* entries, std::size_t count, int warning)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (entries[i].warning == warning)
            return translated(context, entries[i]);
    }
    return QString();
}

QMap<int, QString> texts(const char* context, const Entry* entries, std::size_t count)
{
    QMap<int, QString> texts;
    for (std::size_t i = 0; i < count; ++i)
        texts.insert(entries[i].warning, translated(context, entries[i]));
    return texts;
}

} // namespace WarningTexts

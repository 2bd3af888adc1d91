#ifndef WARNINGTEXTS_H
#define WARNINGTEXTS_H

#include "kit/vendrelconstants.h"

#include <QMap>
#include <QString>

#include <cstddef>

// The texts of one module's warnings, in the user's language. A module lists its
// warnings once, each with its source text and translator comment, under the
// translation context the catalogue keys them by; these turn the list into the
// texts a warning board shows.
namespace WarningTexts {

struct Entry
{
    int warning;
    VendrelConstants::TranslatableText text;
};

// Empty for a warning the list does not hold.
QString text(const char* context, const Entry* entries, std::size_t count, int warning);
// Every warning of the list, keyed by its number.
QMap<int, QString> texts(const char* context, const Entry* entries, std::size_t count);

template <std::size_t N> QString text(const char* context, const Entry (&entries)[N], int warning)
{
    return text(context, entries, N, warning);
}

template <std::size_t N> QMap<int, QString> texts(const char* context, const Entry (&entries)[N])
{
    return texts(context, entries, N);
}

} // namespace WarningTexts

#endif

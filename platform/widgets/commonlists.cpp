#include "widgets/commonlists.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

namespace {
QString installedSpelling(const QStringList& installed, const QString& family)
{
    for (const QString& name : installed) {
        if (name.compare(family, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}
} // namespace

QStringList CommonLists::candidateFontFamilies()
{
    return {QStringLiteral("DejaVu Sans"),
            QStringLiteral("DejaVu Sans Condensed"),
            QStringLiteral("DejaVu Serif"),
            QStringLiteral("DejaVu Serif Condensed"),
            QStringLiteral("DejaVu Sans Mono"),
            QStringLiteral("Liberation Sans"),
            QStringLiteral("Liberation Sans Narrow"),
            QStringLiteral("Liberation Serif"),
            QStringLiteral("Liberation Mono")};
}

QString CommonLists::ensureSuiteFontSubstitution()
{
    static QString substitute;
    if (!substitute.isEmpty())
        return substitute;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The font database cannot be read yet; try again once it can.
        qWarning("CommonLists: fonts are not available before the application object exists");
        return QString();
    }

    const QStringList installed = QFontDatabase().families();
    for (const char* preferred : {"DejaVu Sans", "Liberation Sans"}) {
        substitute = installedSpelling(installed, QString::fromLatin1(preferred));
        if (!substitute.isEmpty())
            break;
    }
    if (substitute.isEmpty())
        substitute = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (substitute.isEmpty())
        substitute = QFont().defaultFamily();
    QFont::insertSubstitution(QString::fromLatin1(SuiteFontFamily), substitute);
    return substitute;
}

QStringList CommonLists::createValidFontFamilies()
{
    QStringList families{QString::fromLatin1(SuiteFontFamily)};
    if (ensureSuiteFontSubstitution().isEmpty())
        return families;
    const QStringList installed = QFontDatabase().families();
    for (const QString& candidate : candidateFontFamilies()) {
        const QString name = installedSpelling(installed, candidate);
        if (!name.isEmpty() && !families.contains(name, Qt::CaseInsensitive))
            families.append(name);
    }
    return families;
}

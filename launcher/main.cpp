#include "logmessagefilter.h"
#include "shownreporter.h"
#include "startarguments.h"
#include "terminationwatcher.h"
#include "window/vendrelmainwindow.h"

#include <QApplication>
#include <QJsonObject>
#include <QLocale>
#include <QSettings>
#include <QTextStream>
#include <QTranslator>
#include <QUuid>

#include "analytics/analyticslibrary.h"
#include "logging/setuplogger.h"
#include "widgets/commonlists.h"
#include "widgets/dataroot.h"
#include "widgets/moduleresourceicons.h"

// The library reports the version it was built as; the launcher sends no other.
extern "C" const char* vendrelModuleVersion();

int main(int argc, char* argv[])
{
    // Answered before any application object exists: asking for help must work
    // without a display and without touching the user's settings or log.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const QString information =
        StartArguments::informationText(rawArguments, QString::fromLatin1(vendrelModuleVersion()));
    if (!information.isEmpty()) {
        QTextStream(stdout) << information;
        return 0;
    }

    LogMessageFilter::install();

    // The editor paints every widget with the raster engine and never uses OpenGL,
    // yet Qt's X11 platform loads its GLX integration for the first window, and with
    // it the system's OpenGL driver (without a graphics card, a software renderer
    // built on LLVM): some 40 ms of start-up and 50 MB of resident memory spent on
    // nothing. A value set in the environment is left alone.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    auto* application = new QApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("morvantic.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));

    setupLogger();

    auto* suiteSettings = new QSettings(QSettings::IniFormat, QSettings::UserScope,
                                        QStringLiteral("Morvantic"), QStringLiteral("QuilloryPro"));
    const QString language =
        suiteSettings->value(QStringLiteral("locale/language"), QStringLiteral("en_US")).toString();
    QLocale::setDefault(QLocale(language));

    // Installed even when no catalogue loads: the texts then stay untranslated.
    auto* translator = new QTranslator;
    translator->load(QLocale(), QStringLiteral("quillory"), QStringLiteral("_"),
                     DataRoot::path() + QStringLiteral("translations"), QString());
    QCoreApplication::installTranslator(translator);

    qInitResources_module_resource_icons();
    CommonLists::createValidFontFamilies();

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("_Vad Ivar"));
    font.setPixelSize(16);
    QApplication::setFont(font);

    const StartArguments start = StartArguments::parse(QCoreApplication::arguments());

    QSettings::setDefaultFormat(QSettings::IniFormat);

    auto* window = new VendrelMainWindow(
        QString(), start.testMode, static_cast<VendrelMainWindow::VendrelWidgetTypes>(start.kind),
        start.path, nullptr);
    window->setFixedSize(1024, 540);
    ShownReporter::watchIfAsked(window);
    window->show();

    const QString sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    application->setProperty("uid", sessionId);

    const QString version = QString::fromLatin1(vendrelModuleVersion());
    QJsonObject record = AnalyticsLibrary::sessionRecord(sessionId, version);
    AnalyticsLibrary::sendAnalyticHit(0, record);

    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, application,
                     &QCoreApplication::quit);
    const int result = QApplication::exec();

    record = AnalyticsLibrary::sessionRecord(sessionId, version);
    AnalyticsLibrary::sendAnalyticHit(1, record);

    delete window;
    delete translator;
    delete suiteSettings;
    delete application;
    return result;
}

#include "print/cupsqueue.h"

#include <cups/cups.h>
#include <cups/pwg.h>

namespace {
// PWG sizes are hundredths of millimetres.
constexpr double PointsPerPwgUnit = 72.0 / 2540.0;

QString stringOption(const cups_dest_t& dest, const char* name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

QStringList strings(ipp_attribute_t* attribute)
{
    QStringList list;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        list << QString::fromUtf8(ippGetString(attribute, i, nullptr));
    return list;
}

QString printerUri(const QString& printer)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", printer.toUtf8().constData());
    return QString::fromUtf8(uri);
}
} // namespace

QList<CupsQueue::Printer> CupsQueue::printers()
{
    QList<Printer> list;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        if (dest.instance)
            continue;
        Printer printer;
        printer.name = QString::fromUtf8(dest.name);
        printer.description = stringOption(dest, "printer-info");
        printer.isDefault = dest.is_default != 0;
        const unsigned type = stringOption(dest, "printer-type").toUInt();
        printer.remote = (type & CUPS_PRINTER_REMOTE) != 0;
        printer.offline = stringOption(dest, "printer-state").toInt() == IPP_PSTATE_STOPPED ||
                          stringOption(dest, "printer-is-accepting-jobs") == QLatin1String("false");
        printer.mv = stringOption(dest, "printer-make-and-model")
                         .contains(QLatin1String("Morvantic"), Qt::CaseInsensitive);
        list << printer;
    }
    cupsFreeDests(count, dests);
    return list;
}

QString CupsQueue::defaultPrinter()
{
    const QList<Printer> list = printers();
    for (const Printer& printer : list)
        if (printer.isDefault)
            return printer.name;
    return list.isEmpty() ? QString() : list.first().name;
}

QSizeF CupsQueue::mediaSizeOf(const QString& keyword)
{
    const QByteArray name = keyword.toUtf8();
    pwg_media_t* media = pwgMediaForPWG(name.constData());
    if (!media)
        media = pwgMediaForLegacy(name.constData());
    if (!media || media->width <= 0 || media->length <= 0)
        return QSizeF();
    return QSizeF(media->width * PointsPerPwgUnit, media->length * PointsPerPwgUnit);
}

CupsQueue::Attributes CupsQueue::attributes(const QString& printer)
{
    Attributes result;
    if (printer.isEmpty())
        return result;
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(printer).toUtf8().constData());
    static const char* const wanted[] = {"media-ready",           "media-default",
                                         "marker-colors",         "marker-names",
                                         "printer-state",         "printer-is-accepting-jobs",
                                         "printer-state-reasons", "printer-resolution-default",
                                         "printer-make-and-model"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(sizeof wanted / sizeof *wanted), nullptr, wanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response)
        return result;
    if (ippGetStatusCode(response) > IPP_STATUS_OK_CONFLICTING) {
        ippDelete(response);
        return result;
    }
    result.found = true;
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
        result.stopped = ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* a =
            ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        result.acceptingJobs = ippGetBoolean(a, 0) != 0;
    const QStringList reasons =
        strings(ippFindAttribute(response, "printer-state-reasons", IPP_TAG_KEYWORD));
    for (const QString& reason : reasons)
        if (reason.startsWith(QLatin1String("cover-open")) ||
            reason.startsWith(QLatin1String("door-open")))
            result.lidOpen = true;
    // What is loaded counts before what the queue would use by default.
    for (const char* name : {"media-ready", "media-default"}) {
        ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_ZERO);
        for (int i = 0; a && i < ippGetCount(a) && result.mediaSize.isEmpty(); ++i) {
            const QString keyword = QString::fromUtf8(ippGetString(a, i, nullptr));
            result.mediaSize = mediaSizeOf(keyword);
            if (!result.mediaSize.isEmpty())
                result.mediaName = keyword;
        }
        if (!result.mediaSize.isEmpty())
            break;
    }
    result.markerNames = strings(ippFindAttribute(response, "marker-names", IPP_TAG_ZERO));
    for (const QString& color : strings(ippFindAttribute(response, "marker-colors", IPP_TAG_ZERO)))
        // A marker may hold several colours ("#00FFFF#FF00FF"); its first one names it.
        result.markerColors << QColor(color.left(7));
    if (ipp_attribute_t* a =
            ippFindAttribute(response, "printer-resolution-default", IPP_TAG_RESOLUTION)) {
        ipp_res_t units;
        int y = 0;
        const int x = ippGetResolution(a, 0, &y, &units);
        result.resolution = units == IPP_RES_PER_CM ? qRound(x * 2.54) : x;
    }
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-make-and-model", IPP_TAG_ZERO))
        result.makeAndModel = QString::fromUtf8(ippGetString(a, 0, nullptr));
    ippDelete(response);
    return result;
}

int CupsQueue::submit(const QString& printer, const QString& pdfFile, const QString& title,
                      int copies, const QSizeF& pagePoints, QString* error)
{
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("copies", QByteArray::number(copies).constData(), count, &options);
    if (!pagePoints.isEmpty()) {
        const QByteArray media = QByteArrayLiteral("Custom.") +
                                 QByteArray::number(pagePoints.width(), 'f', 2) + 'x' +
                                 QByteArray::number(pagePoints.height(), 'f', 2);
        count = cupsAddOption("media", media.constData(), count, &options);
    }
    count = cupsAddOption("document-format", "application/pdf", count, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                       pdfFile.toUtf8().constData(), title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job <= 0 && error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return qMax(job, 0);
}

QList<int> CupsQueue::pendingJobs(const QString& printer, const QList<int>& jobs)
{
    QList<int> pending;
    cups_job_t* active = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &active, printer.toUtf8().constData(), 0,
                                   CUPS_WHICHJOBS_ACTIVE);
    for (int i = 0; i < count; ++i)
        if (jobs.contains(active[i].id))
            pending << active[i].id;
    cupsFreeJobs(count, active);
    return pending;
}

bool CupsQueue::cancel(const QString& printer, int job)
{
    return cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), job, 0) == IPP_STATUS_OK;
}

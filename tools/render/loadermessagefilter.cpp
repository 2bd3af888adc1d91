#include "loadermessagefilter.h"

#include <QString>

#include <cstring>

namespace {
// Where the label file controller logs a refused file from.
const char* const ContainerLogOrigin = "pipe_file_controller";
} // namespace

QtMessageHandler LoaderMessageFilter::m_previous = nullptr;
bool LoaderMessageFilter::m_passOnDetails = false;

LoaderMessageFilter::LoaderMessageFilter(bool passOnDetails)
{
    m_passOnDetails = passOnDetails;
    m_previous = qInstallMessageHandler(&LoaderMessageFilter::handle);
}

LoaderMessageFilter::~LoaderMessageFilter()
{
    qInstallMessageHandler(m_previous);
}

void LoaderMessageFilter::handle(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message)
{
    const bool refusal = context.file && std::strcmp(context.file, ContainerLogOrigin) == 0;
    if ((type == QtFatalMsg || (m_passOnDetails && !refusal)) && m_previous)
        m_previous(type, context, message);
}

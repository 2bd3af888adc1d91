#ifndef LOADERMESSAGEFILTER_H
#define LOADERMESSAGEFILTER_H

#include <QtGlobal>

// While it lives, keeps the messages printed during a load (the image decoder's
// notes on a broken preview, font and symbol notices) off the terminal unless they
// are asked for. The container's own refusal line never passes: the tool answers
// with that reason itself, taken from the load's result. Fatal messages always pass.
class LoaderMessageFilter
{
public:
    explicit LoaderMessageFilter(bool passOnDetails);
    ~LoaderMessageFilter();

    LoaderMessageFilter(const LoaderMessageFilter&) = delete;
    LoaderMessageFilter& operator=(const LoaderMessageFilter&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    static QtMessageHandler m_previous;
    static bool m_passOnDetails;
};

#endif

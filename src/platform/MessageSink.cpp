#include "platform/MessageSink.h"

#include "platform/StderrMessageSink.h"

namespace {

MessageSink* gInstalled = nullptr;
thread_local MessageSink* tThreadSink = nullptr;

MessageSink& FallbackSink()
{
    static StderrMessageSink sink;
    return sink;
}

} // namespace

MessageSink& MessageSink::Current()
{
    if (tThreadSink)
        return *tThreadSink;
    return gInstalled ? *gInstalled : FallbackSink();
}

void MessageSink::InstallForThisThread(MessageSink* sink)
{
    tThreadSink = sink;
}

void MessageSink::Install(MessageSink* sink)
{
    gInstalled = sink;
}

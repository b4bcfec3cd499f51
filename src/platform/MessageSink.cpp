#include "platform/MessageSink.h"

#include "platform/StderrMessageSink.h"

namespace {

MessageSink* gInstalled = nullptr;

MessageSink& FallbackSink()
{
    static StderrMessageSink sink;
    return sink;
}

} // namespace

MessageSink& MessageSink::Current()
{
    return gInstalled ? *gInstalled : FallbackSink();
}

void MessageSink::Install(MessageSink* sink)
{
    gInstalled = sink;
}

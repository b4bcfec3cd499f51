#include "mainwindow/BackgroundSearch.h"

#include "platform/MessageSink.h"

#include <QStringList>

#include <chrono>

namespace {

// Message boxes asked for by the search thread: their texts are kept for the
// window, which shows them when it takes the results over. Nothing there asks
// a question; should anything, the answer is No.
class KeptMessages : public MessageSink {
public:
    explicit KeptMessages(QStringList& texts) : m_texts(texts) {}
    void Critical(const QString& text) override { m_texts.append(text); }
    bool AskYesNo(const QString& text) override
    {
        m_texts.append(text);
        return false;
    }
    void Plain(const QString& text) override { m_texts.append(text); }

private:
    QStringList& m_texts;
};

} // namespace

BackgroundSearch::BackgroundSearch(std::unique_ptr<SearchContext> context, Work work)
    : m_context(std::move(context))
{
    m_thread = std::thread([this, work = std::move(work)] { Run(work); });
}

BackgroundSearch::~BackgroundSearch()
{
    Stop();
    m_thread.join();
}

bool BackgroundSearch::WaitFor(int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_endedChanged.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_ended; });
}

void BackgroundSearch::Run(const Work& work)
{
    {
        KeptMessages messages(m_context->messages);
        MessageSink::InstallForThisThread(&messages);
        const SearchContext::Scope scope(*m_context);
        try {
            work(*m_context);
        } catch (const SearchStopped&) {
            m_context->stopped = true;
        } catch (...) {
            m_context->error = std::current_exception();
        }
        MessageSink::InstallForThisThread(nullptr);
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_ended = true;
    }
    m_endedChanged.notify_all();
    QMetaObject::invokeMethod(this, &BackgroundSearch::Ended, Qt::QueuedConnection);
}

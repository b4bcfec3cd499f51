#include "cli/CliProgressLine.h"

#include "platform/Terminal.h"

#include <QIODevice>

namespace {

constexpr qint64 kQuietMs = 1000;
constexpr qint64 kEveryMs = 200;

} // namespace

CliProgressLine::CliProgressLine(QIODevice& err, bool wanted)
    : m_err(err)
    , m_shown(wanted && Terminal::IsTerminal(err))
    , m_progress(m_shown)
{
    if (!m_shown)
        return;
    m_since.start();
    m_progress.onProgress = [this](const SearchProgress::Figures& figures) { Show(figures); };
}

CliProgressLine::~CliProgressLine()
{
    Wipe();
}

void CliProgressLine::Wipe()
{
    if (m_shownWidth > 0)
        m_err.write(QByteArray("\r") + QByteArray(m_shownWidth, ' ') + '\r');
    m_shownWidth = 0;
}

void CliProgressLine::Show(const SearchProgress::Figures& figures)
{
    if (figures.ended) {
        Wipe();   // before the results and messages
        return;
    }
    const qint64 now = m_since.elapsed();
    if (now < kQuietMs || (m_shownWidth > 0 && now - m_lastShownMs < kEveryMs))
        return;
    m_lastShownMs = now;
    const QString text = SearchProgress::Text(figures);
    // Padded to the width of the line before, so that nothing of it stays.
    m_err.write('\r' + text.leftJustified(m_shownWidth).toUtf8());
    m_shownWidth = qMax(m_shownWidth, int(text.size()));
}

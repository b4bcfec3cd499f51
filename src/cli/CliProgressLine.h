#pragma once

#include "hostdata/SearchProgress.h"

#include <QElapsedTimer>

class QIODevice;

// The progress of a command that takes longer than a second, as one line on
// standard error that is written over again; only when that is a terminal,
// and never with --json or --brief. The line is wiped when the command ends.
// The command's searches report to Progress().
class CliProgressLine {
public:
    CliProgressLine(QIODevice& err, bool wanted);
    ~CliProgressLine();
    CliProgressLine(const CliProgressLine&) = delete;
    CliProgressLine& operator=(const CliProgressLine&) = delete;

    SearchProgress& Progress() { return m_progress; }

private:
    void Show(const SearchProgress::Figures& figures);
    void Wipe();

    QIODevice& m_err;
    const bool m_shown;
    SearchProgress m_progress;   // with totals only when the line is shown
    QElapsedTimer m_since;
    qint64 m_lastShownMs = 0;
    int m_shownWidth = 0;
};

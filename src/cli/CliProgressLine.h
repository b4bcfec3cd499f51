#pragma once

#include "hostdata/SearchProgress.h"

#include <QElapsedTimer>

#include <optional>

class QIODevice;

// The progress of a command that takes longer than a second, as one line on
// standard error that is written over again; only when that is a terminal,
// and never with --json or --brief. The line is wiped when the command ends.
class CliProgressLine {
public:
    CliProgressLine(QIODevice& err, bool wanted);
    ~CliProgressLine();
    CliProgressLine(const CliProgressLine&) = delete;
    CliProgressLine& operator=(const CliProgressLine&) = delete;

private:
    void Show(const SearchProgress::Figures& figures);
    void Wipe();

    QIODevice& m_err;
    SearchProgress m_progress;
    std::optional<SearchProgress::Scope> m_scope;   // only when the line is wanted
    QElapsedTimer m_since;
    qint64 m_lastShownMs = 0;
    int m_shownWidth = 0;
};

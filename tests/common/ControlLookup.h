#pragma once

// Helpers that the window tests share: controls by object name, and the
// texts a test's message recorder received.

#include "platform/RecordingMessageSink.h"

#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QtGlobal>

// The control of the window with the given objectName (fails the test run when absent).
template <class Control = QWidget>
Control* C(const QObject* window, const char* name)
{
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("control %s not found", name);
    return control;
}

inline QString Text(const QObject* window, const char* label) { return C<QLabel>(window, label)->text(); }

// The texts of the critical messages recorded so far.
inline QStringList CriticalTexts(const RecordingMessageSink& sink)
{
    QStringList texts;
    for (const auto& entry : sink.Entries())
        if (entry.kind == RecordingMessageSink::Kind::Critical)
            texts << entry.text;
    return texts;
}

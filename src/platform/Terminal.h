#pragma once

class QIODevice;

namespace Terminal {

// True when the device writes to a terminal (a file opened on a descriptor
// that is one); false for pipes, files and buffers.
bool IsTerminal(const QIODevice& device);

} // namespace Terminal

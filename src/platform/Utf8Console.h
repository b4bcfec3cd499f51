#pragma once

// While it lives, a Windows console shows the UTF-8 text the program writes
// ("Häuser", not "HÃ¤user"); the console's own code page comes back after.
// Pipes and files get the same bytes either way; elsewhere it does nothing.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned m_previousCodePage = 0;
};

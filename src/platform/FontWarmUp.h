#pragma once
// Reading the system's font configuration (some fifty XML files) takes a few milliseconds that
// the first frame would otherwise wait for: it is read on a thread of its own while the window
// system starts, and the fonts are asked for only once it is done.
#include <thread>

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();  // waits for the reading to end
    // Waits for the reading to end; the font system is then ready for the screens' thread.
    void Wait();

private:
    std::thread reader_;
};

#include "platform/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

// FcInit loads the default configuration and the font caches once for the whole process; Qt's
// own call to it later finds them loaded.
FontWarmUp::FontWarmUp() : reader_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait() {
    if (reader_.joinable()) reader_.join();
}

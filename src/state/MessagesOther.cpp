// Blocks 3 to 5 of the message catalogue: languages that are not offered. Each holds its
// availability marker "--" (relative number 0) and, for German and Italian, the menu name.
#include "state/Messages.h"

const MessageEntry kOtherMessages[] = {
    {3000, "--"},
    {3006, "&Deutsch"},
    {4000, "--"},
    {5000, "--"},
    {5006, "&Italiano"},
};

const int kOtherMessageCount = static_cast<int>(sizeof(kOtherMessages) / sizeof(kOtherMessages[0]));

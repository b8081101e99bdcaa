#include "ai/Act.h"

#include "ui/InputCommand.h"

namespace ai {

bool Act(const std::string& text, Screen* popup) {
    const CommandLine line = ReadCommandLine(text);
    if (line.Empty()) return false;
    // The window's pop-up menu has closed before the choice is made: nothing waits on it.
    PopupWait waiting{popup, ""};
    std::string fault;
    return ApplyInput(line, waiting, InputCheck::Lenient, fault);
}

}  // namespace ai

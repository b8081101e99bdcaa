#pragma once
// The title's way into a game another machine hosts: the entry "Join a network game..." under
// File and its dialog `frmRejoindre` (the host's address, the port, the join code and the
// player's name). Both exist only while the program offers network play (ui/NetPlay.h).
#include <functional>
#include <memory>

#include "ui/NetPlay.h"

class Screen;

constexpr const char* kTitleJoin = "MNU_Join";

// Adds the entry, after a separator of its own, under the title's File menu: only when the
// program has set the join hook.
void AddTitleJoinEntry(Screen& title);
// Its caption in the current language (the title's load and each change of language).
void CaptionTitleJoinEntry(Screen& title);

// The dialog. OK with every field right closes it and hands what was typed to the join hook;
// a field wrong keeps it open with the reason in its own label. The values typed are offered
// again at the next opening in the same run.
void OpenJoinDialog();
// The dialog itself, to be opened by the caller: accepted runs once OK has closed it.
std::unique_ptr<Screen> MakeJoinDialog(std::function<void(const NetJoinAsk&)> accepted);

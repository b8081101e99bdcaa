// The title's entries for the game's record, under File after Load: "Continue the last game"
// (Ctrl+R), shown while an unfinished record waits, "Watch a replay..." (Ctrl+W), shown when the
// program can show one, and the switch "Record the games", shown when the program keeps records.
#include "setup/TitleRecord.h"

#include "ui/GameRecord.h"
#include "ui/Screen.h"

void AddTitleRecordEntries(Screen& title) {
    Control& resume = title.Add(Kind::Menu, kTitleContinue);
    resume.parent = "MNU_File";
    resume.visible = false;
    Control& watch = title.Add(Kind::Menu, kTitleWatch);
    watch.parent = "MNU_File";
    watch.visible = false;
    Control& record = title.Add(Kind::Menu, kTitleRecordSwitch);
    record.parent = "MNU_File";
    record.visible = false;
    title.On(std::string(kTitleContinue) + "_Click", [](const EventArgs&) { ContinueLastGame(); });
    title.On(std::string(kTitleWatch) + "_Click", [](const EventArgs&) { WatchReplay(); });
    title.On(std::string(kTitleRecordSwitch) + "_Click", [&title](const EventArgs&) {
        SetRecordingSwitch(!RecordingSwitchOn());
        RefreshTitleRecordEntries(title);
    });
}

void RefreshTitleRecordEntries(Screen& title) {
    Control& resume = title.C(kTitleContinue);
    resume.caption = ContinueEntryCaption();
    resume.visible = ContinueOffered();
    Control& watch = title.C(kTitleWatch);
    watch.caption = WatchEntryCaption();
    watch.visible = WatchOffered();
    Control& record = title.C(kTitleRecordSwitch);
    record.caption = RecordSwitchCaption();
    record.visible = RecordingSwitchShown();
    record.checked = RecordingSwitchOn();
}

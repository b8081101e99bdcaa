// The title's entries for the game's record, under File after Load: "Continue the last game"
// (Ctrl+R), shown while an unfinished record waits, and the switch "Record the games", shown
// when the program keeps records.
#include "setup/TitleRecord.h"

#include "ui/GameRecord.h"
#include "ui/Screen.h"

void AddTitleRecordEntries(Screen& title) {
    Control& resume = title.Add(Kind::Menu, kTitleContinue);
    resume.parent = "MNU_File";
    resume.visible = false;
    Control& record = title.Add(Kind::Menu, kTitleRecordSwitch);
    record.parent = "MNU_File";
    record.visible = false;
    title.On(std::string(kTitleContinue) + "_Click", [](const EventArgs&) { ContinueLastGame(); });
    title.On(std::string(kTitleRecordSwitch) + "_Click", [&title](const EventArgs&) {
        SetRecordingSwitch(!RecordingSwitchOn());
        RefreshTitleRecordEntries(title);
    });
}

void RefreshTitleRecordEntries(Screen& title) {
    Control& resume = title.C(kTitleContinue);
    resume.caption = ContinueEntryCaption();
    resume.visible = ContinueOffered();
    Control& record = title.C(kTitleRecordSwitch);
    record.caption = RecordSwitchCaption();
    record.visible = RecordingSwitchShown();
    record.checked = RecordingSwitchOn();
}

// Board start-up and the turn cycle: who plays next, the clock, and the lasting statuses
// that keep a character from playing or end at the start of its turn.
#include "board/Board.h"
#include "board/HandOver.h"
#include "state/GameLimits.h"
#include "state/Classes.h"
#include "state/Journal.h"
#include "rules/MapTables.h"
#include "board/frmJeu.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/Random.h"
#include "state/SharedRules.h"
#include "state/Text.h"
#include "state/Status.h"
#include "ui/Navigation.h"

namespace {

const char kCheatName[] = "-*GODMODE*";

}  // namespace

void SetBoardCaptions(frmJeu& b) {
    b.C("Image2").tooltip = Msg(1).substr(2);
    b.C("Image3").tooltip = Msg(3).substr(2);
    b.C("Image4").tooltip = Msg(100);
    b.C("Image5").tooltip = Msg(101);
    b.C("Image6").tooltip = Msg(102);
    b.C("Image7").tooltip = Msg(103);
    b.C("Image14").tooltip = Msg(86);
    b.C("Image15").tooltip = Msg(87);
    b.C("MNU_Up").caption = Msg(10);
    b.C("MNU_Down").caption = Msg(11);
    b.C("MNU_Left").caption = Msg(12);
    b.C("MNU_Right").caption = Msg(13);
}

void RecaptionOpenBoard(Screen& board) {
    if (auto* b = dynamic_cast<frmJeu*>(&board)) RecaptionBoard(*b);
}

void RecaptionBoard(frmJeu& b) {
    SetBoardCaptions(b);
    ShowClock(b);
    const int shown = gd.ShownCharacter;
    if (shown >= 1 && shown <= 16) {
        b.C("lblClasse").caption = Msg(59 + rec::ClassNumber(shown));
        ShowItemList(shown);
    }
    CaptionHelpKeys(b);
    CaptionSaveEntries(b);
    ShowMagicPoints(b);
    ExplainBoardButtons(b);
}

namespace {

// Puts character i back to the values every character starts a game with.
void StartCharacter(int i) {
    PlaceAtStart(i);
    gd.AttackBonus[i] = 0;
    gd.DefenseBonus[i] = 0;
    gd.AgilityBonus[i] = 0;
    gd.MagicPoints[i] = 10;
    gd.Resources[i] = rec::PlayerNameField(i) == kCheatName ? "99999999999999" : "00000000000000";
    gd.Status[i] = status::kFree;
}

}  // namespace

void frmJeu::Load() {
    if (resume_) {
        Resume(*resume_);
        resume_ = nullptr;
        return;
    }
    // A new game: the board's values start again, and this board shows them.
    ResetBoardState();
    TakeOver();
    JournalClear();
    rnd::SeedFromClock();
    SetBoardCaptions(*this);
    gb.HourCounter = 0;
    gd.CurrentCharacter = 1;
    gd.ShownCharacter = 1;
    for (int i = 1; i <= CharacterCount(); ++i) StartCharacter(i);
    if (gd.Zone[gd.CurrentCharacter] != map::Town) LoadZonePicture(gd.CurrentCharacter);
    for (int i = 1; i <= CharacterCount(); ++i)
        if (gd.Zone[i] == gd.Zone[gd.CurrentCharacter]) ShowCharacterOnMap(i);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        gd.DoorState[p] = 0;
        gd.TowerFloor[p] = 0;
    }
    RefreshPanel(gd.CurrentCharacter);
    RefreshThumbnails(0);
    gd.FreeMoveCharacter = 0;
    gd.PendingSpell = pending_spell::kNone;
    RollMovement();
    gb.DisplayedZone = gd.Zone[gd.CurrentCharacter];
    HighlightThumbnail(gb.DisplayedZone);
    for (int i = 1; i <= 16; ++i) {
        gb.BlockX[i] = 0;
        gb.BlockY[i] = 0;
        gb.BlockZone[i] = 0;
    }
    gb.HourCounter = 12;
    AdvanceClock();
    if (!rec::ActsByDay(gd.CurrentCharacter)) EndTurn_Click();
    if (!Jeu()) return;  // the game ended at once
    RefreshTurnFlags();
    RefreshIconBases();
    ExplainBoardButtons(*this);
    ShowTurnBanner();
}

bool IsDayHour(int hour) { return hour >= 7 && hour <= 19; }

void AdvanceClock() {
    frmJeu* b = Jeu();
    if (!b) return;
    gb.HourCounter = limits::NextHour(gb.HourCounter);
    ShowClock(*b);
}

void ShowClock(frmJeu& board) {
    const int hour = HourOfDay(gb.HourCounter);
    board.C("TimeIsOnMySide").caption =
        Msg(104) + NumberText(DayNumber(gb.HourCounter)) + Msg(105) + NumberText(hour) + "H";
    const int h = hour > 12 ? hour - 12 : hour;
    board.C("CadranSoleil").picture = "soleil" + std::to_string(h) + ".bmp";
}

void RollMovement() {
    const int c = gd.CurrentCharacter;
    SetMovesLeft(RollDice(static_cast<int>(rec::ReadNumber(c, rec::kMoveDice, 1)),
                          static_cast<int>(rec::ReadNumber(c, rec::kMoveBonus, 1))));
}

bool CastsSpells(int c) {
    const int cls = rec::ClassNumber(c);
    using namespace classes;
    if (cls == kCavalierNoir || cls == kFee || cls == kMagicien || cls == kNecromancien || cls == kNain ||
        cls == kSorcier)
        return true;
    for (int k = 0, n = rec::ItemCount(c); k < n; ++k) {
        const int item = rec::ItemAt(c, k).number;
        if (item >= items::kFireBook && item <= items::kBlackHandBook) return true;
    }
    return false;
}

bool HasTurnCapacity(int c) {
    const int cls = rec::ClassNumber(c);
    using namespace classes;
    return cls == kDiablotin || cls == kFee || cls == kNecromancien || cls == kVampire;
}

void RefreshTurnFlags() {
    const int c = gd.CurrentCharacter;
    gd.CapacityAvailable = HasTurnCapacity(c);
    gd.MagicAvailable = CastsSpells(c);
    gd.EndTurnAvailable = false;
    RefreshActionButtons();
}

void PlaceAtStart(int i) {
    const map::Cell start = map::StartCell(rec::ClassNumber(i));
    gd.Zone[i] = start.zone;
    gd.PosX[i] = start.column;
    gd.PosY[i] = static_cast<int16_t>(start.row);
}

void AddTurnHandlers(frmJeu& board) {
    board.On("EndTurn_Click", [](const EventArgs&) { EndTurn_Click(); });
}

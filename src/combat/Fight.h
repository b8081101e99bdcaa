#pragma once
// The procedures of a running fight that the fight screen, its action panel and the
// tournament and tower screens share.
#include <string>

class CombatForm;
class ChCmb;

// The open fight screen and action panel, nullptr when they are closed.
CombatForm* FightScreen();
ChCmb* FightPanel();

// Ends the fight: from a Regul tick the panel closes first, from the panel's handlers the
// fight screen first; the fight screen's unload writes the outcome and shows the board.
void CloseFight(bool panelFirst);
// The outcome of the fight, in order: tower, young girl, death, experience, prison, arena,
// hermit.
void WriteFightOutcome();

// The fight in the game's journal: the message line shows text, the message line is hidden.
// (How the fight ended joins it with the notice, combat/FightNotice.h.)
void JournalFightMessage(const std::string& text);
void JournalFightMessageHidden();

// Is the fight hurried: the player pressed H and a computer party plays the fighter? Its
// timers then wait a fraction of their intervals (the intervals themselves stay).
bool FightHurried();

// The spell cast last in this fight (PendingSpell / 3 − 1 once its animation is over), −1 for none.
int LastSpellCast();
// One 150 ms step of the spell animation; at its end the spell takes effect.
void AnimateSpell(CombatForm& combat);

// The tournament entrance: opening, a click on the picture and one step of the walk.
void LoadTournament(CombatForm& combat);
void TournamentMouseDown(CombatForm& combat, int x, int y);
// Where a click reaches level k's stand (1 to 3) or the way out (0); false for no such place.
bool TournamentPlacePoint(int place, int& x, int& y);
void TournamentWalk(CombatForm& combat);
// The tournament prize, told from the level's enemy attack that the fight left; 0 for none.
long ArenaPrize(int enemyAttack);
// The tower-floor screen.
void LoadTowerFloor(CombatForm& combat);

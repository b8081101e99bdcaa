#pragma once
// The board screen `frmJeu` and the board procedures other parts of the game call.
#include <string>

class Screen;
struct JournalMoment;

// The board while it is open, nullptr otherwise.
Screen* Board();

// The information line.
void SetInformations(const std::string& text);
std::string Informations();
// The moment the journal gives a message shown now: the board clock's day and hour and the
// character whose turn it is. False while the board is closed.
bool BoardMoment(JournalMoment& at);
// Notes in the game's journal, at the board's moment, something no line shows (a purchase,
// the message box at the tower door). Nothing while the board is closed.
void NoteInJournal(const std::string& text);
// The sum of count six-sided dice plus bonus.
int RollDice(int count, int bonus);
// Kills the current character (a Cavalier Noir survives).
void DeadlyDead();
// Puts character i's icon on the map (hides it when in prison or dead); see the map rules.
void ShowCharacterOnMap(int i);
// Hides character i's icon (Perso1(i)).
void HideCharacterIcon(int i);
// Is a fight pending (the fight button visible)?
bool FightPending();
// Hides or shows the whole board window (a running fight hides it).
void SetBoardVisible(bool visible);
// The zone shown on the big map.
int DisplayedZone();
// MovesLeft := n, and the movement label shows it.
void SetMovesLeft(int n);
// EndTurnAvailable := true, then the buttons are repainted.
void EnableEndTurn();
// How a fight ended, for the colour of its notice.
enum class FightNoticeTone { Victory, Defeat, Other };
// A notice over the map that says how a fight ended (or that the game was saved); it fades by
// itself (the next turn's banner takes it away).
void ShowFightNotice(const std::string& text, FightNoticeTone tone);
// Places character i's obstacle on a cell of a zone and shows it where that zone is shown.
void PlaceObstacle(int i, int zone, int column, int row);

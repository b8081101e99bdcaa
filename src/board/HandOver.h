#pragma once
// What the board shows for hot-seat play beside its own controls: the hand-over banner at each
// turn start, the notice of how a fight ended, and the bases under the map's icons in the
// colour of the player who plays each character, the current one ringed. All of it is drawn
// over the map, fades or follows by itself and never takes a click.
#include <string>

class frmJeu;

// The banner, the notice and the key that shows the banner again.
void AddHandOverControls(frmJeu& board);
// The bases, created before the icons so that the icons stand on them.
void AddIconBases(frmJeu& board);

// The character whose player plays character i now: the controlling character while i is
// under another's control (status 15, slot 0 holds it), otherwise i itself.
int Controller(int i);

// The banner names the player of the current character's turn, the character and its class;
// it fades by itself. The fight notice, if still there, goes.
void ShowTurnBanner();
// Draws character i's base: its player's colour, and the ring when it is the current one.
void DrawIconBase(int i);
// Every base of the board, after anything that may change a controller or the current turn.
void RefreshIconBases();

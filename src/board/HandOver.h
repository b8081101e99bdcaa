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

// How long the hand-over banner stays. A computer's turn, or a person's next character after
// one of his own, shows it for a moment. A person's turn after another party's keeps it until
// that person's first input on the board (a click, a key): at least 4 s after a computer's
// turn, so that a player looking up from elsewhere still sees whose turn it is, and at least
// the usual moment after another person's.
struct BannerWatch {
    int announced = 0;           // the character whose player the banner last named, 0 none yet
    bool announcedComputer = false;
    bool holdsForInput = false;  // the banner stays until the player's first input
    bool fresh = false;          // shown by the input being handled now: that one does not count
    int leastMs = 0;             // the banner never goes sooner than this after it appeared
};

// The character whose player plays character i now: the controlling character while i is
// under another's control (status 15, slot 0 holds it), otherwise i itself.
int Controller(int i);

// The banner names the player of the current character's turn, the character and its class;
// it fades by itself, at once or after the player's first input (BannerWatch). The fight
// notice, if still there, goes.
void ShowTurnBanner();
// An input on the board has been handled: a banner that waits for the player's first input
// starts to fade (never before its least time is up).
void BannerSeesInput();
// The computer's plate along the map's lower edge: what the computer party is doing and why,
// in a sentence (ai/Sayings.h); it stays a few seconds and fades. Nothing while no board is open.
void ShowComputerSaying(const std::string& text);
// Draws character i's base: its player's colour, and the ring when it is the current one.
void DrawIconBase(int i);
// Every base of the board, after anything that may change a controller or the current turn.
void RefreshIconBases();

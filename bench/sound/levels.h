#pragma once
// The levels of the game's music and effects as the sound device receives them.

// Plays every piece through the game's SdlServices for its length and some seconds past its
// end, the fight's three effects over the battle music, and prints "key value" lines: each
// piece's peak, RMS and full-scale samples, what happens where the piece comes round again,
// and how far each effect stands above the music. SDL's disk driver takes the place of the
// sound card (set here: SDL_AUDIODRIVER, SDL_DISKAUDIOFILE, SDL_DISKAUDIODELAY). Returns the
// exit status.
int RunLevels();

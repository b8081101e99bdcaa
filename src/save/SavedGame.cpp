// Taking the running game out, and putting a saved one in.
#include "save/SavedGame.h"

#include "ui/Navigation.h"

SavedGame CaptureGame() {
    SavedGame game;
    game.state = gd;
    if (Board()) game.board = gb;
    game.journal = JournalSnapshot();
    game.dice = rnd::Where();
    return game;
}

void ResumeGame(SavedGame game) {
    gd = std::move(game.state);
    gb = game.board;
    JournalRestore(std::move(game.journal));
    rnd::Restore(game.dice);
    ResumeBoard(game.board);
}

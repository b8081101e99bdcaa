// Taking the running game out, and putting a saved one in.
#include "save/SavedGame.h"

#include "board/BoardResume.h"

SavedGame CaptureGame() {
    SavedGame game;
    game.state = gd;
    game.board = CurrentBoardValues();
    game.journal = JournalSnapshot();
    game.dice = rnd::Where();
    return game;
}

void ResumeGame(SavedGame game) {
    gd = std::move(game.state);
    gb = game.board;
    JournalRestore(std::move(game.journal));
    rnd::Restore(game.dice);
    OpenBoardAt(game.board);
}

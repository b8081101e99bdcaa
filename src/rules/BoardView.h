#pragma once
// What the board's rules tell the board screen to show. The rules write the board's values
// (state/BoardState.h) and the shared state first, then tell the board, which hands itself over
// while it is open (the way it hands over its panel, state/SharedRules.h). With no board open
// the rules change the state alone.
#include <string>

// How a fight ended, for the colour of its notice.
enum class FightNoticeTone { Victory, Defeat, Other };

class BoardView {
public:
    virtual ~BoardView() = default;
    // The information line shows gb.informations.
    virtual void DrawInformations() = 0;
    // The fight button shows gb.fightPending (visible and usable, or neither); picture: the
    // face it shows, empty to keep the one it has.
    virtual void DrawFightButton(const std::string& picture) = 0;
    // Character i's icon where the state places it, on its base; hidden in prison or dead.
    virtual void DrawCharacterIcon(int i) = 0;
    virtual void DrawIconHidden(int i) = 0;
    // Obstacle i (gb.Block*), shown where zone z is displayed, hidden elsewhere.
    virtual void DrawObstacle(int i, int z) = 0;
    // Thumbnail k drawn again from its marks (gb.thumbnails[k]).
    virtual void DrawThumbnail(int k) = 0;
    // The movement label shows gd.MovesLeft.
    virtual void DrawMovesLeft() = 0;
    // The whole board shown or hidden (a running fight or a shop hides it).
    virtual void DrawBoardShown(bool visible) = 0;
    // A notice over the map that fades by itself.
    virtual void DrawNotice(const std::string& text, FightNoticeTone tone) = 0;
};

// The open board registers itself, and takes itself away when it closes.
void SetBoardView(BoardView* view);
// The open board, nullptr when none is.
BoardView* CurrentBoardView();

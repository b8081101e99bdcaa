#pragma once
// What the computer's board choices share: the goal of its walks, the obstacles on the map,
// the use of an item from the panel, and the capacities and spells tried before a step.
#include <string>

#include "ai/Computer.h"
#include "ai/Knowledge.h"
#include "ai/Paths.h"

class Screen;

namespace ai {

struct Goal {
    Spot spot;
    double worth = 0;
    std::string why;
    std::string say;   // the same for the player (ai/Sayings.h)
};

// Where c means to go, over any number of turns (worth 0 when nowhere).
Goal ChooseGoal(int c, const PartyKeys& keys, const Obstacles& obstacles);
Obstacles BoardObstacles();
// The click on an item of the shown character's list, or the scroll that brings it in view;
// say is told with the click (ai/Sayings.h).
Decision UseItem(Screen& board, int shown, int item, const std::string& why, const std::string& say = "");
bool SameOwner(int a, int b);

// The capacity button (BoardCapacities.cpp): a seduction instead of a bad fight; raising the
// dead, flight, theft and archery where they pay. False when the button is better left alone.
bool SeductionMove(Screen& board, double winChance, Decision& out);
bool CapacityMove(Screen& board, Decision& out);
// A theft under way: what to take from the victim.
bool TheftMove(Screen& board, Decision& out);
// The flight waiting for its landing cell (also one left by someone else).
Decision FlightLanding(Screen& board);
// Would c's flight land somewhere worth the two turns it costs? The cell, and why.
bool FlightPays(int c, Spot& land, std::string& why);
Decision GraveyardMove(Screen& graveyard);

// The board spells (BoardSpells.cpp): healing when life runs low, Armagueddon or Glace noire
// against the opposing character nearest to winning.
bool SpellMove(Screen& board, Decision& out);
Decision SpellDialogMove(Screen& dialog);
// A spell waiting for the character it strikes.
Decision SpellTargetMove(Screen& board);
// The opposing character whose party is nearest to the top of the tower, and ahead of p's; 0 if none.
int Threat(int p);

}  // namespace ai

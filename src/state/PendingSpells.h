#pragma once
// What PendingSpell holds. On the board: the targeted spell (or the flight) that waits for the
// click that completes it. In a fight: the step of the spell animation, three frames a spell.
namespace pending_spell {

constexpr int kNone = 0;
// Board spell b waits as b - 1.
constexpr int kGlaceNoire = 2;   // a character's next turn is lost
constexpr int kArmagueddon = 3;  // a character dies
constexpr int kBloc = 4;         // a map cell gets the caster's obstacle
constexpr int kEnvoutement = 5;  // a character is controlled for its next turn
// The flight capacity: the landing cell.
constexpr int kFlight = 10;

constexpr int ForBoardSpell(int b) { return b - 1; }
constexpr bool WaitsForACharacter(int p) { return p == kGlaceNoire || p == kArmagueddon || p == kEnvoutement; }
constexpr bool WaitsForACell(int p) { return p == kBloc || p == kFlight; }

// In a fight, fight spell i (0-15) shows frames 3i, 3i + 1 and 3i + 2; when its animation is
// over the step rests on 3(i + 1).
constexpr int kFramesPerSpell = 3;
constexpr int FirstFrame(int spell) { return kFramesPerSpell * spell; }
constexpr int SpellOfFrame(int step) { return step / kFramesPerSpell; }
constexpr bool AnimationOver(int step) { return step % kFramesPerSpell == 0; }
// The spell whose animation ended on this step, -1 when none did.
constexpr int SpellCastAt(int step) { return AnimationOver(step) ? step / kFramesPerSpell - 1 : -1; }

}  // namespace pending_spell

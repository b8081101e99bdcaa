#pragma once
// The fight's action panel ChCmb: four action rows, the spell menu and the enemy's timer.
#include <memory>

#include "ui/Screen.h"

class CombatForm;

class ChCmb : public Screen {
public:
    ChCmb();
    void Load() override;

    // Panel variables, from the opening of the panel to its unload.
    int EnemyHitsLeft = 6;      // blows still needed to beat the enemy
    int Defending = 0;          // -1 after the defence action, until the next enemy attack
    int FightAttackBonus = 0;
    int FightDefenseBonus = 0;
    int HoverRow = 0;           // row under the pointer + 1, 0 for none
    int SpellMenuCount = 0;     // CastSpell entries filled for the spell menu

    // The enemy's turn comes 2200 ms from now, unless it is already on its way.
    void StartEnemyTurn();
    // One attack of the enemy on the current character.
    void EnemyAttacks();
    // Adds spell n (SpellIndex + 1) with its listed cost as the next spell menu entry.
    void AddSpellEntry(int n, int cost);
    // A hurried fight's enemy comes sooner (combat/FightPace.cpp).
    int TimerDelay(const Control& timer) const override;

protected:
    // The fight screen's display of the fight follows every input of the panel.
    void AfterInput() override;

private:
    enum class Frame { None, Raised, Sunken };
    void SetFrame(int row, Frame f);
    void ClearFrames();
    void RowMouseDown(int row);
    void RowMouseMove(int row);
    void Act(int row);
    void Attack(CombatForm& combat);
    // The Monstre's breath (row 0) or grimace (row 2): a blow on 4 to 6, no enemy turn.
    void MonstreBlow(CombatForm& combat, int messageRel, int resultRel);
    void ShowSpellMenu();
    void CastSpell(int index);
    void EnemyTurn();
    // One blow landed: the enemy is beaten at the sixth.
    bool Hit();

    Frame frames_[4] = {Frame::None, Frame::None, Frame::None, Frame::None};
};

std::unique_ptr<Screen> MakeChCmb();

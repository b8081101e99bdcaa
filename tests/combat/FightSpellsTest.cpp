// Magic in a fight: the spell menu and its costs, the animation and the effects.
#include "combat/FightFixture.h"

namespace {

class FightSpellTest : public FightTest {
protected:
    // Opens the spell menu of the panel (the next `menu CastSpell(i)` chooses from it).
    void OpenMenu() { Run("click ChCmb.StepPix(1)\n"); }
    Control& Entry(int i) { return Panel()->C("CastSpell", i); }
    // Casts the menu entry i and lets its three frames run.
    void Cast(int i) { Run("click ChCmb.StepPix(1)\nmenu CastSpell(" + std::to_string(i) + ")\nwait 450\n"); }
};

TEST_F(FightSpellTest, TheMenuListsTheKnownSpellsGroupByGroup) {
    Make(1, 13);  // Sorcier
    Enemy(5);
    Fight(0.99, 0.0);
    OpenMenu();
    const char* names[7] = {"Tourbillon", "Guérison", "Flamme", "Volcan", "Peau incandescente", "Roc",
                            "Esprit de vie"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Entry(i).caption, names[i]);
        EXPECT_TRUE(Entry(i).visible);
    }
    EXPECT_FALSE(Entry(7).visible);
    EXPECT_EQ(PanelVar("SpellMenuCount"), 7);
    Run("close\n");
}

TEST_F(FightSpellTest, ACharacterWithoutSpellsSeesOneDisabledEntry) {
    Enemy(5);
    Fight();
    OpenMenu();
    EXPECT_EQ(Entry(0).caption, "Aucune magie mémorisée");
    EXPECT_FALSE(Entry(0).enabled);
    EXPECT_FALSE(Entry(1).visible);
    Run("close\n");
    EXPECT_FALSE(MessageShown());
}

TEST_F(FightSpellTest, ThreeMagicPointsAffordTourbillonButNotGuerison) {
    Make(1, 6);  // Fée
    gd.MagicPoints[1] = 3;
    Enemy(5);
    Fight(0.99, 0.0);
    OpenMenu();
    EXPECT_EQ(Entry(0).caption, "Tourbillon");
    EXPECT_TRUE(Entry(0).enabled);
    EXPECT_EQ(Entry(1).caption, "Guérison");
    EXPECT_FALSE(Entry(1).enabled);
    Run("close\n");
}

TEST_F(FightSpellTest, EachSceptreLowersEveryCostByFour) {
    Make(1, 13);
    rec::AddItemBack(1, 42, 0);
    gd.MagicPoints[1] = 0;
    Enemy(5);
    Fight(0.99, 0.0);
    OpenMenu();
    EXPECT_TRUE(Entry(0).enabled);   // Tourbillon 2
    EXPECT_TRUE(Entry(5).enabled);   // Roc 2
    EXPECT_FALSE(Entry(6).enabled);  // Esprit de vie 6
    Run("menu CastSpell(0)\nwait 450\n");
    EXPECT_EQ(gd.MagicPoints[1], 0);
    EXPECT_EQ(gd.EnemyAttack, 12);

    Ui::Get().Close(*Panel());
    Ui::Get().Close(*Combat());
    Make(1, 7);
    rec::AddItemBack(1, 42, 0);
    rec::AddItemBack(1, 42, 0);
    rec::AddItemBack(1, 86, 0);
    Enemy(5);
    Fight();
    OpenMenu();
    EXPECT_EQ(Entry(0).caption, "Vent");
    EXPECT_TRUE(Entry(0).enabled);
    EXPECT_FALSE(Entry(2).enabled);  // Armagueddon 14 - 8
    Run("menu CastSpell(0)\nwait 450\n");
    EXPECT_EQ(gd.MagicPoints[1], 0);
    EXPECT_EQ(Message(), "Guerrier gagne Att+6, PV-2");
}

TEST_F(FightSpellTest, AnEnemySpellShowsItsThreeFramesOverTheEnemy) {
    Make(1, 8);  // Magicien: Tourbillon first
    Enemy(5);
    Fight(0.99, 0.0);
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(0)\n");
    EXPECT_EQ(gd.PendingSpell, 0);
    EXPECT_TRUE(Combat()->C("Sorts", 0).visible);
    EXPECT_EQ(Combat()->C("Regul").interval, 150);
    Run("wait 150\n");
    EXPECT_FALSE(Combat()->C("Sorts", 0).visible);
    EXPECT_TRUE(Combat()->C("Sorts", 1).visible);
    Run("wait 150\n");
    EXPECT_TRUE(Combat()->C("Sorts", 2).visible);
    EXPECT_FALSE(MessageShown());
    Run("wait 150\n");
    EXPECT_FALSE(Combat()->C("Sorts", 2).visible);
    EXPECT_EQ(gd.PendingSpell, 3);
    EXPECT_EQ(Message(), "Le squelette guerrier gagne Att-4");
    EXPECT_EQ(gd.MagicPoints[1], 8);
    EXPECT_EQ(Combat()->C("Regul").interval, 2000);
    EXPECT_TRUE(Panel()->C("MechantTimer").enabled);
}

TEST_F(FightSpellTest, ASpellOnOneselfPlaysItsFramesBelowTheEnemyAndLastsForThisFightOnly) {
    Make(1, 8);  // Magicien: Peau incandescente is the fifth entry
    Enemy(5);
    Fight(0.99, 0.0);
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(4)\n");
    Control& square = Combat()->C("MagieSurSoi");
    EXPECT_TRUE(square.visible);
    EXPECT_EQ(square.picture, "anim18.gif");
    Run("wait 150\n");
    EXPECT_EQ(square.picture, "anim19.gif");
    Run("wait 300\n");
    EXPECT_FALSE(square.visible);
    EXPECT_EQ(Message(), "Magicien gagne Def+10");
    EXPECT_EQ(PanelVar("FightDefenseBonus"), 10);
    Run("wait 2000\nclick ChCmb.StepPix(3)\n");
    Fight();
    EXPECT_EQ(PanelVar("FightDefenseBonus"), 0);
}

TEST_F(FightSpellTest, AnElementPotionDoublesItsSpells) {
    Make(1, 8);
    gd.Status[1] = 10;  // fire
    Enemy(5);
    Fight(0.99, 0.0);
    Cast(3);  // Volcan
    EXPECT_EQ(Message(), "Magicien gagne Att+8, PV-4");
    EXPECT_EQ(Life(), 2);
    EXPECT_EQ(PanelVar("FightAttackBonus"), 8);
    gd.Status[1] = 11;  // water doubles Tourbillon, fire does not any more
    Run("wait 2000\nrnd 0 0.99\nwait 200\nwait 2000\n");
    Cast(0);
    EXPECT_EQ(Message(), "Le squelette guerrier gagne Att-8");
    EXPECT_EQ(gd.EnemyAttack, 8);
}

TEST_F(FightSpellTest, TheEnemyValuesNeverFallBelowZero) {
    Make(1, 8);
    Enemy(5);
    gd.EnemyAttack = 2;
    Fight(0.99, 0.0);
    Cast(0);
    EXPECT_EQ(gd.EnemyAttack, 0);
}

TEST_F(FightSpellTest, MainNoireSkipsExactlyOneEnemyAttack) {
    Make(1, 9);  // Nécromancien: Main noire, Résurrection
    Enemy(5);
    Fight(0.99, 0.0);
    Cast(0);
    EXPECT_EQ(Message(), "Le squelette guerrier gagne Att-4");
    EXPECT_EQ(gd.MagicPoints[1], 4);
    Run("wait 2200\n");
    EXPECT_EQ(Message(), "Le squelette guerrier est paralysé.");
    EXPECT_EQ(gd.PendingSpell, 0);
    Run("wait 2000\nclick ChCmb.StepPix(2)\nrnd 0 0 0\nwait 2200\n");
    EXPECT_EQ(Message(), "Le squelette guerrier vous attaque et vous touche!");
}

TEST_F(FightSpellTest, AuraCelesteAtOneLifeLosesTheFightAtTheEndOfItsMessage) {
    rec::AddItemBack(1, 88, 0);
    rec::WriteLife(1, 1);
    gd.MagicPoints[1] = 14;
    Enemy(5);
    Fight();
    Cast(2);
    EXPECT_EQ(Message(), "Guerrier gagne Att+10, Def+10");
    EXPECT_EQ(Life(), 0);
    EXPECT_TRUE(FightOpen());
    Run("wait 2000\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, -1);
}

TEST_F(FightSpellTest, ArmagueddonWinsAndIsForgottenByTheNextFight) {
    rec::AddItemBack(1, 86, 0);
    gd.MagicPoints[1] = 14;
    Enemy(5);
    Fight();
    Cast(2);
    EXPECT_EQ(Message(), "Le squelette guerrier est tué.");
    EXPECT_EQ(gd.MagicPoints[1], 0);
    Run("wait 2000\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 1);
    EXPECT_EQ(gd.PendingSpell, 0);

    Enemy(5);
    Fight();
    Run("click ChCmb.StepPix(2)\nwait 2000\n");
    EXPECT_TRUE(FightOpen());
    EXPECT_FALSE(MessageShown());
}

TEST_F(FightSpellTest, AFightClosesWithTheAnimationCounterCleared) {
    Make(1, 8);
    Enemy(5);
    Fight(0.99, 0.0);
    Cast(0);
    EXPECT_EQ(gd.PendingSpell, 3);
    Run("wait 2000\nclick ChCmb.StepPix(3)\n");
    EXPECT_EQ(gd.PendingSpell, 0);
}

TEST_F(FightSpellTest, NoActionStartsWhileASpellIsBeingCast) {
    Make(1, 13);  // Sorcier: Roc is the sixth entry
    Enemy(5);
    Fight(0.99, 0.0);
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(5)\nwait 150\n");  // Roc
    Run("rnd 0.99 0\nclick ChCmb.StepPix(0)\nclick ChCmb.StepPix(1)\n");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 6);
    EXPECT_EQ(rnd::QueuedCount(), 2);
    Run("wait 300\n");
    EXPECT_EQ(Message(), "Le squelette guerrier gagne Att-4");
    EXPECT_EQ(gd.MagicPoints[1], 8);
    Run("wait 2000\n");
    EXPECT_TRUE(FightOpen());  // not taken for Armagueddon
}

TEST_F(FightSpellTest, AnEntryNoLongerAffordableCastsNothing) {
    Make(1, 8);
    Enemy(5);
    Fight(0.99, 0.0);
    Run("click ChCmb.StepPix(1)\nclose\nset MagicPoints[1] 1\nmenu ChCmb.CastSpell(0)\n");
    EXPECT_FALSE(Combat()->C("Regul").enabled);
    EXPECT_EQ(gd.MagicPoints[1], 1);
}

}  // namespace

// The fight screen's forecast: the enemy's values and the chance of winning as the fight
// stands, the same chance the computer players reckon with; and the pace of a fight that the
// player hurried with H.
#include "ai/Knowledge.h"
#include "combat/FightFixture.h"
#include "ui/ComputerHurry.h"

namespace {

class FightForecastTest : public FightTest {
protected:
    std::string Caption(const std::string& key) { return Combat()->C(key).caption; }
    // The computer's chance for character 1 as the fight stands now.
    odds::FightOutlook Computers() {
        ai::FightSides sides = ai::SidesAgainst(1, gd.EnemyAttack, gd.EnemyDefense, gd.EnemyAgility);
        sides.hitsLeft = PanelVar("EnemyHitsLeft");
        return ai::WinChance(sides);
    }
    long long NextPause() { return Ui::Get().NextDue() - Ui::Get().Now(); }
};

TEST_F(FightForecastTest, TheChanceIsTheComputersAndFollowsTheBlows) {
    Enemy(5);
    gd.EnemyAttack = 14;
    gd.EnemyDefense = 12;
    gd.EnemyAgility = 3;
    Fight(0.99, 0.0);  // the character moves first
    ASSERT_TRUE(Combat()->Shown(Combat()->C("Pronostic")));
    EXPECT_EQ(Caption("EtatMechantValeurs"), "Att 14  Déf 12  Agi 3");
    EXPECT_EQ(Caption("PronosticMots"), "Chance de victoire");
    EXPECT_EQ(Ui::Get().Find("ChCmb")->C("StepPix", 0).purpose, "Frapper l'ennemi");
    const std::string start = Caption("PronosticChiffre");
    EXPECT_EQ(start, odds::ChanceFigure(Computers().winToAct));

    Run("rnd 0.99 0.0\nclick ChCmb.StepPix(0)\n");  // a blow that lands
    ASSERT_EQ(PanelVar("EnemyHitsLeft"), 5);
    // The enemy's answer is on its way: the chance counts it first.
    EXPECT_EQ(Caption("PronosticChiffre"), odds::ChanceFigure(Computers().winEnemyNext));
    EXPECT_NE(Caption("PronosticChiffre"), start);

    const int life = Life();
    Run("rnd 0.99 0.99 0.0 0.0\nwait 2200\n");  // the enemy's blow, landed or not
    ASSERT_TRUE(FightOpen());
    const odds::FightOutlook now = Computers();
    EXPECT_EQ(Caption("PronosticChiffre"), odds::ChanceFigure(now.winToAct)) << "life " << life << " -> " << Life();
}

TEST_F(FightForecastTest, EnglishWordsAndNoForecastForTheYoungGirl) {
    gd.LanguageOffset = 2000;
    Enemy(5);
    Fight(0.99, 0.0);
    EXPECT_EQ(Caption("PronosticMots"), "Chance of winning");
    EXPECT_EQ(Caption("EtatMechantValeurs"), "Att " + std::to_string(gd.EnemyAttack) + "  Def " +
                                                 std::to_string(gd.EnemyDefense) + "  Agi " +
                                                 std::to_string(gd.EnemyAgility));
    EXPECT_EQ(Caption("PronosticChiffre").back(), '%');
    // The action rows' tips say what each does, in the fight's language.
    EXPECT_EQ(Ui::Get().Find("ChCmb")->C("StepPix", 3).purpose, "Flee the fight");
    Run("click ChCmb.StepPix(3)\n");
    ASSERT_FALSE(FightOpen());

    Enemy(4);  // she gives a key or a slap: no fight to forecast
    Fight(0.99, 0.0);
    EXPECT_FALSE(Combat()->Shown(Combat()->C("Pronostic")));
}

// H hurries a computer party's fight to an eighth of its pauses; a person's fight, and any
// fight without H, keeps them. The intervals the rules read never change.
TEST_F(FightForecastTest, HurryShortensOnlyTheComputersFights) {
    Enemy(5);
    gd.EnemyDefense = 0;
    struct Case {
        bool computer, hurried;
        long long pause;
    };
    for (Case c : {Case{true, true, 250}, Case{false, true, 2000}, Case{true, false, 2000}}) {
        gd.ComputerPlayer[1] = c.computer;
        SetComputerHurried(c.hurried);
        Fight(0.99, 0.0);
        Run("click ChCmb.StepPix(0)\n");
        ASSERT_TRUE(MessageShown());
        EXPECT_EQ(Combat()->C("Regul").interval, 2000);
        EXPECT_EQ(Panel()->C("MechantTimer").interval, 2200);
        EXPECT_EQ(NextPause(), c.pause) << "computer " << c.computer << " hurried " << c.hurried;
        Run("wait 260\n");
        EXPECT_EQ(MessageShown(), c.pause > 260) << "the player's move comes back";
        Run("wait 5000\nclick ChCmb.StepPix(3)\n");
        ASSERT_FALSE(FightOpen());
    }
    SetComputerHurried(false);
    gd.ComputerPlayer[1] = false;
}

}  // namespace

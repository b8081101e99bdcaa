// The board's game menu: Esc opens it, and each entry runs what its key or button runs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "board/frmJeu.h"
#include "support/Game.h"
#include "ui/KeyBindings.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNewGame = "rnd 0\nnewgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";

class GameMenu : public ::testing::Test {
protected:
    void SetUp() override {
        FreshProcess();
        folder_ = fs::temp_directory_path() / ("quelmor-game-menu-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        session_ = std::make_unique<Session>();
        ASSERT_EQ(S().Run(kNewGame), 0) << S().err();
    }
    void TearDown() override {
        SetProgramActions({});
        fs::remove_all(folder_);
        session_.reset();
        FreshProcess();
    }
    Session& S() { return *session_; }
    std::string File(const std::string& name) const { return (folder_ / name).string(); }
    Screen& Board() { return *S().screen("frmJeu"); }

    fs::path folder_;
    std::unique_ptr<Session> session_;
};

TEST_F(GameMenu, EscOpensItAndCloseLeavesTheGameAsItWas) {
    ASSERT_EQ(S().Run("press Esc\ndump\nclose\nscreen\n"), 0) << S().err();
    EXPECT_NE(S().out().find("\"popup\": {\"screen\": \"frmJeu\", \"menu\": \"MNU_Jeu\""), std::string::npos) << S().out().substr(0, 300);
    EXPECT_NE(S().out().find("frmJeu\n"), std::string::npos);
    EXPECT_EQ(gd.CurrentCharacter, 1);
    EXPECT_EQ(gd.LanguageOffset, 1000);
}

TEST_F(GameMenu, TheLanguageEntrySpeaksTheBoardInIt) {
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuLangue(1)\n"), 0) << S().err();
    EXPECT_EQ(gd.LanguageOffset, 2000);
    EXPECT_EQ(Board().C("Image2").tooltip, "Attack");
    EXPECT_EQ(Board().C("Inventaire", 0).caption, "White arrows");
    EXPECT_EQ(Board().C("MNU_JeuSauver").caption, "&Save the game...");
    EXPECT_EQ(Board().C("MNU_AideRegles").caption, "&Rules of the game");
    EXPECT_NE(Board().C("TimeIsOnMySide").caption.find("Day"), std::string::npos);
    // The menu marks the language chosen.
    ASSERT_EQ(S().Run("press Esc\nclose\n"), 0) << S().err();
    EXPECT_TRUE(Board().C("MNU_JeuLangue", 1).checked);
    EXPECT_FALSE(Board().C("MNU_JeuLangue", 0).checked);
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuLangue(0)\n"), 0) << S().err();
    EXPECT_EQ(Board().C("Image2").tooltip, "Attaque");
}

TEST_F(GameMenu, SaveWritesTheGameAndLoadAsksBeforeLosingTheRunningOne) {
    S().services().fileAnswers.assign(1, File("a.quelmor"));
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuSauver\n"), 0) << S().err();
    ASSERT_TRUE(fs::exists(File("a.quelmor")));
    const int x = gd.PosX[1];
    ASSERT_EQ(S().Run("press Left\n"), 0) << S().err();
    ASSERT_NE(gd.PosX[1], x);
    // The game changed: loading asks first; Cancel keeps it and asks for no file.
    S().services().log.clear();
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuReprendre\nclick SaveAsk.Bouton(2)\n"), 0) << S().err();
    EXPECT_NE(gd.PosX[1], x);
    for (const std::string& line : S().services().log) EXPECT_EQ(line.rfind("file", 0), std::string::npos) << line;
    // Load without saving, by the entry's key: the saved game goes on.
    S().services().fileAnswers.assign(1, File("a.quelmor"));
    ASSERT_EQ(S().Run("press Ctrl+O\nclick SaveAsk.Bouton(1)\nscreen\n"), 0) << S().err();
    EXPECT_EQ(gd.PosX[1], x);
    EXPECT_NE(S().out().find("frmJeu\n"), std::string::npos);
    EXPECT_EQ(Ui::Get().OpenScreens().size(), 1u);
}

TEST_F(GameMenu, QuitAsksAsTheCloseBoxDoes) {
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuQuitter\nclick SaveAsk.Bouton(2)\n"), 0) << S().err();
    ASSERT_NE(S().screen("frmJeu"), nullptr);
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuQuitter\nclick SaveAsk.Bouton(1)\n"), 0) << S().err();
    EXPECT_EQ(S().screen("frmJeu"), nullptr);
}

TEST_F(GameMenu, HelpAndJournalOpenTheirWindows) {
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuAide\nscreen\nclose\npress Esc\nmenu MNU_JeuJournal\nscreen\nclose\n"), 0)
        << S().err();
    EXPECT_NE(S().out().find("frmJeu frmAide\n"), std::string::npos) << S().out();
    EXPECT_NE(S().out().find("frmJeu frmJournal\n"), std::string::npos) << S().out();
}

TEST_F(GameMenu, TheSoundAndFullScreenEntriesRunTheProgramsActions) {
    std::vector<ProgramKey> ran;
    Screen* from = nullptr;
    bool musicMuted = true;
    SetProgramActions({[&](ProgramKey k, Screen& s) {
                           ran.push_back(k);
                           from = &s;
                       },
                       [&](ProgramKey k, Screen&) { return k == ProgramKey::MuteMusic && musicMuted; }});
    ASSERT_EQ(S().Run("press Esc\nmenu MNU_JeuMusique\npress Esc\nmenu MNU_JeuSon\n"
                     "press Esc\nmenu MNU_JeuEffets\npress Esc\nmenu MNU_JeuPleinEcran\n"), 0) << S().err();
    EXPECT_EQ(ran, (std::vector<ProgramKey>{ProgramKey::MuteMusic, ProgramKey::MuteAll, ProgramKey::MuteEffects,
                                            ProgramKey::FullScreen}));
    EXPECT_EQ(from, &Board());
    // Marked as they stand: the music muted, the effects playing, not full screen.
    EXPECT_FALSE(Board().C("MNU_JeuMusique").checked);
    EXPECT_TRUE(Board().C("MNU_JeuEffets").checked);
    EXPECT_FALSE(Board().C("MNU_JeuPleinEcran").checked);
}

// Why the buttons are grey, in the game's language.
TEST_F(GameMenu, GreyButtonsSayWhy) {
    frmJeu& board = dynamic_cast<frmJeu&>(Board());
    ASSERT_FALSE(board.C("EndTurn").enabled);
    ASSERT_EQ(gd.MovesLeft, 1);
    EXPECT_EQ(board.C("EndTurn").whyNot, "Il reste 1 point de mouvement.");
    gd.MovesLeft = 4;
    ExplainBoardButtons(board);
    EXPECT_EQ(board.C("EndTurn").whyNot, "4 points de mouvement restent.");
    EXPECT_EQ(board.C("EndTurn").purpose, "Finir le tour");
    gd.LanguageOffset = 2000;
    ExplainBoardButtons(board);
    EXPECT_EQ(board.C("EndTurn").whyNot, "4 movement points left.");
    // The Amazon casts no spell and has no capacity of her own; a fight waiting comes first.
    EXPECT_EQ(board.C("Magic").whyNot, "Neither the class nor the items give spells.");
    EXPECT_EQ(board.C("Capacity").whyNot, "The class has no capacity to use here.");
    OfferFight();
    ExplainBoardButtons(board);
    EXPECT_EQ(board.C("EndTurn").whyNot, "A monster is waiting: fight it first.");
    // The buttons' tips change nothing the driver dumps.
    EXPECT_EQ(board.C("EndTurn").tooltip, "");
}

TEST_F(GameMenu, ACasterWhoCastAlreadySaysSo) {
    gd.CurrentCharacter = 2;  // Cavalier Noir: a caster
    gd.MagicAvailable = false;
    ExplainBoardButtons(dynamic_cast<frmJeu&>(Board()));
    EXPECT_EQ(Board().C("Magic").whyNot, "Magie déjà utilisée ce tour.");
    gd.Status[2] = 6;
    ExplainBoardButtons(dynamic_cast<frmJeu&>(Board()));
    EXPECT_EQ(Board().C("Magic").whyNot, "Ce personnage est mort.");
}

}  // namespace

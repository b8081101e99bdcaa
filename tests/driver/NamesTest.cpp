// Every control and handler name the code writes exists on some screen of the game: a renamed
// control must not switch a rule off in silence.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "board/Detail.h"
#include "board/frmJeu.h"
#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "ending/frmAbout.h"
#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "items/Graveyard.h"
#include "items/Mine.h"
#include "items/Resource.h"
#include "items/frmMagic.h"
#include "record/ReplayPanel.h"
#include "save/NetHost.h"
#include "setup/FairePerso.h"
#include "setup/NetJoin.h"
#include "setup/frmBegin.h"
#include "support/Game.h"
#include "ui/MessageBox.h"
#include "ui/Navigation.h"

namespace fs = std::filesystem;

namespace {

std::string BaseName(const std::string& key) {
    std::string name;
    int index;
    SplitKey(key, name, index);
    return name;
}

// The names of the controls and handlers of every screen, as they stand once built.
struct Known {
    std::set<std::string> controls, handlers;
    void Add(Screen& s) {
        for (Control& c : s.Controls()) controls.insert(c.name);
        for (const std::string& h : s.HandlerNames()) handlers.insert(h);
    }
};

Known EveryScreen() {
    Known known;
    const std::vector<std::function<std::unique_ptr<Screen>()>> makers = {
        MakeFrmBegin, MakeFairePerso, [] { return std::make_unique<frmJeu>(); },
        [] { return MakeDetail("a", "b"); }, MakeCombatForm, MakeChCmb, MakeFrmMagic, MakeGraveyard,
        MakeResourceScreen, MakeMineDialog, MakeFrmAbout, MakeFrmAide, MakeFrmJournal,
        [] { return MakeMessageBox("a", "b"); }, [] { return std::make_unique<record::ReplayPanel>(nullptr); },
        [] { return MakeJoinDialog(nullptr); }, [] { return MakeHostDialog(nullptr); },
    };
    for (const auto& make : makers) known.Add(*make());
    // The title adds its language entries, the end screen is built, when they open.
    OpenTitleScreen();
    OpenEndScreen();
    for (Screen* s : Ui::Get().OpenScreens()) known.Add(*s);
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    return known;
}

// name -> the first file that writes it, for each pattern, over the rules and screens.
std::map<std::string, std::string> NamesInCode(const std::regex& pattern) {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src")) {
        if (entry.path().extension() != ".cpp") continue;
        const std::string folder = entry.path().parent_path().filename().string();
        if (folder == "view" || folder == "driver" || folder == "platform") continue;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const std::string code = text.str();
        for (std::sregex_iterator it(code.begin(), code.end(), pattern), end; it != end; ++it)
            found.emplace(BaseName((*it)[1]), entry.path().filename().string());
    }
    return found;
}

TEST(Names, EveryControlTheCodeLooksUpIsOnAScreen) {
    FreshProcess();
    const Known known = EveryScreen();
    const auto used = NamesInCode(std::regex(R"(\bC\("([A-Za-z_][A-Za-z0-9_]*(\(\d+\))?)\")"));
    ASSERT_GT(used.size(), 60u);
    for (const auto& [name, file] : used) EXPECT_TRUE(known.controls.count(name)) << name << " in " << file;
}

TEST(Names, EveryHandlerTheCodeRunsIsRegistered) {
    FreshProcess();
    const Known known = EveryScreen();
    const auto used = NamesInCode(std::regex(R"(\bRun\("([A-Za-z_][A-Za-z0-9_]*)\")"));
    ASSERT_FALSE(used.empty());
    for (const auto& [name, file] : used) EXPECT_TRUE(known.handlers.count(name)) << name << " in " << file;
}

#ifdef QUELMOR_STRICT_NAMES
TEST(NamesDeathTest, AnUnknownControlOrHandlerStopsTheTestBuild) {
    FreshProcess();
    Screen s("Probe", 10, 10);
    s.Add(Kind::Label, "Known");
    EXPECT_EQ(&s.C("Known"), s.Find("Known"));
    EXPECT_DEATH(s.C("Unknown"), "control \"Unknown\" is unknown on screen Probe");
    EXPECT_DEATH(s.Run("Unknown_Click", EventArgs{}), "handler \"Unknown_Click\" is unknown on screen Probe");
    // Input the window delivers may find no handler: that is no fault.
    s.Click("Known");
}
#endif

}  // namespace

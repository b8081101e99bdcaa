// One input of the fuzzer: any bytes read as a save file. The loader must never crash, and a
// file it takes must be a game that can go on, that saves again, and whose save loads the same.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "save/SavedGame.h"
#include "state/GameRules.h"
#include "state/GlobalDecl.h"

namespace {

[[noreturn]] void Fault(const char* what, const std::string& why) {
    std::fprintf(stderr, "fuzz-save: %s: %s\n", what, why.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Half the inputs are read in English, half in French (the messages differ).
    gd.LanguageOffset = size % 2 ? 2000 : 1000;
    const std::string text(reinterpret_cast<const char*>(data), size);
    SavedGame game;
    game.board.informations = "untouched";
    std::string why;
    if (!ReadSaveText(text, game, why)) {
        if (why.empty()) Fault("refused without a reason", text.substr(0, 200));
        if (game.board.informations != "untouched") Fault("a refused file changed the game", why);
        return 0;
    }
    if (RuleBreak broken = CheckGameGoesOn(game.state, NumbersOf(game.board))) Fault("loaded a broken game", broken.detail);
    const std::string again = SaveFileText(game);
    SavedGame second;
    if (!ReadSaveText(again, second, why)) Fault("its own save does not load", why);
    if (SaveFileText(second) != again) Fault("the save of its save differs", "");
    return 0;
}

#include "state/Messages.h"

#include <algorithm>
#include <unordered_map>

#include "state/GlobalDecl.h"

namespace {

const std::unordered_map<int, const char*>& Catalogue() {
    static const std::unordered_map<int, const char*> table = [] {
        std::unordered_map<int, const char*> t;
        auto add = [&t](const MessageEntry* entries, int count) {
            for (int i = 0; i < count; ++i) t.emplace(entries[i].id, entries[i].text);
        };
        add(kFrenchMessages, kFrenchMessageCount);
        add(kEnglishMessages, kEnglishMessageCount);
        add(kOtherMessages, kOtherMessageCount);
        return t;
    }();
    return table;
}

}  // namespace

bool MessageExists(int id) { return Catalogue().count(id) != 0; }

std::string MsgId(int id) {
    auto it = Catalogue().find(id);
    if (it != Catalogue().end()) return it->second;
    // Texts missing from a translation (the tower door messages in English) fall back to French.
    if (id >= 2000) {
        auto fr = Catalogue().find(1000 + id % 1000);
        if (fr != Catalogue().end()) return fr->second;
    }
    return {};
}

std::string Msg(int relative) { return MsgId(relative + gd.LanguageOffset); }

bool LanguageAvailable(int n) {
    if (n < 1 || n > 5) return false;
    auto it = Catalogue().find(n * 1000);
    return it != Catalogue().end() && std::string(it->second) != "--";
}

std::string LanguageMenuName(int n) { return MsgId(n * 1000 + 6); }

std::string EnemyName(int e) {
    static const char* const kGuardians[5] = {"Gorak", "Karog", "Nekarat", "Cuisinier", "Quelmor"};
    if (e >= 1 && e <= 14) return Msg(499 + e);
    if (e >= 15 && e <= 19) return kGuardians[e - 15];
    return {};
}

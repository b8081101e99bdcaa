// The catalogue's data: which numbers hold texts, the texts the rules depend on, the blanks
// and markers that callers join on, and the title screen's legend.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "state/Messages.h"

namespace {

using Block = std::map<int, std::string>;  // relative number -> text

Block BlockOf(const MessageEntry* entries, int count, int base) {
    Block b;
    for (int i = 0; i < count; ++i) b[entries[i].id - base] = entries[i].text;
    return b;
}

const Block& French() {
    static const Block b = BlockOf(kFrenchMessages, kFrenchMessageCount, 1000);
    return b;
}

const Block& English() {
    static const Block b = BlockOf(kEnglishMessages, kEnglishMessageCount, 2000);
    return b;
}

void AddRange(std::set<int>& s, int from, int to) {
    for (int r = from; r <= to; ++r) s.insert(r);
}

// The relative numbers of a complete block.
std::set<int> InUse() {
    std::set<int> s;
    AddRange(s, 0, 42);
    AddRange(s, 50, 90);
    AddRange(s, 100, 149);
    AddRange(s, 200, 225);
    AddRange(s, 300, 352);
    AddRange(s, 360, 378);
    AddRange(s, 380, 390);
    s.insert(394);
    AddRange(s, 396, 399);
    AddRange(s, 400, 406);
    AddRange(s, 430, 447);
    AddRange(s, 500, 535);
    AddRange(s, 540, 583);
    return s;
}

bool IsTowerDoorText(int r) { return r >= 144 && r <= 149; }

// True when s is well-formed UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
bool ValidUtf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra;
        unsigned cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static const unsigned kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

int LeadingBlanks(const std::string& s) {
    size_t first = s.find_first_not_of(' ');
    return static_cast<int>(first == std::string::npos ? s.size() : first);
}

int TrailingBlanks(const std::string& s) {
    size_t last = s.find_last_not_of(' ');
    return static_cast<int>(last == std::string::npos ? s.size() : s.size() - 1 - last);
}

}  // namespace

TEST(MessagesData, EveryNumberInUseHasAFrenchText) {
    for (int r : InUse()) EXPECT_EQ(French().count(r), 1u) << "relative " << r;
    EXPECT_EQ(French().size(), InUse().size());
}

TEST(MessagesData, EnglishHasEveryNumberButTheTowerDoorTexts) {
    for (int r : InUse()) {
        if (IsTowerDoorText(r)) EXPECT_EQ(English().count(r), 0u) << "relative " << r;
        else EXPECT_EQ(English().count(r), 1u) << "relative " << r;
    }
    EXPECT_EQ(English().size(), InUse().size() - 6);
}

TEST(MessagesData, UnusedNumbersHaveNoText) {
    const std::set<int> used = InUse();
    for (int r = 0; r < 1000; ++r) {
        if (used.count(r)) continue;
        EXPECT_EQ(French().count(r), 0u) << "relative " << r;
        EXPECT_EQ(English().count(r), 0u) << "relative " << r;
    }
}

TEST(MessagesData, IdsAreSortedUniqueAndInsideTheirBlock) {
    struct Case { const MessageEntry* entries; int count; int low; int high; };
    const Case cases[] = {{kFrenchMessages, kFrenchMessageCount, 1000, 1999},
                          {kEnglishMessages, kEnglishMessageCount, 2000, 2999},
                          {kOtherMessages, kOtherMessageCount, 3000, 5999}};
    for (const Case& c : cases) {
        ASSERT_GT(c.count, 0);
        for (int i = 0; i < c.count; ++i) {
            EXPECT_GE(c.entries[i].id, c.low);
            EXPECT_LE(c.entries[i].id, c.high);
            ASSERT_NE(c.entries[i].text, nullptr);
            if (i > 0) {
                EXPECT_LT(c.entries[i - 1].id, c.entries[i].id) << "after id " << c.entries[i - 1].id;
            }
        }
    }
}

TEST(MessagesData, OnlyFrenchAndEnglishAreMarkedAvailable) {
    EXPECT_NE(French().at(0), "--");
    EXPECT_NE(English().at(0), "--");
    std::map<int, std::string> other;
    for (int i = 0; i < kOtherMessageCount; ++i) other[kOtherMessages[i].id] = kOtherMessages[i].text;
    const std::map<int, std::string> expected = {
        {3000, "--"}, {3006, "&Deutsch"}, {4000, "--"}, {5000, "--"}, {5006, "&Italiano"}};
    EXPECT_EQ(other, expected);
}

TEST(MessagesData, TextsTheRulesDependOn) {
    struct Binding { int r; const char* fr; const char* en; };
    const Binding bindings[] = {
        {0, "Mode Combat", "Battle Mode"},     {1, "  Attaque", "  Attack"},
        {3, "  Défense", "  Defend"},          {4, "  Fuite", "  Escape"},
        {6, "&Français", "&English"},          {8, "PO", "GP"},
        {14, "&Langue", "&Language"},          {15, "&Fichier", "&File"},
        {40, "personnages restants", "characters left"},
        {42, "Le nombre de personnages par joueur n'est pas le même!",
         "The number of characters per player isn't the same!"},
        {58, "Nouveau jeu", "New game"},       {59, "&Quitter", "E&xit"},
        {60, "Amazone", "Amazone"},            {61, "Cavalier Noir", "Black Knight"},
        {62, "Chevalier", "Swordman"},         {75, "Voleur", "Thief"},
        {76, "Personnage", "Character"},       {86, "Points de vie", "Life"},
        {101, "Mouvement", "Movement"},        {103, "Argent", "Money"},
        {104, "Jour :", "Day :"},              {105, "   Heure :", "   Time :"},
        {222, "A propos de...", "About..."},   {223, "  Crédits  ", "  Credits  "},
        {225, "A propos de Quelmor", "About Quelmor"},
        {500, "Le garde", "The guardian"},     {513, "L'ermite", "The hermit"},
    };
    for (const Binding& b : bindings) {
        EXPECT_EQ(French().at(b.r), b.fr) << "relative " << b.r;
        EXPECT_EQ(English().at(b.r), b.en) << "relative " << b.r;
    }
    EXPECT_EQ(French().at(145), " Porte dévérouillée!");
    EXPECT_EQ(French().at(149), "Etage");
    EXPECT_EQ(French().at(1031 - 1000),
              "Le troll ne comprend pas qu'on lui demande de ''l'argent''. Supposant que c'est une "
              "insulte, il tabasse le premier pélerin qui passe et se sauve.");
}

TEST(MessagesData, JoinedTextsCarryTheirOwnBlanks) {
    for (const Block* b : {&French(), &English()}) {
        for (int r : {1, 2, 3, 4, 122, 123, 124, 125, 129, 130}) {
            EXPECT_EQ(LeadingBlanks(b->at(r)), 2) << "fight row text " << r;
        }
        for (int r : {28, 107, 111, 559}) EXPECT_EQ(b->at(r).back(), ' ') << "relative " << r;
        for (int r : {112, 113, 564}) EXPECT_EQ(b->at(r).front(), ' ') << "relative " << r;
    }
    EXPECT_EQ(LeadingBlanks(French().at(145)), 1);
}

TEST(MessagesData, EnglishKeepsTheBlanksAndMarkersOfTheFrench) {
    for (const auto& [r, en] : English()) {
        const std::string& fr = French().at(r);
        EXPECT_EQ(LeadingBlanks(en), LeadingBlanks(fr)) << "relative " << r;
        EXPECT_EQ(TrailingBlanks(en), TrailingBlanks(fr)) << "relative " << r;
        EXPECT_EQ(en.find('&') == std::string::npos, fr.find('&') == std::string::npos) << "relative " << r;
        EXPECT_EQ(en == "--", fr == "--") << "relative " << r;
    }
}

TEST(MessagesData, CreditsLinesStartWithAMarker) {
    std::vector<int> lines;
    for (int r = 200; r <= 221; ++r) lines.push_back(r);
    lines.push_back(224);
    for (const Block* b : {&French(), &English()}) {
        for (int r : lines) {
            const std::string& t = b->at(r);
            ASSERT_GE(t.size(), 2u) << "credits line " << r;
            EXPECT_TRUE(t[0] == '0' || t[0] == '1') << "credits line " << r;
            EXPECT_EQ(t[0], French().at(r)[0]) << "credits line " << r;
        }
    }
}

TEST(MessagesData, EveryTextIsValidUtf8) {
    for (const Block* b : {&French(), &English()})
        for (const auto& [r, t] : *b) EXPECT_TRUE(ValidUtf8(t)) << "relative " << r;
    for (int i = 0; i < kOtherMessageCount; ++i) EXPECT_TRUE(ValidUtf8(kOtherMessages[i].text));
    EXPECT_FALSE(ValidUtf8("\xC3"));          // cut sequence
    EXPECT_FALSE(ValidUtf8("\xC0\xA9"));      // overlong
    EXPECT_TRUE(ValidUtf8("Fée"));
}

TEST(MessagesData, ShopMenusEndWithTheirPlaceholders) {
    // Sellers 1 and 2 fill all twenty positions; sellers 3, 4 and 5 stop at a "--".
    for (const Block* b : {&French(), &English()}) {
        for (int r = 300; r <= 351; ++r) EXPECT_NE(b->at(r), "--") << "relative " << r;
        for (int r = 360; r <= 377; ++r) EXPECT_NE(b->at(r), "--") << "relative " << r;
        for (int r = 380; r <= 389; ++r) EXPECT_NE(b->at(r), "--") << "relative " << r;
        EXPECT_EQ(b->at(352), "--");
        EXPECT_EQ(b->at(378), "--");
        EXPECT_EQ(b->at(390), "--");
    }
}

TEST(MessagesData, ForgeMenuNamesAreTheNamesOfTheForgedItems) {
    for (const Block* b : {&French(), &English()}) {
        for (int p = 0; p < 18; ++p) {
            const int item = p < 9 ? 31 + p : 60 + p;
            EXPECT_EQ(b->at(430 + p), b->at(300 + item)) << "forge position " << p;
        }
    }
}

TEST(MessagesData, NamesLookedUpByTheirTextAreDistinct) {
    // Set-up finds a class by its name, a fight a spell by its menu caption.
    for (const Block* b : {&French(), &English()}) {
        std::set<std::string> classes, spells, enemies;
        for (int r = 60; r <= 75; ++r) classes.insert(b->at(r));
        for (int r = 520; r <= 535; ++r) spells.insert(b->at(r));
        for (int r = 500; r <= 513; ++r) enemies.insert(b->at(r));
        EXPECT_EQ(classes.size(), 16u);
        EXPECT_EQ(spells.size(), 16u);
        EXPECT_EQ(enemies.size(), 14u);
    }
}


#include "ai/Sayings.h"

#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"

namespace ai {

namespace {

struct Words {
    Saying what;
    const char *french, *english;
};

// The party is named rather than the character, whom French would need to give a gender.
constexpr Words kWords[] = {
    {Saying::GoClimb, "%1 va à la tour : c'est le meilleur combattant du groupe",
     "%1 heads for the tower: the party's best fighter"},
    {Saying::GoKey, "%1 porte sa clé à la porte de la tour", "%1 takes a key to the tower door"},
    {Saying::GoForestChest, "%1 va au coffre de la forêt : il manque une clé runique au groupe",
     "%1 goes for the forest chest: the party lacks a runic key"},
    {Saying::GoUndergroundChest, "%1 va au coffre souterrain : il manque une clé de l'ombre au groupe",
     "%1 goes for the underground chest: the party lacks a shadow key"},
    {Saying::GoTempleChest, "%1 va au coffre du temple : il manque une clé d'or au groupe",
     "%1 goes for the temple chest: the party lacks a gold key"},
    {Saying::GoMarket, "%1 va au marché : de l'or à dépenser", "%1 goes to the market: gold to spend"},
    {Saying::GoForge, "%1 va à la forge : %2 à forger", "%1 goes to the forge: %2 to forge"},
    {Saying::GoArena, "%1 va à l'arène : de l'or et de l'expérience à gagner",
     "%1 goes to the arena: gold and experience to win"},
    {Saying::GoHunt, "%1 part chasser des monstres à sa mesure", "%1 goes hunting monsters it can beat"},
    {Saying::StopOnDoor, "%1 s'arrête sur la porte de la tour", "%1 stops on the tower door"},
    {Saying::UseKey, "%1 met %2 dans la serrure de la tour", "%1 puts %2 in the tower's lock"},
    {Saying::EnterTower, "%1 entre dans la tour : étage %2", "%1 enters the tower: floor %2"},
    {Saying::Fight, "%1 combat : %2 % de chances de gagner", "%1 fights: %2% chance to win"},
    {Saying::FightUndying, "%1 combat : un %2 ne meurt pas", "%1 fights: a %2 cannot die"},
    {Saying::FightArena, "%1 combat : perdre à l'arène ne coûte rien", "%1 fights: losing at the arena costs nothing"},
    {Saying::FightFloor, "%1 affronte le gardien : un étage perdu ne coûte que de la vie",
     "%1 faces the guardian: a lost floor only costs life"},
    {Saying::FightGirl, "%1 aborde la jeune fille : elle peut donner une clé runique",
     "%1 meets the young girl: she may give a runic key"},
    {Saying::Avoid, "%1 évite le combat : %2 % de chances seulement", "%1 avoids the fight: only %2% chance to win"},
    {Saying::FightForced, "%1 combat : pas d'autre chemin", "%1 fights: there is no other way on"},
    {Saying::Seduce, "%1 séduit l'ennemi plutôt que de combattre à %2 %",
     "%1 seduces the enemy rather than fight at %2%"},
    {Saying::Drink, "%1 boit %2 : son effet dure", "%1 drinks %2: it lasts"},
    {Saying::WaterPotion, "%1 boit %2 : sa guérison soignera deux fois plus",
     "%1 drinks %2: its healing will heal twice as much"},
    {Saying::LifeItem, "%1 utilise %2 : plus que %3 points de vie", "%1 uses %2: only %3 life points left"},
    {Saying::LifePotion, "%1 utilise %2 : un compagnon est mort", "%1 uses %2: a companion lies dead"},
    {Saying::MasterKey, "%1 ouvre le coffre avec %2", "%1 opens the chest with %2"},
    {Saying::Heal, "%1 lance %2 : plus que %3 points de vie", "%1 casts %2: only %3 life points left"},
    {Saying::StrikeClimber, "%1 lance %2 sur le grimpeur du joueur %3", "%1 casts %2 on player %3's climber"},
    {Saying::RaiseDead, "%1 relève ses morts", "%1 raises its dead"},
    {Saying::Flight, "%1 s'envole vers un meilleur endroit", "%1 takes flight to a better place"},
    {Saying::Theft, "%1 vole %2", "%1 robs %2"},
    {Saying::Arrows, "%1 tire sur le grimpeur d'une tour ouverte", "%1 shoots at the climber of an open tower"},
    {Saying::Buy, "%1 achète %2", "%1 buys %2"},
    {Saying::Forge, "%1 forge %2", "%1 forges %2"},
    {Saying::ArenaLevel, "%1 choisit le niveau %2 de l'arène", "%1 picks the arena's level %2"},
    {Saying::Flee, "%1 fuit : %2 % de chances seulement", "%1 flees: only %2% chance to win"},
    {Saying::FightSpell, "%1 lance %2", "%1 casts %2"},
};

void Fill(std::string& text, const char* mark, const std::string& value) {
    const size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, 2, value);
}

}  // namespace

std::string CharacterName(int c) {
    std::string name = rec::ReadName(c, rec::Name::Character);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::string InSentence(const std::string& name) {
    std::string text = name;
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

std::string Percent(double chance) { return std::to_string(static_cast<int>(chance * 100 + 0.5)); }

std::string Say(Saying what, int c, const std::string& detail, const std::string& more) {
    for (const Words& w : kWords)
        if (w.what == what) {
            std::string text = gd.LanguageOffset == 2000 ? w.english : w.french;
            Fill(text, "%1", CharacterName(c));
            Fill(text, "%2", detail);
            Fill(text, "%3", more);
            return text;
        }
    return "";
}

}  // namespace ai

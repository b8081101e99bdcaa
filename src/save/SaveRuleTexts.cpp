// The rules a saved game breaks, as the loader names them to the player.
#include "save/SaveTexts.h"

#include "state/GlobalDecl.h"

namespace {

struct RuleText {
    Rule rule;
    bool perPlayer;       // the slot is a player's, not a character's
    const char* french;
    const char* english;
};

constexpr RuleText kRules[] = {
    {Rule::RecordShape, false, "une fiche de personnage est mal formée", "a character record is malformed"},
    {Rule::RecordOwner, false, "une fiche appartient à un autre joueur que sa place",
     "a character record belongs to another player than its slot"},
    {Rule::NameControl, false, "un nom contient un caractère de contrôle", "a name holds a control character"},
    {Rule::TooManyItems, false, "un personnage porte plus d'objets qu'une fiche n'en tient",
     "a character carries more items than a record holds"},
    {Rule::ResourcesShape, false, "les ressources ne sont pas quatorze chiffres", "the resources are not fourteen digits"},
    {Rule::StatusCode, false, "un état de personnage est inconnu", "a character's status is unknown"},
    {Rule::ZoneRange, false, "un personnage n'est dans aucune région", "a character is in no zone"},
    {Rule::OffMap, false, "un personnage est hors de la carte", "a character stands outside the map"},
    {Rule::NegativeMagic, false, "des points de magie sont négatifs", "magic points are negative"},
    {Rule::MagicRange, false, "des points de magie dépassent leur limite", "magic points exceed their limit"},
    {Rule::BonusRange, false, "un bonus dépasse sa limite", "a bonus exceeds its limit"},
    {Rule::PlayerFields, false, "les personnages d'un même joueur ne portent pas le même joueur",
     "the characters of one player do not name the same player"},
    {Rule::ClassTwice, false, "une classe est jouée deux fois", "a class is played twice"},
    {Rule::CurrentNotInPlay, false, "le personnage dont c'est le tour n'est pas en jeu",
     "the character whose turn it is is not in play"},
    {Rule::ShownNotInPlay, false, "le personnage affiché n'est pas en jeu", "the character shown is not in play"},
    {Rule::ControllerNotInPlay, false, "le personnage qui en contrôle un autre n'est pas en jeu",
     "the character controlling another is not in play"},
    {Rule::MovesRange, false, "les points de mouvement sont hors de leurs limites",
     "the movement points are out of their range"},
    {Rule::EnemyRange, false, "les valeurs de l'adversaire sont hors de leurs limites",
     "the enemy's values are out of their range"},
    {Rule::TowerFloorRange, true, "un étage de la tour est hors de ses limites", "a tower floor is out of its range"},
    {Rule::DoorStateCode, true, "l'état d'une porte de la tour est inconnu", "a tower door's state is unknown"},
    {Rule::FloorWithDoorShut, true, "un étage de la tour est gagné sans que la porte soit ouverte",
     "a tower floor is won while the door was never opened"},
    {Rule::FreeMoveNotInPlay, false, "le personnage au mouvement libre n'est pas en jeu",
     "the free-moving character is not in play"},
    {Rule::ClockRange, false, "l'horloge dépasse les jours du jeu", "the clock is beyond the game's days"},
    {Rule::DisplayedZoneRange, false, "la région affichée n'existe pas", "the zone shown does not exist"},
    {Rule::ObstacleOffMap, false, "un obstacle est hors de la carte", "an obstacle stands outside the map"},
    {Rule::GameOver, true, "la tour est déjà gagnée, la partie est finie", "the tower is already won: the game is over"},
};

}  // namespace

std::string SayRule(Rule rule, int slot) {
    const bool english = gd.LanguageOffset == 2000;
    for (const RuleText& r : kRules) {
        if (r.rule != rule) continue;
        std::string text = english ? r.english : r.french;
        if (slot > 0)
            text += std::string(r.perPlayer ? (english ? " (player " : " (joueur ") : (english ? " (character " : " (personnage ")) +
                    std::to_string(slot) + ")";
        return text + ".";
    }
    return english ? "a rule is broken." : "une règle est enfreinte.";
}

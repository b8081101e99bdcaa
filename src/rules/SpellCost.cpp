#include "rules/SpellCost.h"

#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"

int SpellCost(int c, int listedCost) {
    int cost = listedCost - 4 * rec::CountItem(c, items::kCelestialSceptre);
    return cost < 0 ? 0 : cost;
}

void ChargeSpellCost(int c, int listedCost) { gd.MagicPoints[c] -= SpellCost(c, listedCost); }

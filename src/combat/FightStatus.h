#pragma once
// The fight screen's own display of the fight: the character's life and magic points, the
// gains of its spells on itself for this fight, the enemy's remaining blows as six pips and
// its attack, defence and agility, and the chance of winning as the fight stands.
class CombatForm;
class ChCmb;

// The controls, hidden until a fight opens (the same form serves the shops and the arena).
void AddFightStatus(CombatForm& combat);
// Shows them for the fight that opens: the character's and the enemy's names, then the values.
void ShowFightStatus(CombatForm& combat);
// The values as they are now; run whenever a message appears and after every input.
void RefreshFightStatus(CombatForm& combat);
// The chance of winning as the fight stands: blows still to land, life left, the spells'
// gains, and whose move comes next.
double ChanceNow(ChCmb& panel);

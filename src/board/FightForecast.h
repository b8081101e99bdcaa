#pragma once
// The forecast beside the fight button: while a fight waits, the chance that the current
// character wins it, from the same reckoning as the computer players' (state/FightOdds.h).
// Drawn over the map's edge next to the crossed swords, it never takes a click.
class frmJeu;

void AddFightForecast(frmJeu& board);
// Shows, updates or hides the forecast as the fight button and the current character are now.
void RefreshFightForecast(frmJeu& board);

#pragma once

#include "common/DateTime.h"

namespace vkt {

// Date parts and the age rules of the calculation. Dates are day numbers;
// a birth date of 0 means "unknown".

int Jaar(TDateTime datum);
int Maand(TDateTime datum);
int Dag(TDateTime datum);
bool IsSchrikkeljaar(int jaar);
int DagenInMaand(TDateTime datum);
TDateTime EersteVanDeMaand(TDateTime datum);
TDateTime LaatsteVanDeMaand(TDateTime datum);
// Adds months keeping the day, or the target month's last day when it is
// shorter; the time of day is kept.
TDateTime VoegMaandenToe(TDateTime datum, int maanden);

// Whole years; 50 for an unknown birth date, 0 for a birth year of 100 or less.
int Leeftijd(TDateTime peildatum, TDateTime geboortedatum);
// Whole months; the last day of a month completes the month. 600 for an
// unknown birth date, 0 for a birth year of 100 or less.
int LeeftijdInMaanden(TDateTime peildatum, TDateTime geboortedatum);
// Reached the state-pension age: 66 years and 4 months (796 months). Also for
// a birth date whose pension age lies beyond the calendar's last year.
bool IsWerknemerPensioengerechtigd(TDateTime peildatum, TDateTime geboortedatum);
// Reached the state-pension age in the month of datum, counted from the first
// of the birth month, as the wage tax counts it; false for an unknown birth date.
bool IsAOWGerechtigdInMaand(TDateTime datum, TDateTime geboortedatum);

} // namespace vkt

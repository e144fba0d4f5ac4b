#pragma once

#include "model/Season.h"

class Host;

// A season made up from a seed, for golden files and invariants: every game state, reserves
// (names ending " (2)"), twins, scores around the scheme's target, draws, home / away / neutral
// fixtures, opponents met twice (return legs), handicaps where the scheme keeps them, a
// fixture with nothing entered. "Custom" (64) gets a record with every weight in use. The
// same scheme and seed always give the same season; it is not recalculated.
SeasonPtr GenerateSeason(int schemeIndex, unsigned seed, Host& host);

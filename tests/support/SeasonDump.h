#pragma once

#include <string>

#include "model/Season.h"

// Every stored and derived field of a season as text, one line per record, numbers in full
// (for golden files: a change anywhere in scoring or ranking shows as a changed line).
std::string DumpSeason(const Season& season);

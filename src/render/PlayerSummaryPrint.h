#pragma once

#include "model/Season.h"
#include "render/Surface.h"

class Host;

// The player summary printout: one page with the player's league, division
// and team, a line for every game played or won by walkover in a fixture with
// a result, and the player's totals and averages.
//
// playerIndex is the player's position in the ranked player list; widthMm x
// heightMm is the printable area. A page too small for the summary gets it
// scaled down, whole. An index outside the list is told to the user and
// nothing is drawn; false then, and for an empty printable area.
bool PrintPlayerSummary(Surface& surface, Host& host, const Season& season, int playerIndex,
                        int widthMm, int heightMm);

// The columns, from the body font's average character width A.
struct SummaryColumns {
    bool singles = false; // with the opposing player's column
    int date = 210;
    int s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    int score = 0; // centre of the score column
    int venue = 0; // centre of the venue letter's column
    int right = 0; // the box's right edge
};

SummaryColumns SummaryColumnsFor(bool singles, int averageCharWidth);

#pragma once

#include "model/Season.h"
#include "render/Surface.h"

class Host;

// The match result sheet: one page for the two captains to sign, with the
// league, date, teams, every game, the totals, handicaps, match points and a
// signature block. An unplayed fixture gives a blank sheet with the team
// names and the players already chosen.
//
// fixture is read only; its handicap must already hold our handicap for the
// match (the results window fills it from the season before printing, the
// fixture editor prints its working copy as it stands). widthMm x heightMm is
// the printable area. With homeOnLeft (the HomeOnLeftPrinter preference) an
// away fixture puts the home team, the opponent, in the left half.
//
// A page too small for the sheet gets it scaled down, whole. Without a
// fixture the user is told and nothing is drawn; false then, and for an
// empty printable area.
bool PrintMatchSheet(Surface& surface, Host& host, const Season& season, const Fixture* fixture,
                     int widthMm, int heightMm, bool homeOnLeft);

// The sheet's fixed geometry, in 0.1 mm.
namespace match_sheet {
inline constexpr int kTableLeft = 60; // from the page's left edge
inline constexpr int kTableTop = 600; // from the page's top edge
inline constexpr int kTableWidth = 1800;
inline constexpr int kRowHeight = 90;
// The width the sheet needs: the table and its offset.
inline constexpr int kNeededWidth = kTableLeft + kTableWidth;
} // namespace match_sheet

#pragma once

#include "model/Season.h"

class Host;

// Inserting and deleting single fixtures of a season.

// Creates an empty fixture (neutral venue, dated now, teamSize games not
// played) at the 1-based position: 1 puts it first, fixtureCount + 1 appends
// it. A position out of range is refused without a message; a season that
// already has kMaxFixtures fixtures is refused with one. On success the season
// is marked modified with its layout changed.
bool InsertFixture(Season& season, Host& host, int position);

// Deletes the fixture at the 0-based index, asking first when confirm is set.
// A negative index does nothing; a missing fixture, the season's last fixture
// and a "No" answer are refused. On success no fixture is selected and the
// season is marked modified with its layout changed; the caller recalculates.
bool DeleteFixture(Season& season, Host& host, int index, bool confirm);

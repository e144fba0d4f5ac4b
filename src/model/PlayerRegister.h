#pragma once

#include <string>
#include <string_view>

#include "model/Season.h"

class Host;

// The player register of a season: registering, renaming, merging two
// registrations of one person, and deleting a registration. Every refusal is
// told to the user through host and leaves the season as it was.

// The scheme under which every name is registered twice, in group 1 (singles
// positions) and group 2 (paired positions), the two records being twins.
constexpr std::uint32_t kTwinGroupsScheme = 87;

// Longest name a dialog lets the user type.
constexpr std::size_t kTypedNameLength = 31;

// A name as typed into a dialog: cut to kTypedNameLength characters, leading
// spaces dropped, inner runs of spaces made one, a trailing space dropped. An
// empty result means "no name".
std::string TidyPlayerName(std::string_view typed);

// Registers one record with this name in this group (the name is cut to what a
// Player holds). Refuses a name already registered in the group ("%s is
// already registered") and a season that already holds kMaxPlayers players.
// On success the player list is re-sorted by the MinGames preference and the
// season is marked modified with its layout changed.
bool RegisterPlayer(Season& season, Host& host, std::string_view name, int group);

// Registers a person: under kTwinGroupsScheme in group 1 and then in group 2
// (room for both is checked first; a failure in group 2 leaves the group 1
// record), linking the two as twins; otherwise once in group 0.
bool RegisterPlayerName(Season& season, Host& host, std::string_view name);

// True when no fixture has two counted games (Played or OpponentAbsent) whose
// player is source or target. Otherwise tells the user that source cannot be
// renamed to target, naming the first such fixture's opponent and date.
bool CheckNoCommonFixture(const Season& season, Host& host, const Player& source,
                          const Player& target);

// True when any game of any fixture names the player (by its record, or by id
// where the game has a player at all).
bool PlayerHasGames(const Season& season, const Player& player);

// Whether DeleteRegistration would delete the player: no game names it or
// its twin, walkovers and games not yet played included.
bool CanDeleteRegistration(const Season& season, const Player& player);

// Deletes the player and its twin. Refused (false, nothing changed) while a
// game names either of them. The ids above each removed record move down by
// one, in the players and in the games, so ids stay dense.
bool DeleteRegistration(Season& season, Player& player);

enum class RenameOutcome { Refused, Renamed, Merged };

// The Rename dialog's OK for player source and a tidied new name:
// - the same name as before: "You must supply a different name", Refused;
// - no player of source's group has the name: source (and its twin) take the
//   new name; Renamed;
// - player T of that group has it: source is merged into T: every game of
//   source (and of its twin, when both have twins) moves to T (T's twin) and
//   source's registration is deleted; Merged. Every test is made before
//   anything changes.
// After a change the season is recalculated and the window asked to select
// the surviving player at its new row. An empty name is Refused silently
// (the dialog beeps).
RenameOutcome RenamePlayer(Season& season, Host& host, Player& source, std::string_view newName);

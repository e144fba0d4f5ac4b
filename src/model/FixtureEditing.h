#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FixtureOps.h"
#include "model/Season.h"

class Host;
class ScoreDisplay;

// The rules of the fixture editor, apart from its widgets. The editor keeps
// a working copy of one fixture and, beside it, the text of every field the
// dialog shows (the form). The dialog copies what the user does into the
// form, calls the matching rule and shows the form again; nothing reaches the
// season before Store().

// One team position as the dialog shows it. Absences and scores belong to
// the group: the dialog shows them only on the group's first position, and
// the rules keep copies of them on the other positions.
struct EditorRow {
    bool ourAbsent = false;
    bool theirAbsent = false;
    std::string playerText;         // the player box's text
    const Player* chosen = nullptr; // the list entry the text came from, if any
    std::string scoreFor;           // the score fields' text
    std::string scoreAgainst;
    std::string opponent;       // the opposing player's name as shown
    std::string opponentAsRead; // what the game held when the editor opened
};

struct FixtureForm {
    std::vector<EditorRow> rows; // one per team position
    std::string handicap;        // ours
    std::string oppHandicap;
    bool handicapTyped = false; // the user typed in our handicap field
    std::uint32_t venue = Home;
    std::time_t date = 0;
    std::string against; // the opposing team's name
    std::string againstAsRead;
};

// Longest name the user can type into a name field.
constexpr std::size_t kTypedTextLength = 31;
// Longest text a name field shows (what a file can hold).
constexpr std::size_t kNameFieldLength = kPlayerNameCapacity - 1;

// A score field's number: digits only, at most 32767 (the file keeps 16-bit
// scores). Anything else, a larger number included, is no number.
std::optional<int> ScoreNumber(std::string_view text);

// Whether a score field holds digits worth more than 32767.
bool ScoreTooLarge(std::string_view text);

// A handicap field's number: "" and "-" count 0; otherwise a signed whole
// number within 32 bits, or nothing (the field is then cleared).
std::optional<std::int32_t> HandicapNumber(std::string_view text);

class FixtureEditing {
public:
    FixtureEditing(Season& season, Host& host) : season_(season), host_(host) {}

    // Copies fixture index into the working fixture and fills the form. When
    // there is no such fixture, tells the user and returns false.
    bool Open(int index);

    // The players a position's box lists, in list order: group 0 everywhere,
    // group 1 on single-player positions, group 2 on the others.
    std::vector<const Player*> EntriesFor(int position) const;

    // The user changed something in the row of position p (any position of
    // a group: the group's first position is updated).
    void UpdateRow(int position);
    // The user typed in a handicap field (ours or theirs).
    void HandicapEdited(bool ours);
    // The user picked another venue: our handicap follows it unless typed.
    void SetVenue(std::uint32_t venue);

    // The running totals of the working fixture.
    void Score(ScoreDisplay* display);

    // Checks the form and writes it into the working fixture; tells the user
    // what is wrong and returns false. May register players (asking first).
    bool Validate(ScoreDisplay* display);

    // Copies the working fixture over the stored one (after Validate).
    void Store();

    // Game number of a position, as messages count them (1-based groups).
    int GameNumber(int position) const;
    int GroupFirst(int position) const;
    int GroupSize(int position) const;

    FixtureForm& Form() { return form_; }
    const FixtureForm& Form() const { return form_; }
    const Fixture& Working() const { return working_; }
    Fixture* Stored() const { return stored_; }
    int Index() const { return index_; }
    // Whether a player was registered from the editor (it stays on Cancel).
    bool Registered() const { return registered_; }

private:
    std::string RowName(int position) const;
    std::string RowOpponent(int position) const;
    int WantedGroup(int position) const;
    const Player* FindPlayer(int position) const;
    bool CheckPlayer(int position);
    bool CheckScores(int first) const;
    bool Fail(const char* what, int position);
    bool HasResult() const;
    void ShowGame(int position, bool blankFixture);
    std::string SeasonHandicap(std::uint32_t venue) const;

    Season& season_;
    Host& host_;
    Fixture* stored_ = nullptr;
    int index_ = -1;
    Fixture working_;
    FixtureForm form_;
    std::array<int, kMaxPlayers> usage_{};
    bool registered_ = false;
};

// Inserts an empty fixture before (after = false) or after the selected one
// and lets edit fill it in (edit gets the new index, returns whether the user
// stored it). Stored: the new fixture is selected and scrolled into view.
// Cancelled: the fixture is removed again and the season's fixture count,
// selection and modified flag are as before (modified stays set when a
// player was registered meanwhile). Returns whether a fixture was stored.
template <typename Edit>
bool InsertAndEditFixture(Season& season, Host& host, bool after, Edit edit);

// The part of InsertAndEditFixture that follows the editor.
void FinishInsertion(Season& season, Host& host, int index, bool stored, int previousSelection,
                     bool previousModified, std::int32_t previousPlayers);

template <typename Edit>
bool InsertAndEditFixture(Season& season, Host& host, bool after, Edit edit)
{
    const int selected = season.selectedFixture;
    if (selected < 0)
        return false;
    const bool modified = season.modified;
    const std::int32_t players = season.playerCount;
    const int position = selected + (after ? 2 : 1);
    if (!InsertFixture(season, host, position))
        return false;
    const bool stored = edit(position - 1);
    FinishInsertion(season, host, position - 1, stored, selected, modified, players);
    return stored;
}

#pragma once

// Menu and accelerator command numbers. They travel as the QAction's data, so
// the frame and the results windows dispatch on the same numbers whichever
// menu, popup or key produced them.
namespace Command {

inline constexpr int New = 101;
inline constexpr int Open = 102;
inline constexpr int Save = 103;
inline constexpr int SaveAs = 104;
inline constexpr int Exit = 105;
inline constexpr int ExportWebPage = 106;
inline constexpr int CloseAll = 107;
inline constexpr int PrintTeamResults = 108;

inline constexpr int EditTeam = 120;
inline constexpr int TeamSummary = 122;

inline constexpr int EditFixture = 130;
inline constexpr int PrintMatchSheet = 131;
inline constexpr int DeleteFixture = 132;
inline constexpr int InsertFixtureBefore = 133;
inline constexpr int InsertFixtureAfter = 134;

inline constexpr int RegisterPlayer = 140;
inline constexpr int EditPlayer = 141;
inline constexpr int PrintPlayerSummary = 142;

inline constexpr int Preferences = 150;
inline constexpr int Font = 151;

inline constexpr int TileHorizontally = 160;
inline constexpr int TileVertically = 161;
inline constexpr int CascadeWindows = 162;
inline constexpr int ArrangeIcons = 163;

inline constexpr int Help = 170;
inline constexpr int About = 172;

// The recent-file entries, 1 to 4.
inline constexpr int RecentFileFirst = 180;
inline constexpr int RecentFileLast = 183;

// The window list of the Window menu.
inline constexpr int WindowListFirst = 2000;

} // namespace Command

// Help topics by number, as each dialog's Help button asks for them.
namespace HelpTopic {

inline constexpr int Contents = 0;
inline constexpr int RenamePlayer = 1;
inline constexpr int EditTeam = 8;
inline constexpr int PlayerSummary = 12;
inline constexpr int Preferences = 15;
inline constexpr int NewSeason = 27;
inline constexpr int RegisterPlayer = 28;
inline constexpr int FixtureEditor = 30;
inline constexpr int FixtureList = 38;

} // namespace HelpTopic

#pragma once

#include <cstddef>
#include <cstdint>

#include "model/Season.h"

class Host;

// The text season file (".bwt"): a season prepared outside the program, in
// three sections of quoted fields:
//
//     [Club]
//     "Riverside BC" "District League" "Two" "2" "3" "Aggregate"
//     [Players]
//     "A. Brown"
//     [Matches]
//     "home" "Hillside" "3/5/2008"
//     "A. Brown" "21" "E. Fox" "15"
//
// The file is only ever read.

// The filter and default extension of the file chooser the import is reached
// through.
inline constexpr const char* kTextSeasonFilterName = "League results (*.BWT)";
inline constexpr const char* kTextSeasonFilterPattern = "*.BWT";
inline constexpr const char* kTextSeasonExtension = "bwt";

// Builds a season from the bytes of a text season file, or returns null.
//
// Data errors (a file without a Club section or without a data line in it
// among them), the allocation failure and refused registrations are told to
// the user through host. A failed import frees everything it built and
// touches nothing else. The result is untitled and modified, with filePath
// "Untitled", and recalculated.
//
// The caller owns the file side: it reads the file whole and reports a file
// that cannot be read, and it adds a file it has read to the recent files
// whatever the outcome, on failure too.
SeasonPtr ImportTextSeason(const std::uint8_t* data, std::size_t size, Host& host);

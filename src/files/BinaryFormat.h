#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Season.h"

class Host;

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kSeasonMagic = 0x71123771;
constexpr std::uint16_t kFormatRevision = 5;
constexpr std::size_t kHeaderBytes = 152;
constexpr std::size_t kFixtureRecordBytes = 62;
constexpr std::size_t kGameRecordBytes = 46;
constexpr std::size_t kPlayerRecordBytes = 52;
constexpr std::size_t kExtensionHeadBytes = 174;

// The most a season file can describe: 16-bit fixture count, the largest team
// and player register. Nothing the reader accepts saves to more, so this is
// also as much as the reader ever needs to take in.
constexpr std::uint64_t kMostFixturesInFile = 0xFFFF;
constexpr std::uint64_t kLargestSeasonFileBytes =
    kHeaderBytes + kMostFixturesInFile * (kFixtureRecordBytes + kGameRecordBytes * kMaxTeamSize) +
    kPlayerRecordBytes * kMaxPlayers + kExtensionHeadBytes +
    kMostFixturesInFile * kMaxTeamSize * 4 + std::uint64_t{kMaxPlayers} * 2;

// Whether the season's counts fit the file's fields (and so its bytes stay
// within kLargestSeasonFileBytes).
bool SeasonFitsFile(const Season& season);

// The season as the bytes of a binary season file (header, fixtures, games,
// players, extension block), written as this version of the program writes it.
Bytes SeasonToBytes(const Season& season);

enum class ReadStatus { Ok, Invalid, OutOfMemory };

// Builds a season from the bytes of a binary season file. Every count, offset,
// length and id is checked before use. On Invalid / OutOfMemory nothing is
// returned and the caller reports it ("Invalid file" / the allocation message is
// already shown through host). The "Invalid scoring scheme ..." notice is shown
// through host and reading goes on. filePath, readOnly and the statistics are
// left to the caller (filePath and readOnly) and to Recalculate.
ReadStatus SeasonFromBytes(const std::uint8_t* data, std::size_t size, Host& host,
                           SeasonPtr& season);

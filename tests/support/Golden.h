#pragma once
// Golden files: whole outputs checked in under tests/data/ and reviewed as diffs.
// Run the tests with TESSEL_UPDATE_GOLDEN=1 to rewrite them from the current output.
#include <string>

class RecordingSurface;

// A recording as text, one drawing call a line (state changes where they happen).
std::string Transcript(const RecordingSurface& surface);

namespace tessel::test {

// Empty when `actual` equals the golden file `name` (relative to tests/data/), or when the
// file was just rewritten; otherwise says where the two first differ.
std::string goldenMismatch(const std::string& name, const std::string& actual);

// Empty when the two texts are equal; otherwise where they first differ.
std::string textMismatch(const std::string& expected, const std::string& actual);

} // namespace tessel::test

#define TESSEL_COMPARE_GOLDEN(name, actual)                                                        \
    do {                                                                                           \
        const std::string goldenMessage = tessel::test::goldenMismatch((name), (actual));          \
        QVERIFY2(goldenMessage.empty(), goldenMessage.c_str());                                    \
    } while (false)

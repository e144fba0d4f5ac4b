#pragma once

#include <string_view>

#include "model/ScoringScheme.h"

// The built-in table behind ScoringScheme.h. Both take any int: outside 0..87
// the name is "" and the record nullptr; "Custom" (64) has a name but no record.
std::string_view BuiltInSchemeName(int index);
const ScoringScheme* BuiltInScheme(int index);

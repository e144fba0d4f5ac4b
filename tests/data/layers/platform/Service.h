#pragma once

#include "gui/Shell.h"

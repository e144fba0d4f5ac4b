#pragma once

#include <QIcon>

// The program's icon (a bowl and the jack on the green) in every size it is
// drawn at, from 16 to 256 pixels: the frame, the results windows, the About
// box and the desktop show it.
QIcon ProgramIcon();

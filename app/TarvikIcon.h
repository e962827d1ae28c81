#pragma once
#include <QIcon>

// A stopwatch in the 16 classic colours, at 32 x 32 and 16 x 16: drawn, so no image files ship.
QIcon TarvikIcon();

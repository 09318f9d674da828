// wheel6: the pick-6 wheel builder, "Pick 6 - Guaranteed Wheels", for National 6/49 and the
// provincial 6/49 game.
#pragma once

#include "WheelBuilderWindow.h"

class wheel6 : public WheelBuilderWindow
{
    Q_OBJECT

public:
    wheel6(const AppState& state, EntrySet& entries, PrinterSystem& printers, RandomSource& random, QWidget* parent);
};

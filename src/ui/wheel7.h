// wheel7: the 7-number wheel builder, "Super 7 - Guaranteed Wheels" (or "Lotto Max - Guaranteed
// Wheels"): the pick-6 builder with seven numbers a line and the five 7-number kinds.
#pragma once

#include "WheelBuilderWindow.h"

class wheel7 : public WheelBuilderWindow
{
    Q_OBJECT

public:
    wheel7(const AppState& state, EntrySet& entries, PrinterSystem& printers, RandomSource& random, QWidget* parent);
};

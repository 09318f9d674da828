#include "wheel7.h"

wheel7::wheel7(const AppState& state, EntrySet& entries, PrinterSystem& printers, RandomSource& random, QWidget* parent)
    : WheelBuilderWindow(WheelBuilder::Super7, state, entries, printers, random, parent)
{
    setObjectName(QStringLiteral("wheel7"));
    setWindowTitle(tr("Super 7 - Guaranteed Wheels"));
}

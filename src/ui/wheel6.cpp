#include "wheel6.h"

wheel6::wheel6(const AppState& state, EntrySet& entries, PrinterSystem& printers, RandomSource& random, QWidget* parent)
    : WheelBuilderWindow(WheelBuilder::Pick6, state, entries, printers, random, parent)
{
    setObjectName(QStringLiteral("wheel6"));
    setWindowTitle(tr("Pick 6 - Guaranteed Wheels"));
}

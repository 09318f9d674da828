#include "wheel7.h"

#include "GameCatalogue.h"

wheel7::wheel7(const AppState& state, EntrySet& entries, PrinterSystem& printers, RandomSource& random, QWidget* parent)
    : WheelBuilderWindow(WheelBuilder::Super7, state, entries, printers, random, parent)
{
    setObjectName(QStringLiteral("wheel7"));
    setWindowTitle(state.gameId == GameCatalogue::LottoMax ? tr("Lotto Max - Guaranteed Wheels")
                                                           : tr("Super 7 - Guaranteed Wheels"));
}

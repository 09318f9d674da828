// DrawParser: turns the number boxes of the Add Result window into a draw, or into the reason it
// is refused, so the rule lives beside the history it guards and is tested as plain data.
#pragma once

#include "DrawRecord.h"

#include <QDate>
#include <QStringList>

#include <optional>

namespace DrawParser
{
// boxes: six main numbers and the bonus (seven main numbers and the bonus for a seven-number game),
// in any order. Every value, the bonus included, must lie in the game's range on that date and
// differ from the others.
// The draw comes back dated, with its main numbers ascending.
std::optional<DrawRecord> parse(const QStringList& boxes, int gameId, const QDate& date, QString* refusal = nullptr);
} // namespace DrawParser

// WheelGroup: the player's group of numbers as the builders hold it before a wheel is mapped onto it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace WheelGroup
{
// Sorts the group ascending in place with the builders' exchange sort: for every i and j, swap
// when number i < number j. Equal numbers are left where they are, so duplicates stay detectable.
void ordertheballs(std::span<int> numbers);

// The number a ball box holds: its text read as a number and rounded half to even; empty or
// non-numeric text is 0.
int boxValue(const QString& text);

// Reads the first groupSize box texts (the visible boxes; a missing text counts as empty) and
// returns them sorted ascending. Refuses the group with the builders' message when two numbers are
// equal (tested first) or one lies outside 1..highest.
std::optional<std::vector<int>>
readGroup(const QStringList& boxTexts, int groupSize, int highest, QString* message = nullptr);
} // namespace WheelGroup

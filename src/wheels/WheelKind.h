// WheelKind: one row of the wheel catalogue: what a kind guarantees (L-K-M), how the builders and
// the "Open" menu name it, where its entry set is saved, and which group sizes it exists for.
#pragma once

#include <QString>

#include <vector>

// The two builders each number their kinds from 1; the type number is also the value of
// AppState::selectedWheel while that kind's set is shown.
enum class WheelBuilder
{
    Pick6,
    Super7 // the 7-number builder, first made for Super 7, which Lotto Max shares
};

struct GroupSize
{
    int balls; // N, the size of the player's group
    int lines; // entry lines of the wheel ("Entries Required")
};

struct WheelKind
{
    WheelBuilder builder;
    int type;     // 1..10 for Pick6, 1..5 for Super7
    int lineSize; // L: numbers per line
    int drawn;    // K: how many of the group must be drawn
    int match;    // M: the guaranteed match

    QString optionName;           // "Option3"
    QString optionCaption;        // "Guarantee Match 4"
    QString optionGroup;          // label above the option: "Any 6 from Group Picked"
    QString menuName;             // "mnu664"
    QString menuCaption;          // "Guarantee Match 4 if 6 Picked from Group"
    QString entrySetSuffix;       // "-6-6-4.lot"
    QString guaranteeHeader;      // first line of the cover sheet
    std::vector<GroupSize> sizes; // ascending

    // "6-6-4"
    QString shortForm() const;
};

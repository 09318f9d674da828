// WheelCatalogue: the fixed catalogue of the fifteen wheel kinds and 73 wheels, the names of their
// pattern files and entry sets, and the wheel context that "Create" hands to a builder. The
// builders, the main window's "Open" menu and the data tools all read this one table.
#pragma once

#include "WheelKind.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct AppState;

// A kind together with one of its group sizes.
struct Wheel
{
    const WheelKind* kind;
    int balls; // N
    int lines; // catalogue line count

    // "6-4-3-11.whl"
    QString fileName() const;
};

namespace WheelCatalogue
{
// The kinds of one builder, in type order (Pick6: 6-6-6 ... 6-3-3; Super7: 7-7-7 ... 7-7-3).
const std::vector<WheelKind>& kinds(WheelBuilder builder);
// nullptr when the builder has no such type.
const WheelKind* kind(WheelBuilder builder, int type);
// The fifteen "Open" menu entries in menu order: the 7-number kinds first, then the 6-number kinds.
std::vector<const WheelKind*> openMenuKinds();
// The kind behind an "Open" menu entry ("mnu664"); nullptr for other names.
const WheelKind* kindForMenu(const QString& menuName);
// Every wheel of the catalogue: kinds in builder and type order, sizes ascending.
std::vector<Wheel> allWheels();

// The builder that "Create" opens for a game: Super7 for the seven-number games (Super 7 and Lotto
// Max), Pick6 for the 6/49 games.
WheelBuilder builderForGame(int gameId);

// Line count of a wheel, or nothing when N is not a group size of that type.
std::optional<int> LinesRequired(WheelBuilder builder, int type, int balls);
// The group sizes of a type, ascending; empty for an unknown type.
std::vector<int> GroupSizes(WheelBuilder builder, int type);

// "L-K-M-N.whl", decimal without leading zeros.
QString WheelFileName(int lineSize, int drawn, int match, int balls);
// The pattern file in the "wheels" folder of the share folder.
QString WheelFilePath(const QString& shareFolder, int lineSize, int drawn, int match, int balls);
// The game's saved set of a kind: appFolder + "/" + wheelGameWord + suffix ("National-6-4-3.lot").
QString WheelEntrySetPath(const AppState& state, const WheelKind& kind);

// The seven-number game whose wheel sets the 7-number kinds mean while a game is selected: Lotto
// Max while it is selected, otherwise Super 7.
int sevenNumberWheelGame(int selectedGameId);

// The name of a game's saved set of a kind, as the "Open" menu finds it: for the 7-number kinds
// that of sevenNumberWheelGame ("LottoMax", "Super7"); for the 6-number kinds "National"
// while National 6/49 is selected, otherwise the word of the province's game ("Ontario-6-5-4.lot").
// "" for a province outside 1..5.
QString savedSetName(const WheelKind& kind, int gameId, int province);

// How the main window names a game's shown set of a type: "National 6-4-3 wheel", "Super7 7-7-5
// wheel". "" for a type the game's builder does not have.
QString shownSetName(int gameId, int type);

// Fills wheelGameWord, wheelResultsName, wheelHighest and wheelGameTitle for a game; a wheel set
// has no date, so its numbers follow the rules of today. Returns false and leaves the state
// unchanged for an unknown game id.
bool setWheelContext(AppState& state, int gameId, const QDate& today);
} // namespace WheelCatalogue

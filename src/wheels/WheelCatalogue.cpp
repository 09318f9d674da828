#include "WheelCatalogue.h"

#include "AppState.h"
#include "GameCatalogue.h"
#include "ProgramFolders.h"

#include <algorithm>

namespace
{
struct KindRow
{
    int lineSize;
    int drawn;
    int match;
    std::vector<GroupSize> sizes;
};

// Every caption of a kind follows from L-K-M, so the table holds only the numbers.
WheelKind makeKind(WheelBuilder builder, int type, const KindRow& row)
{
    const QString k = QString::number(row.drawn);
    const QString m = QString::number(row.match);
    const QString lkm = QStringLiteral("%1-%2-%3").arg(row.lineSize).arg(row.drawn).arg(row.match);
    WheelKind kind{builder, type, row.lineSize, row.drawn, row.match, {}, {}, {}, {}, {}, {}, {}, row.sizes};
    kind.optionName = QStringLiteral("Option") + QString::number(type);
    kind.optionCaption = QStringLiteral("Guarantee Match ") + m;
    kind.optionGroup = QStringLiteral("Any %1 from Group Picked").arg(k);
    kind.menuName = QStringLiteral("mnu") + QString(lkm).remove(QLatin1Char('-'));
    kind.menuCaption = QStringLiteral("Guarantee Match %1 if %2 Picked from Group").arg(m, k);
    kind.entrySetSuffix = QLatin1Char('-') + lkm + QStringLiteral(".lot");
    kind.guaranteeHeader =
        QStringLiteral("Guarantee Match %1 if any %2 drawn from the following number group:").arg(m, k);
    return kind;
}

std::vector<WheelKind> makeKinds(WheelBuilder builder, const std::vector<KindRow>& rows)
{
    std::vector<WheelKind> kinds;
    for (std::size_t i = 0; i < rows.size(); ++i)
        kinds.push_back(makeKind(builder, static_cast<int>(i) + 1, rows[i]));
    return kinds;
}

const std::vector<WheelKind>& pick6Kinds()
{
    static const std::vector<WheelKind> kinds =
        makeKinds(WheelBuilder::Pick6,
                  {
                      {6, 6, 6, {{7, 7}, {8, 28}, {9, 84}, {10, 210}}},
                      {6, 6, 5, {{8, 4}, {9, 7}, {10, 14}, {11, 22}, {12, 38}, {13, 75}, {14, 98}}},
                      {6, 6, 4, {{10, 3}, {11, 5}, {12, 6}, {13, 10}, {14, 14}, {15, 25}, {16, 26}}},
                      {6, 6, 3, {{15, 4}, {16, 5}, {17, 6}, {18, 7}, {19, 9}, {20, 10}}},
                      {6, 5, 5, {{9, 30}, {10, 50}, {11, 107}, {12, 132}}},
                      {6, 5, 4, {{9, 3}, {10, 7}, {11, 10}, {12, 17}, {13, 25}, {14, 37}}},
                      {6, 5, 3, {{14, 5}, {15, 8}, {16, 10}}},
                      {6, 4, 4, {{8, 7}, {9, 12}, {10, 23}, {11, 37}}},
                      {6, 4, 3, {{9, 3}, {10, 4}, {11, 6}}},
                      {6, 3, 3, {{10, 10}, {11, 11}, {12, 15}, {13, 22}}},
                  });
    return kinds;
}

const std::vector<WheelKind>& super7Kinds()
{
    static const std::vector<WheelKind> kinds =
        makeKinds(WheelBuilder::Super7,
                  {
                      {7, 7, 7, {{8, 8}, {9, 36}, {10, 120}, {11, 330}}},
                      {7, 7, 6, {{9, 4}, {10, 10}, {11, 24}, {12, 52}, {13, 104}, {14, 228}}},
                      {7, 7, 5, {{12, 6}, {13, 10}, {14, 14}, {15, 24}, {16, 31}, {17, 51}, {18, 76}}},
                      {7, 7, 4, {{15, 5}, {16, 6}, {17, 9}, {18, 12}, {19, 16}, {20, 20}}},
                      {7, 7, 3, {{17, 5}, {20, 10}}},
                  });
    return kinds;
}
} // namespace

QString Wheel::fileName() const
{
    return WheelCatalogue::WheelFileName(kind->lineSize, kind->drawn, kind->match, balls);
}

namespace WheelCatalogue
{
const std::vector<WheelKind>& kinds(WheelBuilder builder)
{
    return builder == WheelBuilder::Super7 ? super7Kinds() : pick6Kinds();
}

const WheelKind* kind(WheelBuilder builder, int type)
{
    const auto& all = kinds(builder);
    if (type < 1 || type > static_cast<int>(all.size()))
        return nullptr;
    return &all[static_cast<std::size_t>(type - 1)];
}

std::vector<const WheelKind*> openMenuKinds()
{
    std::vector<const WheelKind*> menu;
    for (WheelBuilder builder : {WheelBuilder::Super7, WheelBuilder::Pick6}) {
        for (const WheelKind& k : kinds(builder))
            menu.push_back(&k);
    }
    return menu;
}

const WheelKind* kindForMenu(const QString& menuName)
{
    for (const WheelKind* k : openMenuKinds()) {
        if (k->menuName == menuName)
            return k;
    }
    return nullptr;
}

std::vector<Wheel> allWheels()
{
    std::vector<Wheel> wheels;
    for (WheelBuilder builder : {WheelBuilder::Pick6, WheelBuilder::Super7}) {
        for (const WheelKind& k : kinds(builder)) {
            for (const GroupSize& size : k.sizes)
                wheels.push_back({&k, size.balls, size.lines});
        }
    }
    return wheels;
}

WheelBuilder builderForGame(int gameId)
{
    return GameCatalogue::mainCount(gameId) == 7 ? WheelBuilder::Super7 : WheelBuilder::Pick6;
}

std::optional<int> LinesRequired(WheelBuilder builder, int type, int balls)
{
    const WheelKind* k = kind(builder, type);
    if (!k)
        return std::nullopt;
    const auto it =
        std::find_if(k->sizes.begin(), k->sizes.end(), [balls](const GroupSize& s) { return s.balls == balls; });
    if (it == k->sizes.end())
        return std::nullopt;
    return it->lines;
}

std::vector<int> GroupSizes(WheelBuilder builder, int type)
{
    std::vector<int> sizes;
    if (const WheelKind* k = kind(builder, type)) {
        for (const GroupSize& s : k->sizes)
            sizes.push_back(s.balls);
    }
    return sizes;
}

QString WheelFileName(int lineSize, int drawn, int match, int balls)
{
    return QStringLiteral("%1-%2-%3-%4.whl").arg(lineSize).arg(drawn).arg(match).arg(balls);
}

QString WheelFilePath(const QString& shareFolder, int lineSize, int drawn, int match, int balls)
{
    return ProgramFolders::wheelsFolder(shareFolder) + QLatin1Char('/') + WheelFileName(lineSize, drawn, match, balls);
}

QString WheelEntrySetPath(const AppState& state, const WheelKind& kind)
{
    return state.pathOf(state.wheelGameWord + kind.entrySetSuffix);
}

int sevenNumberWheelGame(int selectedGameId)
{
    return selectedGameId == GameCatalogue::LottoMax ? GameCatalogue::LottoMax : GameCatalogue::Super7;
}

QString savedSetName(const WheelKind& kind, int gameId, int province)
{
    int game = sevenNumberWheelGame(gameId);
    if (kind.builder == WheelBuilder::Pick6)
        game = gameId == GameCatalogue::National ? GameCatalogue::National : GameCatalogue::gameForProvince(province);
    return game == 0 ? QString() : GameCatalogue::game(game).wheelWord + kind.entrySetSuffix;
}

QString shownSetName(int gameId, int type)
{
    const WheelKind* shown = kind(builderForGame(gameId), type);
    if (!shown || !GameCatalogue::isValidGame(gameId))
        return QString();
    return GameCatalogue::game(gameId).wheelWord + QLatin1Char(' ') + shown->shortForm() + QStringLiteral(" wheel");
}

bool setWheelContext(AppState& state, int gameId, const QDate& today)
{
    if (!GameCatalogue::isValidGame(gameId))
        return false;
    const GameInfo& game = GameCatalogue::game(gameId);
    state.wheelGameWord = game.wheelWord;
    state.wheelResultsName = game.resultsFile;
    state.wheelHighest = static_cast<int16_t>(GameCatalogue::highestNumber(gameId, today));
    // The cover sheet uses the short game title that the game selector shows ("BC 6/49").
    state.wheelGameTitle = game.selectorCaption;
    return true;
}
} // namespace WheelCatalogue

// make_mirror: turns the operator's draw-history CSV files into a download folder that any static
// web server can publish for the results downloader: <folder>/dwnld/CAN1.rtl and the like.
#include "AppFolder.h"
#include "DrawImport.h"
#include "GameCatalogue.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>

namespace
{
QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage()
{
    err() << "usage: make_mirror <folder> <game>:<file.csv> [<game>:<file.csv> ...]\n"
             "Writes <folder>/dwnld/<history file> for each game; serve <folder> with any web server.\n"
             "Games:\n";
    for (int id = GameCatalogue::National; id <= GameCatalogue::LastGame; ++id)
        err() << "  " << id << "  " << GameCatalogue::game(id).name << " -> " << GameCatalogue::game(id).resultsFile
              << "\n";
    err().flush();
    return 2;
}

// Builds one game's history file from a CSV file; false after saying why.
bool mirrorGame(const QString& folder, int gameId, const QString& csvPath)
{
    const GameInfo& game = GameCatalogue::game(gameId);
    QString error;
    const auto text = DrawImport::readSource(csvPath, &error);
    const auto parsed = text ? DrawImport::parse(*text, gameId, {}, nullptr, &error) : std::nullopt;
    const auto merged = parsed ? DrawImport::merge({}, *parsed, gameId, {}, nullptr, &error) : std::nullopt;
    const QString target = AppFolder::pathOf(folder, game.resultsFile);
    if (!merged || !WholeFile::write(target, merged->history, &error)) {
        err() << game.name << ": " << error << "\n";
        return false;
    }
    out() << QDir::toNativeSeparators(target) << " (" << game.name << ")\n"
          << DrawImport::summaryText(merged->summary) << "\n\n";
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString folder = QDir(args[0]).filePath(QStringLiteral("dwnld"));
    if (!QDir().mkpath(folder)) {
        err() << "cannot create " << QDir::toNativeSeparators(folder) << "\n";
        return 1;
    }
    bool ok = true;
    for (const QString& pair : args.mid(1)) {
        const auto colon = pair.indexOf(QLatin1Char(':'));
        bool isNumber = false;
        const int gameId = colon > 0 ? pair.left(colon).toInt(&isNumber) : 0;
        if (!isNumber || !GameCatalogue::isValidGame(gameId))
            return usage();
        ok = mirrorGame(folder, gameId, pair.mid(colon + 1)) && ok;
    }
    return ok ? 0 : 1;
}

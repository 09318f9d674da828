// make_wheels: makes the 73 wheel pattern files of the catalogue, proves each one and writes it.
// With --out it replays the recorded recipes and writes byte-identical files; --explore hunts for
// a seed for one wheel, --table prints the summary table of data/wheels/README.md.
#include "CoverSearch.h"
#include "DesignConstructions.h"
#include "WheelCatalogue.h"
#include "WheelFile.h"
#include "WheelProof.h"
#include "WheelRecipes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <bit>
#include <optional>
#include <set>
#include <vector>

namespace
{
// Share of random repairs in a walk; the recorded walks were found with this value.
constexpr double WalkNoise = 0.05;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString wheelName(const Wheel& wheel)
{
    return QStringLiteral("%1-%2").arg(wheel.kind->shortForm()).arg(wheel.balls);
}

std::optional<Wheel> findWheel(const QString& name)
{
    for (const Wheel& wheel : WheelCatalogue::allWheels()) {
        if (wheelName(wheel) == name)
            return wheel;
    }
    return std::nullopt;
}

// "7+7": a permutation made of cycles of these lengths over consecutive positions.
SearchSymmetry symmetryOf(const QString& cycles, int orbits)
{
    SearchSymmetry symmetry;
    if (cycles.isEmpty())
        return symmetry;
    int first = 0;
    for (const QString& part : cycles.split(QLatin1Char('+'))) {
        const int length = part.toInt();
        for (int i = 0; i < length; ++i)
            symmetry.permutation.push_back(first + (i + 1) % length);
        first += length;
    }
    symmetry.orbits = orbits;
    return symmetry;
}

// Position lists compared from their smallest position up, as the file's lines read.
bool lexicographicLess(uint32_t a, uint32_t b)
{
    while (a && b) {
        const uint32_t lowA = a & (~a + 1);
        const uint32_t lowB = b & (~b + 1);
        if (lowA != lowB)
            return lowA < lowB;
        a ^= lowA;
        b ^= lowB;
    }
    return b != 0;
}

struct SearchOutcome
{
    std::optional<std::vector<uint32_t>> lines; // set when every subset was met
    uint64_t moves = 0;
    int fewestUnmet = 0;
};

std::optional<std::vector<uint32_t>> designFor(const QString& name, QString* error);

SearchOutcome runSearch(const Wheel& wheel, const WheelRecipe& recipe, uint64_t maxMoves, QString* error)
{
    SearchOutcome outcome;
    std::vector<uint32_t> fixed;
    if (*recipe.extends) {
        const auto base = designFor(QString::fromLatin1(recipe.extends), error);
        if (!base)
            return outcome;
        fixed = *base;
    }
    const QString cycles = QString::fromLatin1(recipe.cycles);
    const SearchSymmetry symmetry = symmetryOf(cycles, recipe.orbits);
    if (!cycles.isEmpty() && static_cast<int>(symmetry.permutation.size()) != wheel.balls) {
        *error = QStringLiteral("the cycles %1 do not add up to %2").arg(cycles).arg(wheel.balls);
        return outcome;
    }
    SearchTuning tuning;
    if (recipe.method == DesignMethod::Walk)
        tuning.noise = WalkNoise;
    const SearchShape shape{
        wheel.balls, wheel.kind->lineSize, wheel.kind->drawn, wheel.kind->match, recipe.designLines};
    CoverSearch search(shape, recipe.seed, symmetry, tuning);
    search.start(fixed);
    if (search.run(maxMoves))
        outcome.lines = search.lines();
    outcome.moves = search.moves();
    outcome.fewestUnmet = search.fewestUnmet();
    return outcome;
}

// The design of a wheel as its recipe makes it.
std::optional<std::vector<uint32_t>> designFor(const QString& name, QString* error)
{
    const auto wheel = findWheel(name);
    const auto recipe = WheelRecipes::find(name);
    if (!wheel || !recipe) {
        *error = QStringLiteral("no recipe for %1").arg(name);
        return std::nullopt;
    }
    if (recipe->method == DesignMethod::AllCombinations)
        return DesignConstructions::allCombinations(wheel->balls, wheel->kind->lineSize);
    const SearchOutcome outcome = runSearch(*wheel, *recipe, recipe->moves, error);
    if (!outcome.lines && error->isEmpty()) {
        *error = QStringLiteral("the recorded search for %1 (seed %2, %3 moves) left %4 subsets unmet")
                     .arg(name)
                     .arg(recipe->seed)
                     .arg(recipe->moves)
                     .arg(outcome.fewestUnmet);
    }
    return outcome.lines;
}

// The design's distinct lines in order, then distinct padding lines up to the catalogue's count,
// so the leading lines keep the guarantee and a player still gets every line the builder shows.
std::vector<uint32_t> completeLines(std::vector<uint32_t> design, const Wheel& wheel, uint64_t seed)
{
    std::sort(design.begin(), design.end(), lexicographicLess);
    design.erase(std::unique(design.begin(), design.end()), design.end());
    std::set<uint32_t> used(design.begin(), design.end());
    SearchRandom random(seed ^ 0x5EED5EED5EED5EEDULL);
    std::vector<uint32_t> padding;
    while (design.size() + padding.size() < static_cast<std::size_t>(wheel.lines)) {
        uint32_t line = 0;
        while (std::popcount(line) < wheel.kind->lineSize)
            line |= uint32_t{1} << random.below(static_cast<uint32_t>(wheel.balls));
        if (used.insert(line).second)
            padding.push_back(line);
    }
    std::sort(padding.begin(), padding.end(), lexicographicLess);
    design.insert(design.end(), padding.begin(), padding.end());
    return design;
}

bool writeWheelFile(const QString& path, const std::vector<uint32_t>& lines, QString* error)
{
    QByteArray text;
    for (uint32_t line : lines)
        text += WheelProof::positionsText(line).toLatin1() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// Reads the written file back through the program's reader and proves it.
bool proveFile(const QString& path, const Wheel& wheel, QString* error)
{
    const auto lines = WheelFile::readLineMasks(path, wheel.kind->lineSize, wheel.balls, wheel.lines, error);
    if (!lines)
        return false;
    if (const auto miss = WheelProof::firstUncovered(*lines, wheel.balls, wheel.kind->drawn, wheel.kind->match)) {
        *error = QStringLiteral("no line matches %1 of the drawn %2")
                     .arg(wheel.kind->match)
                     .arg(WheelProof::positionsText(*miss));
        return false;
    }
    return true;
}

int regenerate(const QString& folder, const QString& only)
{
    if (!QDir().mkpath(folder)) {
        out() << "Cannot create " << folder << Qt::endl;
        return 1;
    }
    int failures = 0;
    for (const Wheel& wheel : WheelCatalogue::allWheels()) {
        const QString name = wheelName(wheel);
        if (!only.isEmpty() && name != only)
            continue;
        QElapsedTimer timer;
        timer.start();
        QString error;
        const auto design = designFor(name, &error);
        const QString path = folder + QLatin1Char('/') + wheel.fileName();
        if (design && static_cast<int>(design->size()) > wheel.lines)
            error = QStringLiteral("the design has %1 lines, more than %2").arg(design->size()).arg(wheel.lines);
        else if (design && writeWheelFile(path, completeLines(*design, wheel, WheelRecipes::find(name)->seed), &error))
            proveFile(path, wheel, &error);
        if (!error.isEmpty()) {
            out() << name << ": FAILED: " << error << Qt::endl;
            ++failures;
        } else {
            out() << name << ": " << wheel.lines << " lines, proved (" << timer.elapsed() << " ms)" << Qt::endl;
        }
    }
    return failures == 0 ? 0 : 1;
}

struct ExploreOptions
{
    QString wheel;
    int lines = 0;
    uint64_t firstSeed = 1;
    int seeds = 1;
    uint64_t moves = 0;
    bool walk = false;
    QByteArray cycles;
    int orbits = 0;
    QByteArray extends;
};

int explore(const ExploreOptions& options)
{
    const auto wheel = findWheel(options.wheel);
    if (!wheel) {
        out() << "Unknown wheel " << options.wheel << Qt::endl;
        return 1;
    }
    const QByteArray name = options.wheel.toLatin1();
    WheelRecipe recipe{name.constData(),
                       options.walk ? DesignMethod::Walk : DesignMethod::Annealing,
                       options.lines > 0 ? options.lines : wheel->lines,
                       0,
                       0,
                       options.cycles.constData(),
                       options.orbits,
                       options.extends.constData()};
    int found = 0;
    for (uint64_t seed = options.firstSeed; seed < options.firstSeed + static_cast<uint64_t>(options.seeds); ++seed) {
        QElapsedTimer timer;
        timer.start();
        recipe.seed = seed;
        QString error;
        const SearchOutcome outcome = runSearch(*wheel, recipe, options.moves, &error);
        if (!error.isEmpty()) {
            out() << error << Qt::endl;
            return 1;
        }
        out() << options.wheel << " lines " << recipe.designLines << " seed " << seed << ": "
              << (outcome.lines ? QStringLiteral("found") : QStringLiteral("not found")) << " after " << outcome.moves
              << " moves, fewest unmet " << outcome.fewestUnmet << ", " << timer.elapsed() << " ms" << Qt::endl;
        if (!outcome.lines)
            continue;
        ++found;
        out() << "    {\"" << options.wheel << "\", DesignMethod::" << (options.walk ? "Walk" : "Annealing") << ", "
              << recipe.designLines << ", " << seed << ", " << outcome.moves;
        if (!options.cycles.isEmpty() || !options.extends.isEmpty())
            out() << ", \"" << options.cycles << "\", " << options.orbits;
        if (!options.extends.isEmpty())
            out() << ", \"" << options.extends << "\"";
        out() << "}," << Qt::endl;
    }
    return found > 0 ? 0 : 1;
}

int table(const QString& folder)
{
    out() << "| wheel | file | lines | design |\n|---|---|---:|---:|\n";
    int failures = 0;
    for (const Wheel& wheel : WheelCatalogue::allWheels()) {
        QString error;
        const auto lines = WheelFile::readLineMasks(
            folder + QLatin1Char('/') + wheel.fileName(), wheel.kind->lineSize, wheel.balls, wheel.lines, &error);
        const auto prefix = lines
                                ? WheelProof::smallestPrefix(*lines, wheel.balls, wheel.kind->drawn, wheel.kind->match)
                                : std::nullopt;
        if (!prefix)
            ++failures;
        out() << "| " << wheel.kind->shortForm() << ", N = " << wheel.balls << " | " << wheel.fileName() << " | "
              << wheel.lines << " | " << (prefix ? QString::number(*prefix) : QStringLiteral("FAILS ") + error)
              << " |\n";
    }
    out().flush();
    return failures == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes and proves the wheel pattern files."));
    parser.addHelpOption();
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Write the 73 files into <folder>."), QStringLiteral("folder"));
    const QCommandLineOption onlyOption(
        QStringLiteral("only"), QStringLiteral("With --out: make only wheel <L-K-M-N>."), QStringLiteral("wheel"));
    const QCommandLineOption tableOption(QStringLiteral("table"),
                                         QStringLiteral("Print the prefix table of the files in <folder>."),
                                         QStringLiteral("folder"));
    const QCommandLineOption exploreOption(
        QStringLiteral("explore"), QStringLiteral("Search seeds for wheel <L-K-M-N>."), QStringLiteral("wheel"));
    const QCommandLineOption linesOption(QStringLiteral("lines"),
                                         QStringLiteral("Lines to search with (default: the catalogue's)."),
                                         QStringLiteral("count"),
                                         QStringLiteral("0"));
    const QCommandLineOption seedOption(QStringLiteral("first-seed"),
                                        QStringLiteral("First seed to try."),
                                        QStringLiteral("seed"),
                                        QStringLiteral("1"));
    const QCommandLineOption seedsOption(QStringLiteral("seeds"),
                                         QStringLiteral("How many seeds to try."),
                                         QStringLiteral("count"),
                                         QStringLiteral("1"));
    const QCommandLineOption movesOption(QStringLiteral("moves"),
                                         QStringLiteral("Moves per seed."),
                                         QStringLiteral("count"),
                                         QStringLiteral("20000000"));
    const QCommandLineOption walkOption(QStringLiteral("walk"), QStringLiteral("Walk instead of annealing."));
    const QCommandLineOption cyclesOption(QStringLiteral("cycles"),
                                          QStringLiteral("Keep a symmetry with cycles of these lengths, e.g. 7+7."),
                                          QStringLiteral("lengths"));
    const QCommandLineOption orbitsOption(QStringLiteral("orbits"),
                                          QStringLiteral("Lines that come as whole orbits of the symmetry."),
                                          QStringLiteral("count"),
                                          QStringLiteral("0"));
    const QCommandLineOption extendsOption(QStringLiteral("extends"),
                                           QStringLiteral("Keep the lines of the recorded wheel <L-K-M-N>."),
                                           QStringLiteral("wheel"));
    parser.addOptions({outOption,
                       onlyOption,
                       tableOption,
                       exploreOption,
                       linesOption,
                       seedOption,
                       seedsOption,
                       movesOption,
                       walkOption,
                       cyclesOption,
                       orbitsOption,
                       extendsOption});
    parser.process(app);

    if (parser.isSet(exploreOption)) {
        ExploreOptions options;
        options.wheel = parser.value(exploreOption);
        options.lines = parser.value(linesOption).toInt();
        options.firstSeed = parser.value(seedOption).toULongLong();
        options.seeds = parser.value(seedsOption).toInt();
        options.moves = parser.value(movesOption).toULongLong();
        options.walk = parser.isSet(walkOption);
        options.cycles = parser.value(cyclesOption).toLatin1();
        options.orbits = parser.value(orbitsOption).toInt();
        options.extends = parser.value(extendsOption).toLatin1();
        return explore(options);
    }
    if (parser.isSet(tableOption))
        return table(parser.value(tableOption));
    if (parser.isSet(outOption))
        return regenerate(parser.value(outOption), parser.value(onlyOption));
    parser.showHelp(1);
}

#include "AppFolder.h"
#include "DownloadServer.h"
#include "DrawImport.h"
#include "EntryFile.h"
#include "EntrySet.h"
#include "FileSizeLimit.h"
#include "Printing.h"
#include "ResultsFile.h"
#include "TestFiles.h"
#include "TextImport.h"
#include "WheelEntrySet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

namespace
{
namespace RF = ResultsFile;
namespace EF = EntryFile;

// Replaces one file of the folder whole, or adds it.
using Write = std::function<bool(const QString& folder, QString* error)>;

const QString Can2 = QStringLiteral("/CAN2.rtl"), Lines = QStringLiteral("/Western05DEC2026.lot"),
              Stand = QStringLiteral("/StandWestern.lot"), NextWeek = QStringLiteral("/Western12DEC2026.lot");
const EntryNumbers Six{1, 2, 3, 4, 5, 6, 0};
const auto yes = [](const QString&) { return true; };

// Saves the first three lines of the 6-3-3-10 wheel over a group of ten as the National 6/49 set.
bool saveWheel(const QString& folder, QString* error = nullptr)
{
    const int group[] = {3, 7, 11, 15, 19, 23, 27, 31, 35, 39};
    const auto result = WheelEntrySet::save(
        QStringLiteral(WHEELS_DIR "/6-3-3-10.whl"), folder + "/National-6-3-3.lot", 6, group, 3, [] { return true; });
    if (error)
        *error = result.message;
    return result.outcome == WheelEntrySet::Outcome::Saved;
}

// A folder holding one file of every kind the program writes.
void prepare(const QString& f)
{
    for (int16_t k = 1; k <= 3; ++k) {
        RF::insertDraw(f + Can2, 3, k * 7, 11, 2026, {1, 2, 3, 4, 5, int16_t(10 + k), 0}, 40);
        EF::AppendEntryLine(f + Lines, {k, int16_t(k + 10), 20, 30, 40, 49, 0}, 3);
    }
    EF::AppendEntryLine(f + Stand, Six, 3);
    writeFileBytes(f + "/mine.txt", "03 11 24 30 41 49\n01 02 03 04 05 06\n");
    writeFileBytes(f + "/draws.csv", "2026-11-28,1,2,3,4,5,6,7\n");
    saveWheel(f);
    DownloadServer::setBaseAddress(f, QStringLiteral("http://example.org/dwnld/"));
    AppFolder::updatesavedgame(f, 2);
    storePrinter(f, QStringLiteral("Office"));
}

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readFileBytes(folder + '/' + name));
    return files;
}
} // namespace

// Every whole-file write of the program, made to fail by a full disk (a file-size limit, which
// binds root too) or a read-only folder: the old bytes stay, no temporary file is left behind,
// and the message names the file and the system's reason.
class tst_WriteFailures : public QObject
{
    Q_OBJECT

private slots:
    void fails_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Write>("write");
        QTest::addColumn<bool>("readOnlyFolder");
        const QList<std::tuple<const char*, QString, Write>> writes{
            {"draw added",
             Can2,
             [](auto f, auto e) { return RF::insertDraw(f + Can2, 3, 2, 11, 2026, Six, 1, e) > 0; }},
            {"draw deleted", Can2, [](auto f, auto e) { return RF::deleteDraw(f + Can2, 2, e); }},
            {"line added", Lines, [](auto f, auto e) { return EF::AppendEntryLine(f + Lines, Six, 3, e) > 0; }},
            {"line changed", Lines, [](auto f, auto e) { return EF::ReplaceEntryLine(f + Lines, 2, Six, 3, e); }},
            {"line deleted", Lines, [](auto f, auto e) { return EF::DeleteEntryLine(f + Lines, 2, e) >= 0; }},
            {"standing copy", Stand, [](auto f, auto e) { return EF::saveStandingCopy(f + Lines, f + Stand, e); }},
            {"text import",
             NextWeek,
             [](auto f, auto e) {
                 return TextImport::importFile(f + "/mine.txt", 3, {2026, 12, 12}, f + NextWeek, e)
                        == TextImport::Verdict::Valid;
             }},
            {"wheel set", "/National-6-3-3.lot", saveWheel},
            {"lines removed by the filter",
             Lines,
             [](auto f, auto e) {
                 EntrySet shown;
                 return shown.open(f + Lines, 3) && shown.rewrite(readFileBytes(f + Lines).left(28), e);
             }},
            {"draw history imported",
             Can2,
             [](auto f, auto e) {
                 return DrawImport::importFile(f + "/draws.csv", f + Can2, 3, yes, {}, nullptr, e).has_value();
             }},
            {"server address",
             "/download.ini",
             [](auto f, auto e) {
                 return DownloadServer::setBaseAddress(f, QStringLiteral("https://example.org/results/"), e);
             }},
            {"game.dat", "/game.dat", [](auto f, auto e) { return AppFolder::updatesavedgame(f, 4, e); }},
            {"print.dat", "/print.dat", [](auto f, auto e) { return storePrinter(f, QStringLiteral("Laser"), e); }},
        };
        for (const auto& [name, file, write] : writes) {
            QTest::addRow("%s, disk full", name) << file << write << false;
            QTest::addRow("%s, read-only folder", name) << file << write << true;
        }
    }

    void fails()
    {
        QFETCH(QString, file);
        QFETCH(Write, write);
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        prepare(dir.path());
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        QString error;
        bool written = false;
        if (readOnlyFolder) {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            written = write(dir.path(), &error);
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            FileSizeLimit limit(1);
            QVERIFY(limit.active);
            written = write(dir.path(), &error);
        }
        QVERIFY(!written);
        QVERIFY2(error.contains(file), qPrintable(error));
        const char* reason = readOnlyFolder ? "Permission denied" : "File too large";
        QVERIFY2(error.contains(QLatin1String(reason)), qPrintable(error));
        QCOMPARE(snapshot(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(tst_WriteFailures)
#include "tst_WriteFailures.moc"

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

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace
{
// Makes a folder's starting files, then replaces one of them whole.
struct Write
{
    QString file;
    std::function<void(const QString& folder)> prepare;
    std::function<bool(const QString& folder, QString* error)> run;
};

QString in(const QString& folder, const QString& name)
{
    return AppFolder::pathOf(folder, name);
}

void fiveLines(const QString& path, int gameId = 3)
{
    for (int16_t k = 1; k <= 5; ++k)
        EntryFile::AppendEntryLine(path, {k, int16_t(k + 10), 20, 30, 40, 49, 0}, gameId);
}

void threeDraws(const QString& path)
{
    for (int day = 1; day <= 3; ++day)
        ResultsFile::insertDraw(path, 3, day * 7, 11, 2026, {1, 2, 3, 4, 5, int16_t(10 + day), 0}, 40);
}

// Saves the first three lines of the 6-3-3-10 wheel over a group of ten as the National 6/49 set.
bool saveWheel(const QString& folder, QString* error = nullptr)
{
    const int group[] = {3, 7, 11, 15, 19, 23, 27, 31, 35, 39};
    const auto result = WheelEntrySet::save(
        QStringLiteral(WHEELS_DIR "/6-3-3-10.whl"), in(folder, "National-6-3-3.lot"), 6, group, 3, [] { return true; });
    if (error)
        *error = result.message;
    return result.outcome == WheelEntrySet::Outcome::Saved;
}

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readFileBytes(in(folder, name)));
    return files;
}
} // namespace

Q_DECLARE_METATYPE(Write)

// Every whole-file write of the program, made to fail by a full disk (a file-size limit, which
// binds root too) or a read-only folder: the old bytes stay, no temporary file is left behind,
// and the message names the file and the system's reason.
class tst_WriteFailures : public QObject
{
    Q_OBJECT

private slots:
    void fails_data();
    void fails();
};

void tst_WriteFailures::fails_data()
{
    QTest::addColumn<Write>("write");
    QTest::addColumn<bool>("readOnlyFolder");
    const QList<QPair<const char*, Write>> writes{
        {"draw added",
         {"CAN2.rtl",
          [](const QString& f) { threeDraws(in(f, "CAN2.rtl")); },
          [](const QString& f, QString* e) {
              return ResultsFile::insertDraw(in(f, "CAN2.rtl"), 3, 2, 11, 2026, {7, 8, 9, 10, 11, 12, 0}, 1, e)
                  .has_value();
          }}},
        {"draw deleted",
         {"CAN2.rtl",
          [](const QString& f) { threeDraws(in(f, "CAN2.rtl")); },
          [](const QString& f, QString* e) { return ResultsFile::deleteDraw(in(f, "CAN2.rtl"), 2, e); }}},
        {"line added",
         {"Western05DEC2026.lot",
          [](const QString& f) { fiveLines(in(f, "Western05DEC2026.lot")); },
          [](const QString& f, QString* e) {
              return EntryFile::AppendEntryLine(in(f, "Western05DEC2026.lot"), {1, 2, 3, 4, 5, 6, 0}, 3, e).has_value();
          }}},
        {"line changed",
         {"Western05DEC2026.lot",
          [](const QString& f) { fiveLines(in(f, "Western05DEC2026.lot")); },
          [](const QString& f, QString* e) {
              return EntryFile::ReplaceEntryLine(in(f, "Western05DEC2026.lot"), 2, {1, 2, 3, 4, 5, 6, 0}, 3, e);
          }}},
        {"line deleted",
         {"Western05DEC2026.lot",
          [](const QString& f) { fiveLines(in(f, "Western05DEC2026.lot")); },
          [](const QString& f, QString* e) {
              return EntryFile::DeleteEntryLine(in(f, "Western05DEC2026.lot"), 2, e).has_value();
          }}},
        {"standing copy",
         {"StandWestern.lot",
          [](const QString& f) {
              fiveLines(in(f, "Western05DEC2026.lot"));
              EntryFile::AppendEntryLine(in(f, "StandWestern.lot"), {1, 2, 3, 4, 5, 6, 0}, 3);
          },
          [](const QString& f, QString* e) {
              return EntryFile::saveStandingCopy(in(f, "Western05DEC2026.lot"), in(f, "StandWestern.lot"), e);
          }}},
        {"text import",
         {"Western05DEC2026.lot",
          [](const QString& f) { writeFileBytes(in(f, "mine.txt"), "03 11 24 30 41 49\n01 02 03 04 05 06\n"); },
          [](const QString& f, QString* e) {
              return TextImport::importFile(in(f, "mine.txt"), 3, QDate(2026, 12, 5), in(f, "Western05DEC2026.lot"), e)
                     == TextImport::Verdict::Valid;
          }}},
        {"wheel set",
         {"National-6-3-3.lot",
          [](const QString& f) { saveWheel(f); },
          [](const QString& f, QString* e) { return saveWheel(f, e); }}},
        {"lines removed by the filter",
         {"Western05DEC2026.lot",
          [](const QString& f) { fiveLines(in(f, "Western05DEC2026.lot")); },
          [](const QString& f, QString* e) {
              EntrySet shown;
              return shown.open(in(f, "Western05DEC2026.lot"), 3)
                     && shown.rewrite(readFileBytes(in(f, "Western05DEC2026.lot")).left(EntryFile::RecordLength), e);
          }}},
        {"draw history imported",
         {"CAN2.rtl",
          [](const QString& f) {
              threeDraws(in(f, "CAN2.rtl"));
              writeFileBytes(in(f, "draws.csv"), "2026-11-28,1,2,3,4,5,6,7\n");
          },
          [](const QString& f, QString* e) {
              const auto yes = [](const QString&) { return true; };
              return DrawImport::importFile(in(f, "draws.csv"), in(f, "CAN2.rtl"), 3, yes, {}, nullptr, e).has_value();
          }}},
        {"server address",
         {"download.ini",
          [](const QString& f) { DownloadServer::setBaseAddress(f, QStringLiteral("http://example.org/dwnld/")); },
          [](const QString& f, QString* e) {
              return DownloadServer::setBaseAddress(f, QStringLiteral("https://example.org/results/"), e);
          }}},
        {"game.dat",
         {"game.dat",
          [](const QString& f) { AppFolder::updatesavedgame(f, 2); },
          [](const QString& f, QString* e) { return AppFolder::updatesavedgame(f, 4, e); }}},
        {"print.dat",
         {"print.dat",
          [](const QString& f) { storePrinter(f, QStringLiteral("Office")); },
          [](const QString& f, QString* e) { return storePrinter(f, QStringLiteral("Laser"), e); }}},
    };
    for (const auto& [name, write] : writes) {
        QTest::addRow("%s, disk full", name) << write << false;
        QTest::addRow("%s, read-only folder", name) << write << true;
    }
}

void tst_WriteFailures::fails()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file-size limit and folder permissions");
#else
    QFETCH(Write, write);
    QFETCH(bool, readOnlyFolder);
    if (readOnlyFolder && geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    write.prepare(dir.path());
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    QString error;
    bool written = false;
    if (readOnlyFolder) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        written = write.run(dir.path(), &error);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        FileSizeLimit limit(1);
        QVERIFY(limit.active);
        written = write.run(dir.path(), &error);
    }
    QVERIFY(!written);
    QVERIFY2(error.contains(write.file), qPrintable(error));
    const char* reason = readOnlyFolder ? "Permission denied" : "File too large";
    QVERIFY2(error.contains(QLatin1String(reason)), qPrintable(error));
    QCOMPARE(snapshot(dir.path()), before);
#endif
}

QTEST_GUILESS_MAIN(tst_WriteFailures)
#include "tst_WriteFailures.moc"

#include "AppFolder.h"
#include "AppFolderLock.h"
#include "DateText.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "ProgramFolders.h"
#include "RecordFile.h"
#include "TestFiles.h"

#include <QProcess>
#include <QSysInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_core : public QObject
{
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void namesAndDays();
    void rulesByDate_data();
    void rulesByDate();
    void rootRule_data();
    void rootRule();
    void gameDatCreatedAndRemembered();
    void oneCopyPerFolder();
    void packagedFolders();
    void recordPastEndReadsZeros();
    void damagedCountIsClamped_data();
    void damagedCountIsClamped();
};

void tst_core::numberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<long long>("value");
    QTest::newRow("letters") << "abc" << 0LL;
    QTest::newRow("plain") << "12" << 12LL;
    QTest::newRow("blank inside") << "1 2" << 12LL;
    QTest::newRow("trailing junk") << "12abc" << 12LL;
    QTest::newRow("half to even down") << "2.5" << 2LL;
    QTest::newRow("half to even up") << "3.5" << 4LL;
    QTest::newRow("negative") << "-3" << -3LL;
    QTest::newRow("plus sign") << "+9" << 9LL;
    QTest::newRow("only point") << ".5" << 0LL;
    QTest::newRow("second point ends") << "4.4.9" << 4LL;
    QTest::newRow("huge") << "99999999999" << 99999999999LL;
}

void tst_core::numberText()
{
    QFETCH(QString, text);
    QFETCH(long long, value);
    QCOMPARE(NumberText::wholeNumber(text), value);
}

void tst_core::namesAndDays()
{
    // Month names in file names (JAN, FEB, DEC) are checked with the entry files.
    QCOMPARE(NumberText::twoDigits(3), QStringLiteral("03"));
    QCOMPARE(DateText::MonthAbbrev(0), QString());
    QCOMPARE(DateText::MonthAbbrev(13), QString());
    QCOMPARE(DateText::monthFromAbbrev(QStringLiteral("JUN")), 6);
    QCOMPARE(DateText::weekdayNumber(QDate(2026, 12, 6)), 1); // a Sunday
    QCOMPARE(DateText::weekdayNumber(QDate(2026, 12, 5)), 7); // a Saturday
    QVERIFY(GameCatalogue::isRegularDrawDay(2, QDate(2026, 12, 4))); // Super 7 on a Friday
    QVERIFY(!GameCatalogue::isRegularDrawDay(1, QDate(2026, 12, 4)));
}

void tst_core::rulesByDate_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("fiveAndBonus");
    QTest::newRow("6/49") << 1 << QDate(2019, 5, 14) << 49 << "Wednesday or Saturday" << "(5+B)";
    QTest::newRow("Super 7") << 2 << QDate(2005, 1, 7) << 47 << "Friday" << "(5)";
    QTest::newRow("Lotto Max 7/49 last day") << 8 << QDate(2019, 5, 10) << 49 << "Friday" << "(5)";
    QTest::newRow("Lotto Max 7/50 first day") << 8 << QDate(2019, 5, 14) << 50 << "Tuesday or Friday" << "(5+B)";
    QTest::newRow("Lotto Max 7/50 last day") << 8 << QDate(2026, 4, 13) << 50 << "Tuesday or Friday" << "(5+B)";
    QTest::newRow("Lotto Max 7/52") << 8 << QDate(2026, 4, 14) << 52 << "Tuesday or Friday" << "(5+B)";
    QTest::newRow("damaged date gets newest rules") << 8 << QDate() << 52 << "Tuesday or Friday" << "(5+B)";
}

void tst_core::rulesByDate()
{
    QFETCH(int, gameId);
    QFETCH(QDate, date);
    QFETCH(int, highest);
    QFETCH(QString, days);
    QFETCH(QString, fiveAndBonus);
    QCOMPARE(GameCatalogue::highestNumber(gameId, date), highest);
    QCOMPARE(GameCatalogue::drawDaysText(gameId, date), days);
    const GamePeriod& rules = GameCatalogue::period(gameId, date);
    QCOMPARE(QString::fromLatin1(GameCatalogue::prizeFor(rules, 5, true)->label), fiveAndBonus);
    // Two matches with the bonus win nothing in any game; four with it depend on the table.
    QCOMPARE(GameCatalogue::prizeFor(rules, 2, true), nullptr);
    QCOMPARE(GameCatalogue::highestEver(gameId), gameId == 8 ? 52 : highest);
    // Link tables and number masks are sized by HighestOfAll; no period may draw past it.
    for (int g = 1; g <= GameCatalogue::LastGame; ++g)
        QVERIFY(GameCatalogue::highestEver(g) <= GameCatalogue::HighestOfAll);
}

void tst_core::rootRule_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("drive root") << QStringLiteral("C:\\") << QStringLiteral("C:");
    QTest::newRow("drive root slash") << QStringLiteral(" D:/ ") << QStringLiteral("D:");
    QTest::newRow("unix root") << QStringLiteral("/") << QString();
    QTest::newRow("trailing") << QStringLiteral("/opt/Drawsmith/") << QStringLiteral("/opt/Drawsmith");
    QTest::newRow("blanks kept") << QStringLiteral(" /opt/My Lotto ") << QStringLiteral(" /opt/My Lotto ");
}

void tst_core::rootRule()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(AppFolder::rootRule(folder), expected);
}

void tst_core::gameDatCreatedAndRemembered()
{
    QTemporaryDir dir;
    QCOMPARE(AppFolder::readSavedProvince(dir.path()), std::optional<int>(0));
    QVERIFY(QFile::exists(dir.filePath("game.dat")));
    QVERIFY(AppFolder::updatesavedgame(dir.path(), 4));
    QCOMPARE(readFileBytes(dir.filePath("game.dat")), QByteArray("\x04\x00", 2));
    QCOMPARE(AppFolder::readSavedProvince(dir.path()), std::optional<int>(4));
}

void tst_core::oneCopyPerFolder()
{
    QTemporaryDir dir;
    // A crashed copy left its lock: it names a process of this host that has ended.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 pid = ended.processId();
    QVERIFY(ended.waitForFinished());
    QVERIFY(writeFileBytes(dir.filePath("Drawsmith.lock"),
                           QByteArray::number(pid) + "\ndrawsmith\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    AppFolderLock first(dir.path());
    QVERIFY(first.acquire());

    AppFolderLock second(dir.path() + "/");
    QString refusal;
    QVERIFY(!second.acquire(&refusal));
    QCOMPARE(refusal, "Drawsmith Canada is already running with this folder:\n" + dir.path() + "/");
}

void tst_core::packagedFolders()
{
    QTemporaryDir root;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", root.filePath("home").toUtf8());
    qunsetenv("XDG_DATA_HOME");
    qputenv("DRAWSMITH_HOME", root.filePath("my draws").toUtf8());
    ProgramFolders folders = ProgramFolders::packaged(root.filePath("usr/bin"));
    QCOMPARE(folders.app, root.filePath("my draws"));
    QVERIFY(QFileInfo(folders.app).isDir());
    QCOMPARE(folders.share, root.filePath("usr/share/drawsmith"));
    QCOMPARE(folders.histories, folders.share);
    QCOMPARE(folders.missingShippedFiles().size(), 3);
    QVERIFY(QDir().mkpath(folders.share + "/wheels"));
    for (const char* name : {"DRAWSMITH.HLP", "wheels/6-4-3-9.whl", "649-official.csv"})
        QVERIFY(writeFileBytes(folders.share + '/' + name, "x"));
    QCOMPARE(folders.missingShippedFiles(), QStringList());

    // Without DRAWSMITH_HOME: the application's folder in the user's data folder, made on first start.
    qunsetenv("DRAWSMITH_HOME");
    folders = ProgramFolders::packaged(root.filePath("usr/bin"));
    qputenv("HOME", home);
    QCOMPARE(folders.app, root.filePath("home/.local/share/") + QCoreApplication::applicationName());
    QVERIFY(QFileInfo(folders.app).isDir());
}

void tst_core::recordPastEndReadsZeros()
{
    RecordFile file(28, QByteArray(30, '\x01'));
    QCOMPARE(file.recordsPresent(), 2);
    QCOMPARE(file.record(2).left(2), QByteArray(2, '\x01'));
    QCOMPARE(file.record(2).mid(2), QByteArray(26, '\0'));
    QCOMPARE(file.record(5), QByteArray(28, '\0'));
    file.setRecord(4, QByteArray(28, '\x07'));
    QCOMPARE(file.bytes().size(), 4 * 28);
    QCOMPARE(file.record(3), QByteArray(28, '\0'));
}

void tst_core::damagedCountIsClamped_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("usable");
    QTest::newRow("sound") << 2 << 3 << 2;
    QTest::newRow("negative") << -5 << 3 << 3;
    QTest::newRow("beyond end") << 40000 << 3 << 3;
    QTest::newRow("empty") << 0 << 0 << 0;
}

void tst_core::damagedCountIsClamped()
{
    QFETCH(int, count);
    QFETCH(int, records);
    QFETCH(int, usable);
    QByteArray bytes(records * 28, '\0');
    if (records > 0)
        RecordFile::put32(bytes, 0, count);
    QCOMPARE(RecordFile(28, bytes).usableCount(), usable);
}

QTEST_GUILESS_MAIN(tst_core)
#include "tst_core.moc"

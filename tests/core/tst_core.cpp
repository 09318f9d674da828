#include "AppFolderLock.h"
#include "GameCatalogue.h"
#include "ProgramFolders.h"
#include "TestFiles.h"

#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class tst_core : public QObject
{
    Q_OBJECT

private slots:
    void rulesByDate_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QString>("fiveAndBonus");
        const QString twoDays = QStringLiteral("Tuesday or Friday");
        QTest::newRow("6/49") << 1 << QDate(2019, 5, 14) << "Wednesday or Saturday" << 49 << "(5+B)";
        QTest::newRow("Super 7") << 2 << QDate(2005, 1, 7) << "Friday" << 47 << "(5)";
        QTest::newRow("Lotto Max 7/49 last day") << 8 << QDate(2019, 5, 10) << "Friday" << 49 << "(5)";
        QTest::newRow("Lotto Max 7/50 first day") << 8 << QDate(2019, 5, 14) << twoDays << 50 << "(5+B)";
        QTest::newRow("Lotto Max 7/50 last day") << 8 << QDate(2026, 4, 13) << twoDays << 50 << "(5+B)";
        QTest::newRow("Lotto Max 7/52") << 8 << QDate(2026, 4, 14) << twoDays << 52 << "(5+B)";
        QTest::newRow("damaged date gets newest rules") << 8 << QDate() << twoDays << 52 << "(5+B)";
    }

    void rulesByDate()
    {
        QFETCH(int, gameId);
        QFETCH(QDate, date);
        QFETCH(QString, days);
        QFETCH(int, highest);
        QFETCH(QString, fiveAndBonus);
        QCOMPARE(GameCatalogue::drawDaysText(gameId, date), days);
        QCOMPARE(GameCatalogue::highestNumber(gameId, date), highest);
        const GamePeriod& rules = GameCatalogue::period(gameId, date);
        QCOMPARE(QString::fromLatin1(GameCatalogue::prizeFor(rules, 5, true)->label), fiveAndBonus);
        // A cursor that has read a newer draw first (a damaged file's dates go back) answers the same.
        GameCatalogue::PeriodCursor cursor(gameId);
        cursor.at(QDate(2026, 12, 1));
        QCOMPARE(&cursor.at(date), &rules);
        // Two matches with the bonus win nothing in any game; four with it depend on the table.
        QCOMPARE(GameCatalogue::prizeFor(rules, 2, true), nullptr);
        QCOMPARE(GameCatalogue::highestEver(gameId), gameId == 8 ? 52 : highest);
        // Link tables and number masks are sized by HighestOfAll; no period may draw past it.
        for (int g = 1; g <= GameCatalogue::LastGame; ++g)
            QVERIFY(GameCatalogue::highestEver(g) <= GameCatalogue::HighestOfAll);
    }

    void oneCopyPerFolder()
    {
        QTemporaryDir dir;
        // A crashed copy left its lock: it names a process of this host that has ended.
        QProcess ended;
        ended.start(QStringLiteral("true"));
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        const QByteArray lock = QByteArray::number(pid) + "\ndrawsmith\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        QVERIFY(writeFileBytes(dir.filePath("Drawsmith.lock"), lock));
        AppFolderLock first(dir.path());
        QVERIFY(first.acquire());

        AppFolderLock second(dir.path() + "/");
        QString refusal;
        QVERIFY(!second.acquire(&refusal));
        QCOMPARE(refusal, "Drawsmith Canada is already running with this folder:\n" + dir.path() + "/");
    }

    void packagedFolders()
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
};

QTEST_GUILESS_MAIN(tst_core)
#include "tst_core.moc"

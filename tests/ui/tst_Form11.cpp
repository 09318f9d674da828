#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "UiDriver.h"

#include <QFile>
#include <QListWidget>

// The file deletion window opened from the main window's File menu.
class tst_Form11 : public QObject
{
    Q_OBJECT

private slots:
    void deleteAFile()
    {
        MainWindowFixture fx;
        QVERIFY(EntryFile::AppendEntryLine(fx.path("StandSuper7.lot"), {2, 9, 16, 23, 30, 37, 44}, 2));
        QVERIFY(EntryFile::AppendEntryLine(fx.path("Nat64905JAN2003.lot"), {3, 11, 24, 30, 41, 49, 0}, 1));
        const QString app = QStringLiteral("Drawsmith Canada: ");
        Form1* main = fx.start(); // shows Western05DEC2026.lot
        TRIGGER(main, "actionDeleteEntryFiles");
        QWidget* deletion = openWindow("Form11");
        QVERIFY(deletion);
        QVERIFY(!main->isInputEnabled());
        auto* files = deletion->findChild<QListWidget*>("fileList");
        auto* contents = deletion->findChild<QListWidget*>("contentsList");
        const auto choose = [files](const QString& name) { clickRow(files, int(rowTexts(files).indexOf(name))); };
        QCOMPARE(rowTexts(files), QStringList({"Nat64905JAN2003.lot", "StandSuper7.lot", "Western05DEC2026.lot"}));
        CLICK(deletion, "deleteButton");
        QCOMPARE(fx.prompts->last(), app + "You have not selected a file for deletion");
        // A click below the last file picks nothing.
        const QPoint belowFiles(10, files->viewport()->height() - 5);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, belowFiles);
        QCOMPARE(fx.prompts->last(), app + "You have not selected a file");
        choose("Western05DEC2026.lot");
        CLICK(deletion, "deleteButton");
        QCOMPARE(fx.prompts->last(),
                 app + "You cannot delete this file, you currently have it opened in the main program");
        QVERIFY(QFile::exists(main->entrySet().path()));

        choose("StandSuper7.lot");
        QCOMPARE(rowTexts(contents), QStringList{"02 09 16 23 30 37 44 "});
        fx.prompts->answers << false << true;
        CLICK(deletion, "deleteButton");
        QCOMPARE(fx.prompts->last(), app + "Are you sure you want to delete this lottery selection file?");
        QVERIFY(QFile::exists(fx.path("StandSuper7.lot")));
        CLICK(deletion, "deleteButton");
        QVERIFY(!QFile::exists(fx.path("StandSuper7.lot")));
        QCOMPARE(contents->count(), 0);

        // Files added and deleted behind the window's back.
        QVERIFY(EntryFile::AppendEntryLine(fx.path("BC05JAN2003.lot"), {1, 2, 3, 4, 5, 6, 0}, 4));
        QVERIFY(QFile::remove(fx.path("Nat64905JAN2003.lot")));
        QTRY_COMPARE(rowTexts(files), QStringList({"BC05JAN2003.lot", "Western05DEC2026.lot"}));
        CLICK(deletion, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
        FINISH_MAIN_WINDOW(&fx);
    }
};

QTEST_MAIN(tst_Form11)
#include "tst_Form11.moc"

#include "Form5.h"
#include "GameCatalogue.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "UiDriver.h"
#include "editEntry.h"

#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

// The add and edit windows over an entry set of their own, without the main window.
class tst_Form5 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_w = std::make_unique<WindowFixture>();
    }

    void cleanup()
    {
        FINISH_WINDOWS(m_w);
        m_w.reset();
    }

    void manualLines()
    {
        Form5* add = open(2, QStringLiteral("StandSuper7.lot"));
        QVERIFY(add->findChild<QLineEdit*>("numberBox7")->isVisible());
        TYPE_BOXES(add, {"5", "5", "60", "2", "3", "4", "1"});
        CLICK(add, "addButton");
        QCOMPARE(m_w->prompts.last(), "Drawsmith Canada: One or more of your numbers are out of range for the game!");
        QCOMPARE(EntryFile::ReadEntryCount(m_w->entries.path()), std::optional<int>(0));
        TYPE_BOXES(add, {"45", "3", "27", "9", "18", "36", "1"});
        CLICK(add, "addButton");
        QCOMPARE(fieldText(add, "numberBox1"), "45"); // the boxes keep their text
        CLICK(add, "addButton");                      // and a repeated line is taken again
        const std::vector<EntryNumbers> twice(2, {1, 3, 9, 18, 27, 36, 45});
        QCOMPARE(EntryFile::readAllLines(m_w->entries.path()), std::optional(twice));
        QCOMPARE(m_w->entries.index(1).data().toString(), "01 03 09 18 27 36 45");
        // Clear empties the first six boxes only.
        CLICK(add, "clearButton");
        QCOMPARE(fieldText(add, "numberBox1"), QString());
        QCOMPARE(fieldText(add, "numberBox6"), QString());
        QCOMPARE(fieldText(add, "numberBox7"), "1");
    }

    void failedWritesChangeNothing()
    {
        const QString name = QStringLiteral("Ontario05DEC2026.lot");
        QVERIFY(m_w->entries.open(m_w->path(name), 6));
        QVERIFY(m_w->entries.append({{1, 2, 3, 4, 5, 6, 0}, {7, 8, 9, 10, 11, 12, 0}}));
        // Another copy of the program deletes the line being edited: nothing is changed, and the
        // window closes on the lines shown afresh.
        QPointer<editEntry> stale = new editEntry(m_w->entries, 0, m_w->entries.lines()[0], nullptr);
        stale->show();
        QVERIFY(EntryFile::DeleteEntryLine(m_w->entries.path(), 1));
        TYPE_BOXES(stale, {"40", "41", "42", "43", "44", "45"});
        CLICK(stale, "changeButton");
        QVERIFY2(m_w->prompts.last().contains("changed outside the program"), qPrintable(m_w->prompts.last()));
        QVERIFY(!stale || !stale->isVisible());
        QCOMPARE(EntryFile::readAllLines(m_w->entries.path()),
                 std::optional(std::vector<EntryNumbers>{{7, 8, 9, 10, 11, 12, 0}}));
        QCOMPARE(m_w->entries.count(), 1);

        // The file turns into a folder behind the edit window's back, which no one can write as a file.
        auto* editor = new editEntry(m_w->entries, 0, m_w->entries.lines()[0], nullptr);
        editor->show();
        QDir folder(m_w->dir.path());
        QVERIFY(folder.remove(name) && folder.mkdir(name));
        TYPE_BOXES(editor, {"40", "41", "42", "43", "44", "45"});
        CLICK(editor, "changeButton");
        QVERIFY2(m_w->prompts.last().contains(name), qPrintable(m_w->prompts.last()));
        QVERIFY(editor->isVisible());
        QCOMPARE(m_w->entries.index(0).data().toString(), QStringLiteral("07 08 09 10 11 12"));
        editor->close();

        QVERIFY(folder.mkdir("StandBC.lot"));
        Form5* add = open(4, QStringLiteral("StandBC.lot"));
        m_w->prompts.shown.clear();
        TYPE_BOXES(add, {"1", "2", "3", "4", "5", "6"});
        CLICK(add, "addButton");
        QVERIFY2(m_w->prompts.last().contains("StandBC.lot"), qPrintable(m_w->prompts.last()));
        QCOMPARE(m_w->entries.count(), 0);
        QVERIFY(add->isVisible());
    }

    // Over 20 copies of one draw, which yield one line and then nothing new.
    void suggestionsStop_data()
    {
        // Pressed as soon as the run lets events through; "enter": none, the run starts by Enter.
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("message");
        const QString noFurther = "1 of 5 lines were added. No further line was found in 200000 attempts";
        QTest::newRow("no further line") << QString() << noFurther;
        QTest::newRow("cancel keeps the line made") << "suggestCancelButton" << QString();
        QTest::newRow("closing stops, then closes") << "close" << QString();
        // Enter presses the button of the frame typed in, and only that one.
        QTest::newRow("Enter in Enter No") << "enter" << noFurther;
    }

    void suggestionsStop()
    {
        QFETCH(QString, stop);
        QFETCH(QString, message);
        QVERIFY(ResultsFile::writeAll(m_w->path("CAN1.rtl"), std::vector<DrawRecord>(20, loadRealDraws().back())));
        Form5* add = open(1, QStringLiteral("StandLotto.lot"));
        QSignalSpy closed(add, &ChildWindow::closed);
        CLICK(add, "suggestCancelButton"); // a Cancel while nothing runs stops no later run
        auto* count = add->findChild<QLineEdit*>("suggestCountEdit");
        QTest::keyClicks(count, "5");
        QTest::mouseClick(add->findChild<QWidget*>("additionalRadio"), Qt::LeftButton);
        if (stop == "close")
            QTimer::singleShot(0, add, &QWidget::close);
        else if (stop.endsWith("Button"))
            QTimer::singleShot(0, add, [&] { QTest::mouseClick(add->findChild<QPushButton*>(stop), Qt::LeftButton); });
        if (stop == "enter") {
            QTest::mouseClick(count, Qt::LeftButton);
            QTest::keyClick(count, Qt::Key_Return);
        } else {
            CLICK(add, "suggestAddButton");
        }
        QCOMPARE(EntryFile::ReadEntryCount(m_w->entries.path()), std::optional<int>(1));
        QCOMPARE(m_w->prompts.texts().value(0).left(message.size()), message);
        QCOMPARE(m_w->prompts.shown.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(closed.count(), stop == "close" ? 1 : 0);
        if (closed.isEmpty()) {
            for (const char* name : {"addButton", "clearButton", "closeButton", "suggestAddButton"})
                QVERIFY2(add->findChild<QPushButton*>(name)->isEnabled(), name);
        }
    }

private:
    Form5* open(int gameId, const QString& name)
    {
        m_w->entries.open(m_w->path(name), gameId);
        const QString history = m_w->path(GameCatalogue::game(gameId).resultsFile);
        auto* add = new Form5(m_w->entries, QStringLiteral("Standing Entry"), history, m_random, nullptr);
        add->show();
        return add;
    }

    std::unique_ptr<WindowFixture> m_w;
    SeededRandom m_random{5};
};

QTEST_MAIN(tst_Form5)
#include "tst_Form5.moc"

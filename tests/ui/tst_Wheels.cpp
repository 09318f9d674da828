#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "UiDriver.h"
#include "WheelCatalogue.h"

#include <QFile>
#include <QLabel>
#include <QSet>

// The main window's "Wheels" menu: "Create" opens the game's builder, the "Open" entries show saved
// sets through the entry set, and a builder that replaces the shown set empties the list.
class tst_Wheels : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
        QVERIFY(QFile::link(QStringLiteral(WHEELS_DIR), m_fx->path("wheels")));
        m_fx->printers.names = QStringList{"Laser"};
    }

    void cleanup()
    {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }

    void openAndCreatePerGame_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("missing");
        const QString lotto = QStringLiteral("You have not yet created this 6 wheel for Lotto");
        QTest::newRow("National") << "nationalRadio" << QStringLiteral("National") << "National 6/49" << lotto;
        QTest::newRow("Ontario") << "actionSelectOntario" << QStringLiteral("Ontario") << "Ontario 6/49" << lotto;
        QTest::newRow("Super 7") << "super7Radio" << QStringLiteral("Super7") << "Super 7"
                                 << QStringLiteral("You have not yet created this 7 wheel for Super 7");
        QTest::newRow("Lotto Max") << "lottoMaxRadio" << QStringLiteral("LottoMax") << "Lotto Max"
                                   << QStringLiteral("You have not yet created this 7 wheel for Lotto Max");
    }

    void openAndCreatePerGame()
    {
        QFETCH(QString, selector);
        QFETCH(QString, word);
        QFETCH(QString, game);
        QFETCH(QString, missing);
        const bool super7 = word == "Super7" || word == "LottoMax"; // the 7-number builder
        const WheelBuilder builder = super7 ? WheelBuilder::Super7 : WheelBuilder::Pick6;
        // Type T's set holds T lines, so each entry shows which file it opened.
        for (const WheelKind& kind : WheelCatalogue::kinds(builder)) {
            for (int line = 1; line <= kind.type; ++line)
                QVERIFY(EntryFile::AppendEntryLine(m_fx->path(word + kind.entrySetSuffix), {1, 2, 3, 4, 5, 6, 7}, 2));
        }
        startOn(selector);
        QSet<QKeySequence> accessKeys;
        for (const WheelKind* kind : WheelCatalogue::openMenuKinds()) {
            auto* entry = m_main->findChild<QAction*>(kind->menuName);
            QCOMPARE(entry->isVisible(), kind->builder == builder);
            if (kind->builder != builder)
                continue;
            accessKeys << QKeySequence::mnemonic(entry->text());
            entry->trigger();
            QCOMPARE(m_main->entrySet().path(), m_fx->path(word + kind->entrySetSuffix));
            QCOMPARE(fieldText(m_main, "entryCountEdit"), QString::number(kind->type));
        }
        QVERIFY(m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
        // Each entry of the game has its own access key; the list names the set shown last.
        QVERIFY(!accessKeys.contains(QKeySequence()));
        QCOMPARE(accessKeys.size(), super7 ? 5 : 10);
        QCOMPARE(m_main->findChild<QLabel*>("setNameLabel")->text(), word + (super7 ? " 7-7-3 wheel" : " 6-3-3 wheel"));

        // A set never saved: the message, and the set shown stays.
        const QString firstSet = word + WheelCatalogue::kinds(builder).front().entrySetSuffix;
        QVERIFY(QFile::remove(m_fx->path(firstSet)));
        const QString shown = m_main->entrySet().path();
        m_main->findChild<QAction*>(WheelCatalogue::kinds(builder).front().menuName)->trigger();
        QCOMPARE(m_fx->prompts->last(), "Drawsmith Canada: " + missing);
        QCOMPARE(m_main->entrySet().path(), shown);

        // "Create" opens the game's builder on its first kind; its cover names the game and the set.
        TRIGGER(m_main, "mnuWheelCreate");
        QWidget* window = openWindow(super7 ? "wheel7" : "wheel6");
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), (super7 ? game : "Pick 6") + " - Guaranteed Wheels");
        QVERIFY(!m_main->isInputEnabled());
        CLICK(window, "Command2");
        QCOMPARE(m_fx->printers.jobs.size(), std::size_t(1));
        QCOMPARE(m_fx->printers.jobs.front().lines[2], "Wheel for " + game);
        QCOMPARE(m_fx->printers.jobs.front().lines.last(), "File Maintenance Name: " + firstSet);
        // Closing by the frame gives the main window back, as "Close" does.
        window->close();
        QTRY_VERIFY(m_main->isInputEnabled());
    }

    void savingTheShownKindEmptiesTheList()
    {
        QVERIFY(ResultsFile::insertDraw(m_fx->path("CAN1.rtl"), 1, 5, 12, 2026, {4, 8, 15, 16, 23, 42, 0}, 7));
        for (int line = 0; line < 2; ++line)
            QVERIFY(EntryFile::AppendEntryLine(m_fx->path("National-6-4-3.lot"), {1, 2, 3, 4, 5, 6, 0}, 1));
        startOn("nationalRadio");
        TRIGGER(m_main, "mnu643");
        QCOMPARE(fieldText(m_main, "entryCountEdit"), "2");
        QVERIFY(m_main->isDrawShown());

        TRIGGER(m_main, "mnuWheelCreate");
        QWidget* builder = openWindow("wheel6");
        QVERIFY(builder);
        CLICK(builder, "Command3"); // 6-6-6: another kind, the list stays
        QCOMPARE(fieldText(m_main, "entryCountEdit"), "2");
        CLICK(builder, "Option9");
        m_fx->prompts->answers << true; // to overwrite the set shown
        CLICK(builder, "Command3");
        QCOMPARE(fieldText(m_main, "entryCountEdit"), "0");
        QCOMPARE(m_main->entrySet().path(), QString());
        QVERIFY(m_main->isDrawShown());
        CLICK(builder, "Command1");
        QTRY_VERIFY(m_main->isInputEnabled());
    }

private:
    // "nationalRadio", "super7Radio", or a province menu action such as "actionSelectOntario".
    void startOn(const QString& selector)
    {
        m_main = m_fx->start();
        if (auto* action = m_main->findChild<QAction*>(selector))
            action->trigger();
        else
            QTest::mouseClick(m_main->findChild<QWidget*>(selector), Qt::LeftButton);
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Wheels)
#include "tst_Wheels.moc"

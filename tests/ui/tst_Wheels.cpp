#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "UiDriver.h"
#include "WheelCatalogue.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace
{
const QString app = QStringLiteral("Drawsmith Canada: ");
}

// The main window's "Wheels" menu: "Create" opens the game's builder, the "Open" entries show saved
// sets through the entry set, and a builder that replaces the shown set empties the list.
class tst_Wheels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void createPerGame_data();
    void createPerGame();
    void openEveryKind_data();
    void openEveryKind();
    void savingTheShownKindEmptiesTheList();

private:
    void selectGame(const QString& selector);
    QString count() const;

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

void tst_Wheels::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    QVERIFY(QFile::link(QStringLiteral(WHEELS_DIR), m_fx->path("wheels")));
    m_fx->printers.names = QStringList{"Laser"};
}

void tst_Wheels::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

// "nationalRadio", "super7Radio", or a province menu action such as "actionSelectOntario".
void tst_Wheels::selectGame(const QString& selector)
{
    if (selector.startsWith("action"))
        m_main->findChild<QAction*>(selector)->trigger();
    else
        QTest::mouseClick(m_main->findChild<QWidget*>(selector), Qt::LeftButton);
}

QString tst_Wheels::count() const
{
    return m_main->findChild<QLineEdit*>("entryCountEdit")->text();
}

void tst_Wheels::createPerGame_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("setName");
    QTest::newRow("National") << "nationalRadio"
                              << "wheel6"
                              << "Wheel for National 6/49"
                              << "National-6-6-6.lot";
    QTest::newRow("Ontario") << "actionSelectOntario"
                             << "wheel6"
                             << "Wheel for Ontario 6/49"
                             << "Ontario-6-6-6.lot";
    QTest::newRow("Super 7") << "super7Radio"
                             << "wheel7"
                             << "Wheel for Super 7"
                             << "Super7-7-7-7.lot";
}

void tst_Wheels::createPerGame()
{
    QFETCH(QString, selector);
    QFETCH(QString, builder);
    m_main = m_fx->start();
    selectGame(selector);
    TRIGGER(m_main, "mnuWheelCreate");
    QWidget* window = openWindow(builder);
    QVERIFY(window);
    QVERIFY(!m_main->isInputEnabled());
    // The cover names the game and the set the wheel context chose.
    CLICK(window, "Command2");
    QCOMPARE(m_fx->printers.jobs.size(), std::size_t(1));
    QTEST(m_fx->printers.jobs.front().lines[2], "title");
    QFETCH(QString, setName);
    QCOMPARE(m_fx->printers.jobs.front().lines.last(), "File Maintenance Name: " + setName);
    // Closing by the frame gives the main window back, as "Close" does.
    window->close();
    QTRY_VERIFY(m_main->isInputEnabled());
}

void tst_Wheels::openEveryKind_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("super7");
    QTest::addColumn<QString>("missing");
    const QString lotto = QStringLiteral("You have not yet created this 6 wheel for Lotto");
    QTest::newRow("National") << "nationalRadio" << QStringLiteral("National") << false << lotto;
    QTest::newRow("Ontario") << "actionSelectOntario" << QStringLiteral("Ontario") << false << lotto;
    QTest::newRow("Super 7") << "super7Radio" << QStringLiteral("Super7") << true
                             << QStringLiteral("You have not yet created this 7 wheel for Super 7");
}

void tst_Wheels::openEveryKind()
{
    QFETCH(QString, selector);
    QFETCH(QString, word);
    QFETCH(bool, super7);
    const WheelBuilder builder = super7 ? WheelBuilder::Super7 : WheelBuilder::Pick6;
    // Type T's set holds T lines, so each entry shows which file it opened.
    for (const WheelKind& kind : WheelCatalogue::kinds(builder)) {
        for (int line = 1; line <= kind.type; ++line)
            QVERIFY(EntryFile::AppendEntryLine(m_fx->path(word + kind.entrySetSuffix), {1, 2, 3, 4, 5, 6, 7}, 2));
    }
    m_main = m_fx->start();
    selectGame(selector);
    const int gameId = m_main->state().gameId;
    const QString dated = m_fx->path(EntryFile::DatedEntryFileName(gameId, 5, 12, 2026));
    QVERIFY(QFile::exists(dated));

    for (const WheelKind* kind : WheelCatalogue::openMenuKinds()) {
        auto* entry = m_main->findChild<QAction*>(kind->menuName);
        QCOMPARE(entry->isVisible(), kind->builder == builder);
        if (kind->builder != builder)
            continue;
        entry->trigger();
        QCOMPARE(m_main->entrySet().path(), m_fx->path(word + kind->entrySetSuffix));
        QCOMPARE(m_main->entrySet().selectedWheel(), kind->type);
        QCOMPARE(count(), QString::number(kind->type));
        QCOMPARE(m_main->entrySet().index(0).data().toString(),
                 super7 ? QStringLiteral("01 02 03 04 05 06 07") : QStringLiteral("01 02 03 04 05 06"));
    }
    QVERIFY(m_main->findChild<QPushButton*>("datedEntryButton")->isVisible());
    QVERIFY(!m_main->findChild<QWidget*>("entryDateEdit")->isVisible());
    QVERIFY(!QFile::exists(dated)); // the empty dated file was left behind and removed

    // A set never saved: the message, and the list, its file and its type stay as they were.
    const WheelKind& first = WheelCatalogue::kinds(builder).front();
    QVERIFY(QFile::remove(m_fx->path(word + first.entrySetSuffix)));
    const QString shown = m_main->entrySet().path();
    const int shownType = m_main->entrySet().selectedWheel();
    m_main->findChild<QAction*>(first.menuName)->trigger();
    QFETCH(QString, missing);
    QCOMPARE(m_fx->prompts->last(), app + missing);
    QCOMPARE(m_main->entrySet().path(), shown);
    QCOMPARE(m_main->entrySet().selectedWheel(), shownType);
    QCOMPARE(count(), QString::number(shownType));
    QVERIFY(!QFile::exists(m_fx->path(word + first.entrySetSuffix)));
}

void tst_Wheels::savingTheShownKindEmptiesTheList()
{
    QVERIFY(ResultsFile::insertDraw(m_fx->path("CAN1.rtl"), 1, 5, 12, 2026, {4, 8, 15, 16, 23, 42, 0}, 7));
    for (int line = 0; line < 2; ++line)
        QVERIFY(EntryFile::AppendEntryLine(m_fx->path("National-6-4-3.lot"), {1, 2, 3, 4, 5, 6, 0}, 1));
    m_main = m_fx->start();
    selectGame("nationalRadio");
    TRIGGER(m_main, "mnu643");
    QCOMPARE(count(), QStringLiteral("2"));
    QVERIFY(m_main->isDrawShown());

    TRIGGER(m_main, "mnuWheelCreate");
    QWidget* builder = openWindow("wheel6");
    QVERIFY(builder);
    CLICK(builder, "Command3"); // 6-6-6: another kind, the list stays
    QCOMPARE(count(), QStringLiteral("2"));
    CLICK(builder, "Option9");
    m_fx->prompts->answers << true;
    CLICK(builder, "Command3");
    QCOMPARE(m_fx->prompts->texts(),
             (QStringList{"Done!",
                          "You have already created one of thse wheels. Do you want to overwrite the existing entry "
                          "with this new entry?",
                          "Done!"}));
    QCOMPARE(count(), QStringLiteral("0"));
    QCOMPARE(m_main->entrySet().path(), QString());
    QCOMPARE(m_main->entrySet().selectedWheel(), 0);
    QVERIFY(m_main->isDrawShown());
    CLICK(builder, "Command1");
    QTRY_VERIFY(m_main->isInputEnabled());
}

QTEST_MAIN(tst_Wheels)
#include "tst_Wheels.moc"

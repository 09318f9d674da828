#include "MainWindowFixture.h"
#include "WheelCatalogue.h"

#include <QRegularExpression>
#include <QSet>

#include <set>

namespace
{
// The texts of the group's ball boxes in view.
QStringList visibleBalls(QWidget* builder)
{
    QStringList texts;
    for (const QLineEdit* box : builder->findChildren<QLineEdit*>(QRegularExpression("^Text1_")))
        if (box->isVisibleTo(builder))
            texts << box->text();
    return texts;
}
} // namespace

// The main window's "Wheels" menu: the "Open" entries show saved sets through the entry set, and
// "Create" opens the game's builder, which proposes, prints and saves wheels.
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
        FINISH(m_fx);
    }

    void openAndCreatePerGame_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("game");
        QTest::newRow("National") << "nationalRadio" << QStringLiteral("National") << "National 6/49";
        QTest::newRow("Ontario") << "actionSelectOntario" << QStringLiteral("Ontario") << "Ontario 6/49";
        QTest::newRow("Super 7") << "super7Radio" << QStringLiteral("Super7") << "Super 7";
        QTest::newRow("Lotto Max") << "lottoMaxRadio" << QStringLiteral("LottoMax") << "Lotto Max";
    }

    void openAndCreatePerGame()
    {
        QFETCH(QString, selector);
        QFETCH(QString, word);
        QFETCH(QString, game);
        const bool seven = word == "Super7" || word == "LottoMax"; // the 7-number builder
        const WheelBuilder builder = seven ? WheelBuilder::Super7 : WheelBuilder::Pick6;
        // Type T's set holds T lines, so each entry shows which file it opened.
        for (const WheelKind& kind : WheelCatalogue::kinds(builder)) {
            for (int line = 1; line <= kind.type; ++line)
                QVERIFY(EntryFile::AppendEntryLine(m_fx->path(word + kind.entrySetSuffix), {1, 2, 3, 4, 5, 6, 7}, 2));
        }
        m_main = m_fx->start();
        if (auto* action = m_main->findChild<QAction*>(selector))
            action->trigger();
        else
            QTest::mouseClick(m_main->findChild<QWidget*>(selector), Qt::LeftButton);
        QSet<QKeySequence> accessKeys;
        QString lastCaption;
        for (const WheelKind* kind : WheelCatalogue::openMenuKinds()) {
            auto* entry = m_main->findChild<QAction*>(kind->menuName);
            QCOMPARE(entry->isVisible(), kind->builder == builder);
            if (kind->builder != builder)
                continue;
            accessKeys << QKeySequence::mnemonic(entry->text());
            lastCaption = entry->text();
            entry->trigger();
            QCOMPARE(m_main->entrySet().path(), m_fx->path(word + kind->entrySetSuffix));
            QCOMPARE(fieldText(m_main, "entryCountEdit"), QString::number(kind->type));
        }
        QVERIFY(m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
        // Each entry of the game has its own access key; the list names the set shown last.
        QVERIFY(!accessKeys.contains(QKeySequence()));
        QCOMPARE(accessKeys.size(), seven ? 5 : 10);
        QCOMPARE(m_main->findChild<QLabel*>("setNameLabel")->text(), word + (seven ? " 7-7-3 wheel" : " 6-3-3 wheel"));
        QCOMPARE(lastCaption, seven ? "&5 Guarantee Match 3 if 7 Picked from Group" : "1&0 Guarantee Match 3 if 3 Picked from Group");

        // A set never saved: the message, and the set shown stays.
        const QString firstSet = word + WheelCatalogue::kinds(builder).front().entrySetSuffix;
        QVERIFY(QFile::remove(m_fx->path(firstSet)));
        const QString shown = m_main->entrySet().path();
        m_main->findChild<QAction*>(WheelCatalogue::kinds(builder).front().menuName)->trigger();
        SAID(m_fx, "You have not yet created this " + (seven ? "7 wheel for " + game : "6 wheel for Lotto"));
        QCOMPARE(m_main->entrySet().path(), shown);

        // "Create" opens the game's builder on its first kind; its cover names the game and the set.
        TRIGGER(m_main, "mnuWheelCreate");
        QWidget* window = openWindow(seven ? "wheel7" : "wheel6");
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), (seven ? game : "Pick 6") + " - Guaranteed Wheels");
        QVERIFY(!m_main->isInputEnabled());
        CLICK(window, "Command2");
        QCOMPARE(m_fx->printers.jobs.size(), std::size_t(1));
        QCOMPARE(m_fx->printers.jobs.front().lines[2], "Wheel for " + game);
        QCOMPARE(m_fx->printers.jobs.front().lines.last(), "File Maintenance Name: " + firstSet);
        window->close(); // the frame's close button gives the main window back, as "Close" does
        QTRY_VERIFY(m_main->isInputEnabled());
    }

    // The 6/49 builder over a National history whose most drawn numbers are 1 to 9.
    void proposePrintAndSave()
    {
        const QString history = m_fx->path("CAN1.rtl");
        for (int day : {1, 4})
            QVERIFY(ResultsFile::insertDraw(history, 1, day, 1, 2020, {1, 2, 3, 4, 5, 6, 0}, 49));
        QVERIFY(ResultsFile::insertDraw(history, 1, 5, 12, 2026, {1, 2, 3, 7, 8, 9, 0}, 49)); // the bonus never counts
        const QString set = m_fx->path("National-6-4-3.lot");
        for (int line = 0; line < 2; ++line)
            QVERIFY(EntryFile::AppendEntryLine(set, {1, 2, 3, 4, 5, 6, 0}, 1));
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        TRIGGER(m_main, "mnu643");
        TRIGGER(m_main, "mnuWheelCreate");
        QWidget* builder = openWindow("wheel6");
        QVERIFY(builder);
        CLICK(builder, "Option9");
        QCOMPARE(rowTexts(builder->findChild<QComboBox*>("Combo1")->model()), QStringList({"9", "10", "11"}));
        QCOMPARE(visibleBalls(builder), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        auto* lines = builder->findChild<QLineEdit*>("Text25");
        QTest::keyClicks(lines, "99"); // the line count is the wheel's, not the player's to type
        QCOMPARE(lines->text(), "3");
        const QStringList group{"45", "07", "12.5", "3", "30", "41", "9", "17", "22"};
        const QList<QLineEdit*> balls = builder->findChildren<QLineEdit*>(QRegularExpression("^Text1_"));
        for (int k = 0; k < group.size(); ++k) {
            balls[k]->clear();
            QTest::keyClicks(balls[k], group[k]);
        }
        CLICK(builder, "Command2"); // the cover: the group as numbers, and the lines it takes
        const QStringList cover = m_fx->printers.jobs.back().lines;
        QCOMPARE(cover.at(6), " 45 7 12.5 3 30 41 9 17 22");
        QCOMPARE(cover.at(11), "Number of game entries required for coverage is 3");
        const QByteArray shown = readFileBytes(set);
        m_fx->prompts.answers << false << true;
        CLICK(builder, "Command3");
        SAID(m_fx,
             "You have already created one of thse wheels. Do you want to overwrite the existing entry with this new "
             "entry?");
        QVERIFY(m_fx->prompts.noByDefault.last());
        QCOMPARE(readFileBytes(set), shown);
        CLICK_SAYS(m_fx, builder, "Command3", "Done!");
        // Three lines over the group as typed; the main window no longer shows the lines replaced,
        // but keeps its draw.
        std::set<int> used;
        for (const EntryNumbers& line : EntryFile::readAllLines(set).value_or(std::vector<EntryNumbers>{}))
            used.insert(line.begin(), line.begin() + 6);
        QCOMPARE(EntryFile::ReadEntryCount(set), std::optional<int>(3));
        QCOMPARE(used, (std::set<int>{3, 7, 9, 12, 17, 22, 30, 41, 45}));
        QCOMPARE(fieldText(m_main, "entryCountEdit"), "0");
        QVERIFY(m_main->isDrawShown());
        CLICK(builder, "Command1");
        QTRY_VERIFY(m_main->isInputEnabled());
    }

private:
    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Wheels)
#include "tst_Wheels.moc"

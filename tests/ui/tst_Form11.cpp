#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "UiDriver.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>

namespace
{
const QString app = QStringLiteral("Drawsmith Canada: ");
const QString question = app + "Are you sure you want to delete this lottery selection file?";
} // namespace

// The file deletion window opened from the main window's File menu.
class tst_Form11 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deleteAnswered_data();
    void deleteAnswered();
    void refusalsAndFolderChanges();

private:
    QStringList listed() const;
    int rowOf(const QString& name) const;

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
    QWidget* m_deletion = nullptr;
};

void tst_Form11::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    QVERIFY(EntryFile::AppendEntryLine(m_fx->path("StandSuper7.lot"), {2, 9, 16, 23, 30, 37, 44}, 2));
    QVERIFY(EntryFile::AppendEntryLine(m_fx->path("Nat64905JAN2003.lot"), {3, 11, 24, 30, 41, 49, 0}, 1));
    m_main = m_fx->start();
    [this] { TRIGGER(m_main, "actionDeleteEntryFiles"); }();
    m_deletion = openWindow("Form11");
    QVERIFY(m_deletion);
    QVERIFY(!m_main->isInputEnabled());
}

void tst_Form11::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

QStringList tst_Form11::listed() const
{
    QStringList names;
    auto* files = m_deletion->findChild<QListWidget*>("fileList");
    for (int i = 0; i < files->count(); ++i)
        names << files->item(i)->text();
    return names;
}

int tst_Form11::rowOf(const QString& name) const
{
    return int(listed().indexOf(name));
}

void tst_Form11::deleteAnswered_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void tst_Form11::deleteAnswered()
{
    QFETCH(bool, yes);
    const QString shown = QFileInfo(m_main->entrySet().path()).fileName();
    QCOMPARE(listed(), QStringList({"Nat64905JAN2003.lot", "StandSuper7.lot", shown}));
    auto* contents = m_deletion->findChild<QListWidget*>("contentsList");
    clickRow(m_deletion->findChild<QListWidget*>("fileList"), rowOf("StandSuper7.lot"));
    QCOMPARE(contents->count(), 1);
    QCOMPARE(contents->item(0)->text(), "02 09 16 23 30 37 44 ");

    m_fx->prompts->answers << yes;
    CLICK(m_deletion, "deleteButton");
    QCOMPARE(m_fx->prompts->last(), question);
    QCOMPARE(QFile::exists(m_fx->path("StandSuper7.lot")), !yes);
    QCOMPARE(listed().contains("StandSuper7.lot"), !yes);
    QCOMPARE(contents->count(), yes ? 0 : 1);
    CLICK(m_deletion, "closeButton");
    QTRY_VERIFY(m_main->isInputEnabled());
}

void tst_Form11::refusalsAndFolderChanges()
{
    CLICK(m_deletion, "deleteButton");
    QCOMPARE(m_fx->prompts->last(), app + "You have not selected a file for deletion");

    const QString shown = m_main->entrySet().path();
    clickRow(m_deletion->findChild<QListWidget*>("fileList"), rowOf(QFileInfo(shown).fileName()));
    CLICK(m_deletion, "deleteButton");
    QCOMPARE(m_fx->prompts->last(),
             app + "You cannot delete this file, you currently have it opened in the main program");
    QVERIFY(QFile::exists(shown));

    // Files added and deleted behind the window's back.
    clickRow(m_deletion->findChild<QListWidget*>("fileList"), rowOf("Nat64905JAN2003.lot"));
    QVERIFY(EntryFile::AppendEntryLine(m_fx->path("BC05JAN2003.lot"), {1, 2, 3, 4, 5, 6, 0}, 4));
    QVERIFY(QFile::remove(m_fx->path("Nat64905JAN2003.lot")));
    QTRY_VERIFY(listed().contains("BC05JAN2003.lot") && !listed().contains("Nat64905JAN2003.lot"));
    QCOMPARE(m_deletion->findChild<QListWidget*>("contentsList")->count(), 0);
    CLICK(m_deletion, "closeButton");
}

QTEST_MAIN(tst_Form11)
#include "tst_Form11.moc"

#include "MainWindowFixture.h"
#include "UiDriver.h"
#include "editEntry.h"

#include <QDir>

// The edit window over an entry set of its own, without the main window.
class tst_editEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void changesTheOneLine();
    void refusalsKeepTheLine();

private:
    std::unique_ptr<WindowFixture> m_w;
};

void tst_editEntry::init()
{
    m_w = std::make_unique<WindowFixture>();
    QVERIFY(m_w->entries.open(m_w->path("Ontario05DEC2026.lot"), 6));
    QVERIFY(m_w->entries.append(std::vector<EntryNumbers>{{1, 2, 3, 4, 5, 6, 0}, {7, 8, 9, 10, 11, 12, 0}}));
}

void tst_editEntry::cleanup()
{
    FINISH_WINDOWS(m_w);
    m_w.reset();
}

void tst_editEntry::changesTheOneLine()
{
    auto* editor = new editEntry(m_w->entries, 1, m_w->entries.lines()[1], nullptr);
    editor->show();
    TYPE_BOXES(editor, {"49", "8", "9", "10", "11", "1"});
    CLICK(editor, "changeButton");
    QVERIFY(!editor->isVisible());
    QCOMPARE(m_w->entries.index(1).data().toString(), QStringLiteral("01 08 09 10 11 49"));
    const std::vector<EntryNumbers> lines{{1, 2, 3, 4, 5, 6, 0}, {1, 8, 9, 10, 11, 49, 0}};
    QCOMPARE(EntryFile::readAllLines(m_w->entries.path()), std::optional(lines));
}

void tst_editEntry::refusalsKeepTheLine()
{
    auto* editor = new editEntry(m_w->entries, 0, m_w->entries.lines()[0], nullptr);
    editor->show();
    TYPE_BOXES(editor, {"49", "8", "9", "10", "11", "11"});
    CLICK(editor, "changeButton");
    QCOMPARE(m_w->prompts.last(), QStringLiteral("Drawsmith Canada: One or more of your numbers are the same!"));
    // The file turns into a folder behind the window's back, which no one can write as a file.
    QDir folder(m_w->dir.path());
    QVERIFY(folder.remove("Ontario05DEC2026.lot") && folder.mkdir("Ontario05DEC2026.lot"));
    TYPE_BOXES(editor, {"40", "41", "42", "43", "44", "45"});
    CLICK(editor, "changeButton");
    QVERIFY2(m_w->prompts.last().contains("Ontario05DEC2026.lot"), qPrintable(m_w->prompts.last()));
    QVERIFY(editor->isVisible());
    QCOMPARE(m_w->entries.index(0).data().toString(), QStringLiteral("01 02 03 04 05 06"));
}

QTEST_MAIN(tst_editEntry)
#include "tst_editEntry.moc"

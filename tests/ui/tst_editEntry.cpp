#include "EntrySet.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"
#include "editEntry.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The edit window over an entry set of its own, without the main window.
class tst_editEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void changesTheOneLine();
    void refusalKeepsWindowOpen();
    void unwritableFileKeepsLine();

private:
    editEntry* open(int row);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<EntrySet> m_entries;
};

void tst_editEntry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_entries = std::make_unique<EntrySet>();
    const QString path = m_dir->filePath("Ontario05DEC2026.lot");
    QVERIFY(m_entries->open(path, 6));
    QVERIFY(m_entries->append({1, 2, 3, 4, 5, 6, 0}));
    QVERIFY(m_entries->append({7, 8, 9, 10, 11, 12, 0}));
}

void tst_editEntry::cleanup()
{
    CLOSE_ALL_WINDOWS();
    QVERIFY2(m_prompts->drained(), qPrintable(m_prompts->unexpected.join(" | ")));
    m_entries.reset();
    m_prompts.reset();
}

editEntry* tst_editEntry::open(int row)
{
    auto* editor = new editEntry(*m_entries, row, m_entries->lines()[row], nullptr);
    editor->show();
    return editor;
}

void tst_editEntry::changesTheOneLine()
{
    editEntry* editor = open(1);
    QSignalSpy closed(editor, &ChildWindow::closed);
    QCOMPARE(editor->findChild<QLineEdit*>("numberBox1")->text(), QStringLiteral("07"));
    QVERIFY(!editor->findChild<QLineEdit*>("numberBox7")->isVisible());
    TYPE_BOXES(editor, {"49", "8", "9", "10", "11", "1"});
    CLICK(editor, "changeButton");
    QCOMPARE(closed.count(), 1);
    QCOMPARE(m_entries->index(1).data().toString(), QStringLiteral("01 08 09 10 11 49"));
    QCOMPARE(EntryFile::ReadEntryLine(m_entries->path(), 2), std::optional<EntryNumbers>({1, 8, 9, 10, 11, 49, 0}));
    QCOMPARE(EntryFile::ReadEntryLine(m_entries->path(), 1), std::optional<EntryNumbers>({1, 2, 3, 4, 5, 6, 0}));
}

void tst_editEntry::refusalKeepsWindowOpen()
{
    editEntry* editor = open(0);
    TYPE_BOXES(editor, {"49", "8", "9", "10", "11", "11"});
    CLICK(editor, "changeButton");
    QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: One or more of your numbers are the same!"));
    QVERIFY(editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Escape); // Escape acts as Cancel
    QVERIFY(!editor->isVisible());
    QCOMPARE(m_entries->index(0).data().toString(), QStringLiteral("01 02 03 04 05 06"));
}

void tst_editEntry::unwritableFileKeepsLine()
{
    editEntry* editor = open(0);
    // The file turns into a folder behind the window's back, which no one can write as a file.
    QVERIFY(QFile::remove(m_entries->path()));
    QVERIFY(QDir().mkdir(m_entries->path()));
    TYPE_BOXES(editor, {"40", "41", "42", "43", "44", "45"});
    CLICK(editor, "changeButton");
    QVERIFY2(m_prompts->last().contains("Ontario05DEC2026.lot"), qPrintable(m_prompts->last()));
    QVERIFY(editor->isVisible());
    QCOMPARE(m_entries->index(0).data().toString(), QStringLiteral("01 02 03 04 05 06"));
}

QTEST_MAIN(tst_editEntry)
#include "tst_editEntry.moc"

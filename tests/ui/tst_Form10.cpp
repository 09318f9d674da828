#include "EntrySet.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "Form10.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"
#include "RecordingPrinter.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(Lines)

namespace
{
const EntryNumbers Low{1, 2, 3, 4, 5, 6, 0}; // sum 21, below every band
const EntryNumbers A{3, 12, 23, 34, 41, 45, 0};
const EntryNumbers NearA{3, 12, 23, 34, 41, 46, 0}; // five numbers of A
const EntryNumbers B{7, 14, 21, 28, 35, 42, 0};

QString fieldText(QWidget* window, const char* name)
{
    return window->findChild<QLineEdit*>(name)->text();
}

QStringList totals(QWidget* window)
{
    return {
        fieldText(window, "totalEntriesEdit"), fieldText(window, "checkedEdit"), fieldText(window, "resultingEdit")};
}

// Ticks the filters as the player does and presses Check.
void check(QWidget* window, bool sum, bool coverage)
{
    if (sum)
        QTest::mouseClick(window->findChild<QCheckBox*>("sumFilterCheck"), Qt::LeftButton);
    if (coverage)
        QTest::mouseClick(window->findChild<QCheckBox*>("coverageFilterCheck"), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>("checkButton"), Qt::LeftButton);
}

std::vector<bool> ticks(QListWidget* list)
{
    std::vector<bool> out;
    for (int r = 0; r < list->count(); ++r)
        out.push_back(list->item(r)->checkState() == Qt::Checked);
    return out;
}
} // namespace

class tst_Form10 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checkChangeRemove();
    void defaultThreshold_data();
    void defaultThreshold();
    void removeEveryLine();
    void failedRemovalKeepsFile();
    void print();
    void closeDuringLongCheck();
    void fromMainWindow_data();
    void fromMainWindow();

private:
    Form10* open(int gameId, const Lines& lines);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<EntrySet> m_entries;
    RecordingPrinter m_printers;
    std::unique_ptr<MainWindowFixture> m_fx;
};

void tst_Form10::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Form10::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_entries = std::make_unique<EntrySet>();
    m_printers.jobs.clear();
}

void tst_Form10::cleanup()
{
    if (m_fx) {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }
    CLOSE_ALL_WINDOWS();
    QVERIFY2(m_prompts->drained(), qPrintable(m_prompts->unexpected.join(" | ")));
    m_entries.reset();
    m_prompts.reset();
}

Form10* tst_Form10::open(int gameId, const Lines& lines)
{
    m_entries->open(m_dir->filePath(EntryFile::DatedEntryFileName(gameId, 5, 12, 2026)), gameId);
    for (const EntryNumbers& line : lines)
        m_entries->append(line);
    auto* filter = new Form10(*m_entries, m_printers, true, nullptr);
    filter->show();
    return filter;
}

void tst_Form10::checkChangeRemove()
{
    Form10* filter = open(1, {Low, A, NearA, B, A});
    auto* list = filter->findChild<QListWidget*>("filteredList");
    CLICK(filter, "checkButton");
    QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: No filter has been specified"));
    QCOMPARE(list->count(), 0);

    check(filter, true, true);
    QCOMPARE(list->item(0)->text(), QStringLiteral("01 02 03 04 05 06 "));
    QCOMPARE(ticks(list), std::vector<bool>({true, false, true, false, true}));
    QCOMPARE(totals(filter), QStringList({"5", "3", "2"}));

    // The player keeps the near copy after all.
    clickRow(list, 2);
    QTest::keyClick(list->viewport(), Qt::Key_Space);
    QCOMPARE(totals(filter), QStringList({"5", "2", "3"}));

    CLICK(filter, "removeButton");
    QCOMPARE(m_entries->lines(), Lines({A, NearA, B}));
    QCOMPARE(EntryFile::readAllLines(m_entries->path()), std::optional(Lines({A, NearA, B})));
    QCOMPARE(list->count(), 0);
    QCOMPARE(totals(filter), QStringList({"", "", ""}));
}

void tst_Form10::defaultThreshold_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<std::vector<bool>>("marked");
    QTest::newRow("6/49 marks five shared")
        << 1 << QStringList{"3", "4", "5", "6"} << Lines{A, NearA, B} << std::vector<bool>{false, true, false};
    const EntryNumbers s7{2, 9, 16, 23, 30, 37, 44}, sixOfIt{2, 9, 16, 23, 30, 37, 45},
        fiveOfIt{2, 9, 16, 23, 30, 38, 45};
    QTest::newRow("super 7 marks six shared") << 2 << QStringList{"4", "5", "6", "7"} << Lines{s7, fiveOfIt, sixOfIt}
                                              << std::vector<bool>{false, false, true};
}

void tst_Form10::defaultThreshold()
{
    QFETCH(int, gameId);
    QFETCH(QStringList, captions);
    QFETCH(Lines, lines);
    QFETCH(std::vector<bool>, marked);
    Form10* filter = open(gameId, lines);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(filter->findChild<QRadioButton*>(QStringLiteral("thresholdOption%1").arg(i + 1))->text(), captions[i]);
    check(filter, false, true);
    QCOMPARE(ticks(filter->findChild<QListWidget*>("filteredList")), marked);
}

void tst_Form10::removeEveryLine()
{
    Form10* filter = open(4, {Low, {30, 31, 32, 33, 34, 35, 0}, {25, 26, 27, 28, 29, 39, 0}});
    filter->findChild<QSlider*>("sumSlider")->setValue(5); // 125..173: sums 21, 195 and 174 are outside
    check(filter, true, false);
    QCOMPARE(totals(filter), QStringList({"3", "3", "0"}));
    CLICK(filter, "removeButton");
    QCOMPARE(fileBytes(m_entries->path()), QByteArray(28, '\0'));
    QCOMPARE(m_entries->count(), 0);
}

void tst_Form10::failedRemovalKeepsFile()
{
#ifdef Q_OS_UNIX
    Form10* filter = open(1, {Low, A, NearA, B});
    const QByteArray before = fileBytes(m_entries->path());
    check(filter, true, false);
    {
        FileSizeLimit limit(20);
        CLICK(filter, "removeButton");
    }
    QVERIFY2(m_prompts->last().contains(QStringLiteral("Nat64905DEC2026.lot")), qPrintable(m_prompts->last()));
    QCOMPARE(fileBytes(m_entries->path()), before);
    QCOMPARE(m_entries->count(), 4);
    QCOMPARE(totals(filter), QStringList({"4", "1", "3"})); // still there, to try again
#else
    QSKIP("needs a file size limit");
#endif
}

void tst_Form10::print()
{
    m_printers.names = QStringList{"Desk"};
    Form10* filter = open(2, {{2, 9, 16, 23, 30, 37, 44}, {1, 2, 3, 4, 5, 6, 7}});
    CLICK(filter, "printButton");
    QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: There is no list to print!"));
    check(filter, true, false);
    CLICK(filter, "printButton");
    QCOMPARE(m_printers.jobs.size(), size_t(1));
    const QString indent(16, QLatin1Char(' '));
    QCOMPARE(
        m_printers.jobs[0].lines,
        QStringList(
            {"", "", "", indent + "02 09 16 23 30 37 44 ", indent + "01 02 03 04 05 06 07  Selected for Deletion"}));
}

void tst_Form10::closeDuringLongCheck()
{
    // The most lines a file holds, none alike, so the coverage check compares every pair.
    RecordFile file(EntryFile::RecordLength);
    for (const EntryNumbers& line : distinctLines(EntryFile::MaxLines, 9))
        EntryFile::appendLine(file, line, 1);
    const QString path = m_dir->filePath("Nat64905DEC2026.lot");
    QVERIFY(file.save(path));
    QVERIFY(m_entries->open(path, 1));
    auto* filter = new Form10(*m_entries, m_printers, true, nullptr);
    filter->show();
    QSignalSpy closed(filter, &ChildWindow::closed);
    filter->findChild<QRadioButton*>("thresholdOption4")->setChecked(true);
    // Delivered while the check runs: the window answers it and stops the check to close.
    QTimer::singleShot(0, filter, &QWidget::close);
    check(filter, false, true);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(filter->findChild<QListWidget*>("filteredList")->count(), 0); // stopped, not finished
    QCOMPARE(fileBytes(path), file.bytes());
}

void tst_Form10::fromMainWindow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("wheel");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing shown") << "Western05DEC2026.lot" << 0 << 0 << QList<bool>{}
                                   << "You have no entries displayed to filter.";
    QTest::newRow("dated") << "Western05DEC2026.lot" << 0 << 3 << QList<bool>{} << "";
    QTest::newRow("standing") << "StandWestern.lot" << 0 << 3 << QList<bool>{} << "";
    QTest::newRow("wheel") << "Western-6-5-4.lot" << 6 << 3 << QList<bool>{true} << "";
    QTest::newRow("wheel refused") << "Western-6-5-4.lot" << 6 << 3 << QList<bool>{false} << "";
}

void tst_Form10::fromMainWindow()
{
    QFETCH(QString, file);
    QFETCH(int, wheel);
    QFETCH(int, lines);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, message);
    m_fx = std::make_unique<MainWindowFixture>();
    Form1* main = m_fx->start();
    EntrySet& shown = main->entrySet();
    QVERIFY(shown.open(m_fx->path(file), 3, wheel));
    for (const EntryNumbers& line : Lines{Low, A, B}) {
        if (shown.count() < lines)
            QVERIFY(shown.append(line));
    }
    m_fx->prompts->answers << answers;
    TRIGGER(main, "actionFilterEntry");
    auto* filter = openWindow<Form10>("Form10");
    if (!message.isEmpty())
        QCOMPARE(m_fx->prompts->last(), "Drawsmith Canada: " + message);
    if (!message.isEmpty() || answers == QList<bool>{false}) {
        QVERIFY(!filter);
        return;
    }
    QVERIFY(filter);
    QVERIFY(!main->isInputEnabled());
    check(filter, true, false);
    CLICK(filter, "removeButton");
    CLICK(filter, "closeButton");
    QTRY_VERIFY(main->isInputEnabled());
    // The same set is shown again, as its file now holds it.
    QCOMPARE(shown.path(), m_fx->path(file));
    QCOMPARE(shown.selectedWheel(), wheel);
    QCOMPARE(shown.lines(), Lines({A, B}));
    QCOMPARE(main->findChild<QLineEdit*>("entryCountEdit")->text(), QStringLiteral("2"));
}

QTEST_MAIN(tst_Form10)
#include "tst_Form10.moc"

#include "Form1.h"

#include "AppFolder.h"
#include "BallStrip.h"
#include "Clock.h"
#include "DrawCheck.h"
#include "DrawRules.h"
#include "EntryDamage.h"
#include "EntryFile.h"
#include "EntryRules.h"
#include "Form10.h"
#include "Form11.h"
#include "Form2.h"
#include "Form3.h"
#include "Form30.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form8.h"
#include "GameCatalogue.h"
#include "HelpViewer.h"
#include "HistoryDamage.h"
#include "HistoryImport.h"
#include "LinkProcess.h"
#include "ListSelection.h"
#include "Printing.h"
#include "Prompt.h"
#include "RDL.h"
#include "ResultsFile.h"
#include "WheelCatalogue.h"
#include "editEntry.h"
#include "frmAbout.h"
#include "wheel6.h"
#include "wheel7.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringListModel>
#include <QToolButton>

Form1::Form1(
    const ProgramFolders& folders, Clock& clock, PrinterSystem& printers, RandomSource& random, QWidget* parent)
    : QMainWindow(parent)
    , m_folders(folders)
    , m_clock(clock)
    , m_printers(printers)
    , m_random(random)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Prompt::appTitle());
    m_entries.setClock(m_clock);
    buildWindow();
    buildMenus();
}

Form1::~Form1() = default;

const AppState& Form1::state() const
{
    return m_state;
}

EntrySet& Form1::entrySet()
{
    return m_entries;
}

void Form1::buildWindow()
{
    m_ui.build(this, m_entries);
    for (QRadioButton* r : {m_ui.national, m_ui.super7, m_ui.lottoMax, m_ui.provincial}) {
        // Only the newly chosen selector switches, so one click runs one switch.
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                GameSwitch();
        });
    }

    connect(m_ui.drawDate, &QDateEdit::dateChanged, this, [this] { showDrawOfDate(); });
    connect(m_ui.entryDate, &QDateEdit::dateChanged, this, [this] { LoadDatedEntries(); });
    connect(m_ui.addDrawButton, &QPushButton::clicked, this, &Form1::addDraw);
    connect(m_ui.deleteDrawButton, &QPushButton::clicked, this, &Form1::deleteDraw);
    connect(m_ui.historyIcon, &QToolButton::clicked, this, &Form1::openDrawList);
    connect(m_ui.statsIcon, &QToolButton::clicked, this, [this] { openChild(new Form4(m_state, this)); });
    connect(m_ui.datedEntry, &QPushButton::clicked, this, &Form1::ShowDatedEntries);
    connect(m_ui.addButton, &QPushButton::clicked, this, &Form1::OpenAddWindow);
    connect(m_ui.editButton, &QPushButton::clicked, this, &Form1::OpenEditWindow);
    connect(m_ui.deleteButton, &QPushButton::clicked, this, &Form1::DeleteSelectedLines);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_ui.entryList, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &Form1::DeleteSelectedLines);
    connect(m_ui.checkButton, &QPushButton::clicked, this, &Form1::CheckEntries);
    connect(m_ui.historyCheck, &QPushButton::clicked, this, &Form1::OpenHistoryCheck);
    connect(m_ui.printEntries, &QPushButton::clicked, this, [this] { printList(m_entries.lineTexts()); });
    connect(m_ui.printWinning, &QPushButton::clicked, this, [this] { printList(m_ui.winningLines->stringList()); });
    // The count box, the scroll position and the winning lines follow every change of the set,
    // whichever window made it.
    connect(&m_entries, &QAbstractItemModel::modelReset, this, [this] {
        entriesChanged();
        showSetName();
        checkOnce(m_entries.path(), [this] {
            return EntryDamage::describeFile(m_entries.path(), m_entries.gameId(), m_entries.rulesDate());
        });
    });
    connect(&m_entries, &QAbstractItemModel::rowsRemoved, this, &Form1::entriesChanged);
    connect(&m_entries, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int, int last) {
        entriesChanged();
        m_ui.entryList->scrollTo(m_entries.index(last));
    });
    connect(&m_entries, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& changed) {
        entriesChanged();
        m_ui.entryList->selectionModel()->select(changed, QItemSelectionModel::ClearAndSelect);
    });
}

QAction* Form1::addMenuAction(QMenu* menu,
                              const QString& objectName,
                              const QString& caption,
                              const std::function<void()>& action)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(objectName);
    if (action)
        connect(entry, &QAction::triggered, this, action);
    return entry;
}

QMenu* Form1::addMenu(const QString& objectName, const QString& caption)
{
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(objectName);
    return menu;
}

void Form1::buildMenus()
{
    QMenu* file = addMenu(QStringLiteral("mnuFile"), tr("&File"));
    QMenu* province = file->addMenu(tr("Select Pro&vince"));
    province->setObjectName(QStringLiteral("mnuSelectProvince"));
    auto* provinces = new QActionGroup(province); // the current province is ticked
    for (int code = 1; code <= GameCatalogue::ProvinceCount; ++code) {
        const GameInfo& g = GameCatalogue::game(GameCatalogue::gameForProvince(code));
        // Each province's first letter is its access key.
        QAction* a = addMenuAction(province,
                                   QStringLiteral("actionSelect") + g.wheelWord,
                                   QLatin1Char('&') + g.provinceMenuCaption,
                                   [this, code] { selectProvince(code); });
        a->setCheckable(true);
        provinces->addAction(a);
    }
    addMenuAction(file, QStringLiteral("actionUpdateResults"), tr("&Update Results"), [this] {
        openChild(new RDL(m_state.appFolder, this), [this] { showDrawOfDate(); });
    });
    addMenuAction(
        file, QStringLiteral("actionImportDrawHistory"), tr("Import Draw &History…"), [this] { importDrawHistory(); });
    addMenuAction(file, QStringLiteral("actionDeleteEntryFiles"), tr("Entry File &Deletion"), [this] {
        openChild(new Form11(m_state.appFolder, m_entries, this));
    });
    addMenuAction(file, QStringLiteral("actionFilterEntry"), tr("&Filter Current Entry"), [this] { openFilter(); });
    addMenuAction(file, QStringLiteral("actionImportText"), tr("&Import TXT Entry"), [this] { openImport(); });
    addMenuAction(
        file, QStringLiteral("actionSelectPrinter"), tr("Select &Printer"), [this] { openPrinterSelection(); });
    file->addSeparator();
    addMenuAction(file, QStringLiteral("actionExit"), tr("E&xit"), [this] { close(); });

    QMenu* wheels = addMenu(QStringLiteral("mnuWheels"), tr("&Wheels"));
    addMenuAction(wheels, QStringLiteral("mnuWheelCreate"), tr("&Create"), [this] { createWheel(); });
    QMenu* open = wheels->addMenu(tr("&Open"));
    open->setObjectName(QStringLiteral("mnuWheelOpen"));
    for (const WheelKind* kind : WheelCatalogue::openMenuKinds()) {
        // The captions differ only in two digits, so the entries are numbered for their access
        // keys, as a list of recent files is: 1 to 9, then 10 with the key 0.
        const QString key = kind->type < 10 ? QStringLiteral("&%1 ").arg(kind->type) : QStringLiteral("1&0 ");
        QAction* a =
            addMenuAction(open, kind->menuName, key + kind->menuCaption, [this, kind] { openWheelKind(*kind); });
        (kind->builder == WheelBuilder::Super7 ? m_wheels7 : m_wheels6).append(a);
    }

    QMenu* standing = addMenu(QStringLiteral("mnuStandingEntry"), tr("&Standing Entry"));
    addMenuAction(
        standing, QStringLiteral("actionSaveStanding"), tr("&Save As Standing Entry"), [this] { SaveStandingEntry(); });
    addMenuAction(
        standing, QStringLiteral("actionOpenStanding"), tr("&Open Standing Entry"), [this] { OpenStandingEntry(); });
    QMenu* optimised = addMenu(QStringLiteral("mnuOptimisedEntry"), tr("&Optimised Entry"));
    addMenuAction(optimised, QStringLiteral("actionCreateOptimised"), tr("&Create"), [this] { openOptimiser(); });
    QMenu* help = addMenu(QStringLiteral("mnuHelp"), tr("&Help"));
    addMenuAction(help, QStringLiteral("actionHelpContents"), tr("&Contents"), [this] { showHelpContents(); });
    addMenuAction(help, QStringLiteral("actionAbout"), tr("&About Drawsmith"), [this] { showAbout(); });
}

void Form1::importDrawHistory()
{
    // A new player's histories are empty: the dialog opens where the bundled ones are.
    const QString source = HistoryImport::chooseFile(this, m_state.gameId, m_folders.histories);
    if (source.isEmpty())
        return;
    auto* import = new HistoryImport(m_state.gameId, m_state.historyPath(m_state.gameId), this);
    openChild(import, [this] { showDrawOfDate(); });
    import->run(source);
}

void Form1::startUp()
{
    const QDate today = m_clock.today();
    {
        // The first game switch loads both dates; setting them must not load anything before it.
        const QSignalBlocker blockDraw(m_ui.drawDate);
        const QSignalBlocker blockEntry(m_ui.entryDate);
        m_ui.drawDate->setDate(today);
        m_ui.entryDate->setDate(today);
    }
    m_state.appFolder = AppFolder::rootRule(m_folders.app);
    m_state.shareFolder = AppFolder::rootRule(m_folders.share);
    m_ui.strip->hideBalls();
    QString printerError;
    m_state.printerAvailable = ReadPrinterChoice(m_printers, m_state.appFolder, &printerError);
    if (!printerError.isEmpty())
        reportError(printerError);
    m_ui.enablePrinting(m_state.printerAvailable);
    m_ui.totalWins->setText(QStringLiteral("0"));
    m_ui.entryCount->setText(QStringLiteral("0"));
    m_ui.datedEntry->hide();

    QString error;
    const std::optional<int> saved = AppFolder::readSavedProvince(m_state.appFolder, &error);
    if (!saved)
        reportError(error);
    const int code = saved.value_or(0);
    // 0 (a new folder) and any value the program never writes select Western.
    selectProvince(code >= 1 && code <= GameCatalogue::ProvinceCount ? code : 1);
}

void Form1::selectProvince(int provinceCode)
{
    QString error;
    if (!AppFolder::updatesavedgame(m_state.appFolder, provinceCode, &error))
        reportError(error);
    m_state.province = static_cast<int16_t>(provinceCode);
    const QString word = GameCatalogue::game(GameCatalogue::gameForProvince(provinceCode)).wheelWord;
    if (auto* tick = findChild<QAction*>(QStringLiteral("actionSelect") + word))
        tick->setChecked(true);
    m_ui.provincial->setText(GameCatalogue::game(GameCatalogue::gameForProvince(provinceCode)).selectorCaption);
    if (m_ui.provincial->isChecked()) {
        GameSwitch();
    } else {
        m_ui.provincial->setChecked(true); // runs the switch through its toggled signal
    }
}

void Form1::GameSwitch()
{
    RemoveEmptyEntryFile();
    ClearMainDisplay();
    m_ui.datedEntry->hide();
    m_ui.entryDate->show();

    int gameId = GameCatalogue::gameForSelectorCaption(m_ui.provincial->text());
    QString caption = m_ui.provincial->text();
    QString entriesTitle = tr("My Enties for ") + caption;
    if (m_ui.national->isChecked()) {
        gameId = GameCatalogue::National;
        caption = m_ui.national->text();
        entriesTitle = QStringLiteral("My Enties For National 6/49");
    } else if (m_ui.super7->isChecked() || m_ui.lottoMax->isChecked()) {
        const bool super7 = m_ui.super7->isChecked();
        gameId = super7 ? GameCatalogue::Super7 : GameCatalogue::LottoMax;
        caption = (super7 ? m_ui.super7 : m_ui.lottoMax)->text();
        entriesTitle = tr("My Enties for ") + caption;
    }
    m_ui.entriesGroup->setTitle(entriesTitle);
    m_ui.drawGroup->setTitle(tr("Draw Date for ") + caption);
    m_ui.winningGroup->setTitle(tr("Winning Lines for ") + caption);
    m_ui.strip->setSevenNumbers(GameCatalogue::mainCount(gameId) == 7);
    m_state.gameId = static_cast<int16_t>(gameId);

    LoadDatedEntries();
    showDrawOfDate();
    if (m_entries.count() > 0 && isDrawShown())
        CheckEntries();
    SetWheelMenus(GameCatalogue::mainCount(gameId));
}

void Form1::ShowBall(int position, int number)
{
    if (position < 0 || position > 7)
        return;
    // The bonus follows the main numbers: position 6 in a 6/49 game, 7 in a seven-number game.
    const bool bonusLook = position == GameCatalogue::mainCount(m_state.gameId);
    m_ui.strip->showBall(position, number, bonusLook);
    m_state.displayedNumbers[position] = static_cast<int16_t>(number);
}

void Form1::showDraw(int record, const DrawRecord& draw)
{
    const int mainNumbers = GameCatalogue::mainCount(m_state.gameId);
    for (int pos = 0; pos < mainNumbers; ++pos)
        ShowBall(pos, draw.numbers[pos]);
    ShowBall(mainNumbers, draw.bonus);
    m_state.displayedRecord = static_cast<int16_t>(record);
}

void Form1::ClearMainDisplay()
{
    m_ui.strip->hideBalls();
    m_entries.clear();
    clearWinningLines();
}

void Form1::RemoveEmptyEntryFile()
{
    QString error;
    if (!m_entries.removeIfEmpty(&error))
        reportError(error);
}

void Form1::SetWheelMenus(int ballCount)
{
    if (ballCount != 6 && ballCount != 7)
        return;
    for (QAction* a : std::as_const(m_wheels6))
        a->setVisible(ballCount == 6);
    for (QAction* a : std::as_const(m_wheels7))
        a->setVisible(ballCount == 7);
}

bool Form1::isDrawShown() const
{
    return m_ui.strip->isBallVisible(0);
}

QDate Form1::drawDate() const
{
    return m_ui.drawDate->date();
}

void Form1::setDrawDate(const QDate& date)
{
    m_ui.drawDate->setDate(date);
}

void Form1::setEntryDate(const QDate& date)
{
    m_ui.entryDate->setDate(date);
}

void Form1::showDrawOfDate()
{
    const QDate date = m_ui.drawDate->date();
    m_state.drawDay = static_cast<int16_t>(date.day());
    m_state.drawMonth = static_cast<int16_t>(date.month());
    m_state.drawYear = static_cast<int16_t>(date.year());
    clearWinningLines();
    m_ui.strip->hideBalls();
    m_state.currentResultsFile = m_state.historyPath(m_state.gameId);
    m_ui.strip->setSevenNumbers(GameCatalogue::mainCount(m_state.gameId) == 7);

    QString error;
    const auto draws = ResultsFile::readAll(m_state.currentResultsFile, &error);
    if (!draws) {
        reportError(error);
        return;
    }
    const int gameId = m_state.gameId;
    checkOnce(m_state.currentResultsFile,
              [&] { return HistoryDamage::describeFile(m_state.currentResultsFile, gameId); });
    for (size_t k = 0; k < draws->size(); ++k) {
        if ((*draws)[k].isOn(date.day(), date.month(), date.year())) {
            showDraw(static_cast<int>(k + 1), (*draws)[k]);
            return;
        }
    }
}

void Form1::clearWinningLines()
{
    m_ui.winningLines->setStringList({});
    m_ui.totalWins->setText(QStringLiteral("0"));
}

void Form1::entriesChanged()
{
    m_ui.entryCount->setText(QString::number(m_entries.count()));
    // Winning lines belong to the lines as they were checked; a changed set must be checked again.
    clearWinningLines();
}

void Form1::showSetName()
{
    QString name;
    if (m_entries.kind() == EntryKind::Standing)
        name = tr("Standing Entry");
    else if (m_entries.kind() == EntryKind::Wheel)
        name = WheelCatalogue::shownSetName(m_entries.gameId(), m_entries.selectedWheel());
    m_ui.setName->setText(name);
    m_ui.setName->setVisible(!name.isEmpty());
}

void Form1::reportError(const QString& error)
{
    Prompt::warn(this, error);
}

void Form1::checkOnce(const QString& path, const std::function<QString()>& describe)
{
    if (path.isEmpty() || m_checkedFiles.contains(path))
        return;
    m_checkedFiles.insert(path);
    const QString damage = describe();
    if (!damage.isEmpty())
        reportError(fileErrorText(path, damage) + tr(". It is shown as it is and has not been changed."));
}

void Form1::openChild(ChildWindow* child, std::function<void()> afterClose)
{
    child->setWindowModality(Qt::WindowModal);
    connect(child, &ChildWindow::closed, this, [this, afterClose = std::move(afterClose)] {
        if (afterClose)
            afterClose();
        raise();
        activateWindow();
    });
    child->show();
}

bool Form1::isInputEnabled() const
{
    return !ChildWindow::isBlocked(this);
}

void Form1::addDraw()
{
    if (isDrawShown()) {
        Prompt::warn(this,
                     tr("There is already a draw result for this date and game. Delete the draw first if you want "
                        "to change it."));
        return;
    }
    const QString offDay = DrawRules::offDayQuestion(m_state.gameId, m_ui.drawDate->date());
    if (!offDay.isEmpty() && !Prompt::askYesNo(this, offDay))
        return;
    auto* addResult = new Form2(m_state.gameId, m_state.historyPath(m_state.gameId), m_ui.drawDate->date(), this);
    connect(addResult, &Form2::drawStored, this, &Form1::showDraw);
    openChild(addResult);
}

void Form1::deleteDraw()
{
    if (!isDrawShown()) {
        Prompt::warn(this, tr("There is no draw displayed to delete"));
        return;
    }
    if (!Prompt::confirmDestructive(this, tr("Do you really want to delete this draw?"), Prompt::shortTitle()))
        return;
    if (m_state.displayedRecord == 0)
        showDrawOfDate();
    QString error;
    if (!ResultsFile::deleteDraw(m_state.historyPath(m_state.gameId), m_state.displayedRecord, &error)) {
        reportError(error);
        return;
    }
    m_ui.strip->hideBalls();
    clearWinningLines();
}

void Form1::openDrawList()
{
    auto* drawList = new Form3(m_state.gameId, m_state.historyPath(m_state.gameId), drawDate(), this);
    connect(drawList, &Form3::datePicked, this, &Form1::setDrawDate);
    openChild(drawList, [this] { showDrawOfDate(); });
}

void Form1::LoadDatedEntries()
{
    if (m_state.gameId == 0)
        return;
    const QDate date = m_ui.entryDate->date();
    const QString path =
        m_state.pathOf(EntryFile::DatedEntryFileName(m_state.gameId, date.day(), date.month(), date.year()));
    QString error;
    if (!m_entries.open(path, m_state.gameId, 0, &error))
        reportError(error);
}

void Form1::ShowDatedEntries()
{
    m_ui.datedEntry->hide();
    LoadDatedEntries();
    m_ui.entryDate->show();
}

void Form1::CheckEntries()
{
    m_ui.winningLines->setStringList({});
    if (m_entries.count() < 1) {
        Prompt::warn(this, tr("You do not have any entries listed to check!"));
        return;
    }
    if (!isDrawShown()) {
        Prompt::warn(this, tr("You do not have any draw result listed to check against!"));
        return;
    }
    QString error;
    const auto result =
        EntryFile::fileExists(m_entries.path())
            ? checkEntryFile(m_entries.path(), m_state.displayedNumbers, m_state.gameId, drawDate(), &error)
            : std::nullopt;
    if (!result) {
        reportError(error.isEmpty() ? fileErrorText(m_entries.path(), tr("The file is missing.")) : error);
        return;
    }
    m_ui.entryList->selectionModel()->select(ListSelection::ofRows(m_entries, result->winningRows),
                                             QItemSelectionModel::ClearAndSelect);
    m_ui.winningLines->setStringList(result->winningLines);
    m_ui.totalWins->setText(QString::number(result->winningRows.size()));
    if (result->winningRows.empty())
        Prompt::inform(this, tr("No wins this time!"));
}

void Form1::OpenHistoryCheck()
{
    if (m_entries.count() < 1) {
        Prompt::warn(this, tr("You do not have any entries listed to check against the draw history!"));
        return;
    }
    const QString results = m_state.historyPath(m_state.gameId);
    QString error;
    const std::optional<int> draws = ResultsFile::readCount(results, &error);
    if (!draws) {
        reportError(error);
        return;
    }
    if (*draws == 0) {
        Prompt::warn(this, tr("There are no results in the results file - you cannot do a history check!"));
        return;
    }
    openChild(new Form6(m_state.gameId, results, m_entries, m_clock, this));
}

QString Form1::addWindowTitle()
{
    const EntryKind kind = m_entries.kind();
    if (kind == EntryKind::Wheel)
        return confirmWheelChange(modifyWheelQuestion()) ? tr("Wheel Entry") : QString();
    if (kind == EntryKind::Standing)
        return tr("Standing Entry");
    const QDate date = m_ui.entryDate->date();
    const QString offDay = EntryRules::offDayQuestion(m_state.gameId, date);
    if (!offDay.isEmpty() && !Prompt::askYesNo(this, offDay))
        return QString();
    return EntryRules::datedSetTitle(m_state.gameId, date);
}

void Form1::OpenAddWindow()
{
    const QString title = addWindowTitle();
    if (title.isEmpty())
        return;
    const QString history = m_state.historyPath(m_state.gameId);
    openChild(new Form5(m_entries, title, history, m_random, this), [this] { clearWinningLines(); });
}

QString Form1::modifyWheelQuestion()
{
    return tr("Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?");
}

bool Form1::confirmWheelChange(const QString& question)
{
    return m_entries.kind() != EntryKind::Wheel || Prompt::askYesNo(this, question);
}

void Form1::OpenEditWindow()
{
    if (m_entries.count() == 0) {
        Prompt::warn(this, tr("There are no entries displayed to edit."));
        return;
    }
    if (!confirmWheelChange(tr("Editing a wheel entry can change the guarantee of the wheel. Are you sure you want "
                               "to continue?")))
        return;
    const QList<int> rows = ListSelection::selectedRows(*m_ui.entryList->selectionModel());
    if (rows.isEmpty()) {
        Prompt::warn(this, tr("You have not selected an entry to edit."));
        return;
    }
    if (rows.size() > 1) {
        Prompt::warn(this,
                     tr("You have more than one entry selected. You must only select one entry at a time for "
                        "editing."));
        return;
    }
    // The line is read from the file before the window opens, so it never opens on empty boxes.
    QString error;
    const auto line = EntryFile::ReadEntryLine(m_entries.path(), rows.front() + 1, &error);
    if (!line) {
        reportError(error);
        return;
    }
    openChild(new editEntry(m_entries, rows.front(), *line, this));
}

void Form1::DeleteSelectedLines()
{
    if (m_entries.count() == 0) {
        Prompt::warn(this, tr("There are no entries to delete"));
        return;
    }
    if (!confirmWheelChange(modifyWheelQuestion()))
        return;
    const QList<int> rows = ListSelection::selectedRows(*m_ui.entryList->selectionModel());
    if (rows.isEmpty()) {
        Prompt::warn(this, tr("You have not selected any entries for deletion."));
        return;
    }
    const QString question = rows.size() == 1 ? tr("Are you sure you want to delete the selected entry?")
                                              : tr("Are you sure you want to delete the")
                                                    + QStringLiteral(" %1 ").arg(rows.size()) + tr("selected entries?");
    if (!Prompt::confirmDestructive(this, question))
        return;
    clearWinningLines();
    QString error;
    if (!m_entries.removeLines(rows, &error)) {
        reportError(error);
        return;
    }
    if (m_entries.count() == 0)
        Prompt::inform(this, tr("Done"));
}

void Form1::SaveStandingEntry()
{
    if (m_entries.kind() == EntryKind::Standing) {
        Prompt::inform(this, tr("Done."));
        return;
    }
    if (m_entries.count() < 1) {
        Prompt::warn(this, tr("You do not have any entries displayed to save as a standing entry"));
        return;
    }
    const QString standing = m_state.pathOf(EntryFile::StandingEntryFileName(m_state.gameId));
    if (EntryFile::fileExists(standing)
        && !Prompt::confirmDestructive(
            this,
            tr("You already have a standing for this game. Only one standing entry is allowed per "
               "game. Do you want to continue and overwrite your existing file?"),
            Prompt::shortTitle()))
        return;
    QString error;
    if (!EntryFile::saveStandingCopy(m_entries.path(), standing, &error)) {
        reportError(error);
        return;
    }
    Prompt::inform(this, tr("Done!"));
}

void Form1::OpenStandingEntry()
{
    const QString standing = m_state.pathOf(EntryFile::StandingEntryFileName(m_state.gameId));
    if (!EntryFile::fileExists(standing)) {
        Prompt::warn(this, tr("You do not have a standing entry for this game!"));
        return;
    }
    QString error;
    if (!m_entries.open(standing, m_state.gameId, 0, &error))
        reportError(error);
    m_ui.datedEntry->show();
}

void Form1::reloadWrittenFile(const QString& path)
{
    QString error;
    if (!m_entries.reloadIfShown(path, &error))
        reportError(error);
}

void Form1::openOptimiser()
{
    const QString history = m_state.historyPath(m_state.gameId);
    auto* optimiser = new LinkProcess(m_state.gameId, history, m_state.appFolder, m_clock, this);
    connect(optimiser, &LinkProcess::entryFileWritten, this, &Form1::reloadWrittenFile);
    // Blocking like every other child: it works for the game it opened with.
    openChild(optimiser);
}

void Form1::openFilter()
{
    if (!Form10::mayFilter(m_entries, this))
        return;
    // Afterwards the same set (dated, standing or wheel) is shown again as its file now holds it.
    openChild(new Form10(m_entries, m_printers, m_state.printerAvailable, this),
              [this] { reloadWrittenFile(m_entries.path()); });
}

void Form1::createWheel()
{
    RemoveEmptyEntryFile();
    WheelCatalogue::setWheelContext(m_state, m_state.gameId, m_clock.today());
    openChild(GameCatalogue::mainCount(m_state.gameId) == 7
                  ? static_cast<ChildWindow*>(new wheel7(m_state, m_entries, m_printers, m_random, this))
                  : new wheel6(m_state, m_entries, m_printers, m_random, this));
}

void Form1::openWheelKind(const WheelKind& kind)
{
    const QString name = WheelCatalogue::savedSetName(kind, m_state.gameId, m_state.province);
    if (name.isEmpty())
        return;
    if (kind.builder == WheelBuilder::Super7)
        open7wheel(m_state.pathOf(name), kind.type);
    else
        open6wheel(m_state.pathOf(name), kind.type);
}

void Form1::open6wheel(const QString& path, int type)
{
    showWheelSet(path, type, tr("You have not yet created this 6 wheel for Lotto"));
}

void Form1::open7wheel(const QString& path, int type)
{
    // "... for Super 7" or "... for Lotto Max": the game whose set it would be.
    const int game = WheelCatalogue::sevenNumberWheelGame(m_state.gameId);
    showWheelSet(
        path, type, tr("You have not yet created this 7 wheel for ") + GameCatalogue::game(game).selectorCaption);
}

void Form1::showWheelSet(const QString& path, int type, const QString& missingMessage)
{
    // Opening would create the file; a set never saved is reported and the display stays as it was.
    if (!EntryFile::fileExists(path)) {
        Prompt::warn(this, missingMessage);
        return;
    }
    QString error;
    if (!m_entries.open(path, m_state.gameId, type, &error))
        reportError(error);
    m_ui.datedEntry->show();
    m_ui.entryDate->hide();
}

void Form1::printList(const QStringList& rows)
{
    if (rows.isEmpty()) {
        Prompt::warn(this, tr("There is no list to print!"));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool printed = m_printers.printLines(PreparePrinter(), listPrintLines(rows), &error);
    QApplication::restoreOverrideCursor();
    // A printer that fails is reported rather than passed over, so the player knows nothing came out.
    if (!printed)
        reportError(error);
}

void Form1::openPrinterSelection()
{
    auto* selection = new Form30(m_state.appFolder, m_printers, this);
    connect(selection, &Form30::printerChosen, this, [this] {
        m_state.printerAvailable = true;
        m_ui.enablePrinting(true);
    });
    openChild(selection);
}

void Form1::openImport()
{
    auto* import = new Form8(m_state.gameId, m_state.appFolder, m_clock.today(), this);
    connect(import, &Form8::entryFileWritten, this, &Form1::reloadWrittenFile);
    openChild(import);
}

void Form1::showHelpContents()
{
    const QString helpFile = ProgramFolders::helpFile(m_state.shareFolder);
    const QString problem = HelpViewer::problemWith(helpFile);
    if (!problem.isEmpty()) {
        Prompt::warn(this, problem);
        return;
    }
    // Help stays open beside the program, so it is not a blocking child; one is enough.
    if (!m_help)
        m_help = new HelpViewer(helpFile, this);
    showInFront(m_help);
}

void Form1::showAbout()
{
    if (!m_about) {
        m_about = new frmAbout(this);
        m_about->setWindowTitle(Prompt::shortTitle());
    }
    showInFront(m_about);
}

void Form1::showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Each window with work to lose asks once; if one keeps its work, nothing closes.
    if (!ChildWindow::closeChildrenOf(this)) {
        event->ignore();
        return;
    }
    event->accept();
    // After the children, whose follow-ups may read the shown file once more.
    RemoveEmptyEntryFile();
    // Every other window of the program closes with the main window.
    QApplication::closeAllWindows();
}

#include "Form1.h"

#include "AppFolder.h"
#include "BallStrip.h"
#include "Clock.h"
#include "DateText.h"
#include "DrawCheck.h"
#include "EntryFile.h"
#include "EntryLineText.h"
#include "Form2.h"
#include "Form3.h"
#include "Form30.h"
#include "Form5.h"
#include "GameCatalogue.h"
#include "HelpViewer.h"
#include "NumberText.h"
#include "Printing.h"
#include "Prompt.h"
#include "ResultsFile.h"
#include "WheelCatalogue.h"
#include "editEntry.h"
#include "frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QDateEdit* makeDateEdit(QWidget* parent, const QString& objectName)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(objectName);
    // Month names are shown in English whatever the desktop's language, as the rest of the program is.
    edit->setLocale(QLocale(QLocale::English, QLocale::Canada));
    edit->setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    edit->setDateRange(QDate(1950, 1, 1), QDate(2050, 12, 31));
    edit->setCalendarPopup(true);
    return edit;
}

QListWidget* makeNumberList(QWidget* parent, const QString& objectName)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    return list;
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

Form1::Form1(const QString& programFolder, Clock& clock, PrinterSystem& printers, QWidget* parent)
    : QMainWindow(parent)
    , m_programFolder(programFolder)
    , m_clock(clock)
    , m_printers(printers)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Prompt::appTitle());
    buildWindow();
    buildMenus();
}

Form1::~Form1() = default;

AppState& Form1::state()
{
    return m_state;
}

PrinterSystem& Form1::printers()
{
    return m_printers;
}

void Form1::buildWindow()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);

    auto* top = new QGroupBox(tr("Select Game Type and Draw Date"), central);
    top->setObjectName(QStringLiteral("gameAndDateGroup"));
    auto* topRow = new QHBoxLayout(top);

    auto* selectors = new QGroupBox(tr("Select Entry Type"), top);
    selectors->setObjectName(QStringLiteral("entryTypeGroup"));
    auto* selectorColumn = new QVBoxLayout(selectors);
    m_national = new QRadioButton(GameCatalogue::game(GameCatalogue::National).selectorCaption, selectors);
    m_national->setObjectName(QStringLiteral("nationalRadio"));
    m_super7 = new QRadioButton(GameCatalogue::game(GameCatalogue::Super7).selectorCaption, selectors);
    m_super7->setObjectName(QStringLiteral("super7Radio"));
    m_provincial = new QRadioButton(GameCatalogue::game(GameCatalogue::FirstProvincial).selectorCaption, selectors);
    m_provincial->setObjectName(QStringLiteral("provincialRadio"));
    for (QRadioButton* r : {m_national, m_super7, m_provincial}) {
        selectorColumn->addWidget(r);
        // Only the newly chosen selector switches, so one click runs one switch.
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                GameSwitch();
        });
    }
    topRow->addWidget(selectors);

    m_strip = new BallStrip(top);
    topRow->addWidget(m_strip, 0, Qt::AlignVCenter);

    m_drawGroup = new QGroupBox(top);
    m_drawGroup->setObjectName(QStringLiteral("drawDateGroup"));
    auto* drawGrid = new QGridLayout(m_drawGroup);
    m_drawDate = makeDateEdit(m_drawGroup, QStringLiteral("drawDateEdit"));
    drawGrid->addWidget(m_drawDate, 0, 0, 1, 2);
    auto* addDrawButton = makeButton(m_drawGroup, QStringLiteral("addDrawButton"), tr("Add Draw"));
    auto* deleteDrawButton = makeButton(m_drawGroup, QStringLiteral("deleteDrawButton"), tr("Delete Draw"));
    drawGrid->addWidget(addDrawButton, 1, 0);
    drawGrid->addWidget(deleteDrawButton, 1, 1);
    auto* historyIcon = new QToolButton(m_drawGroup);
    historyIcon->setObjectName(QStringLiteral("drawListButton"));
    historyIcon->setText(tr("History"));
    historyIcon->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    historyIcon->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    historyIcon->setAutoRaise(true);
    auto* statsIcon = new QToolButton(m_drawGroup);
    statsIcon->setObjectName(QStringLiteral("statsButton"));
    statsIcon->setText(tr("Stats"));
    statsIcon->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    statsIcon->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    statsIcon->setAutoRaise(true);
    statsIcon->setEnabled(false); // the statistics window is not part of this release yet
    statsIcon->setToolTip(tr("Draw statistics are not available in this version."));
    drawGrid->addWidget(historyIcon, 2, 0, Qt::AlignCenter);
    drawGrid->addWidget(statsIcon, 2, 1, Qt::AlignCenter);
    topRow->addWidget(m_drawGroup);
    outer->addWidget(top);

    auto* bottomRow = new QHBoxLayout;
    m_entriesGroup = new QGroupBox(central);
    m_entriesGroup->setObjectName(QStringLiteral("entriesGroup"));
    auto* entriesGrid = new QGridLayout(m_entriesGroup);
    m_entryDate = makeDateEdit(m_entriesGroup, QStringLiteral("entryDateEdit"));
    m_datedEntry = makeButton(m_entriesGroup, QStringLiteral("datedEntryButton"), tr("Dated Entry"));
    entriesGrid->addWidget(m_entryDate, 0, 0, 1, 2);
    entriesGrid->addWidget(m_datedEntry, 0, 2);
    m_entryList = makeNumberList(m_entriesGroup, QStringLiteral("entryList"));
    m_entryList->setSelectionMode(QAbstractItemView::MultiSelection);
    entriesGrid->addWidget(m_entryList, 1, 0, 1, 3);
    auto* countRow = new QHBoxLayout;
    auto* entriesLabel = new QLabel(tr("Entries"), m_entriesGroup);
    m_entryCount = new QLineEdit(m_entriesGroup);
    m_entryCount->setObjectName(QStringLiteral("entryCountEdit"));
    m_entryCount->setReadOnly(true);
    m_entryCount->setMaximumWidth(70);
    countRow->addWidget(entriesLabel);
    countRow->addWidget(m_entryCount);
    countRow->addStretch();
    entriesGrid->addLayout(countRow, 2, 0, 1, 3);
    auto* addButton = makeButton(m_entriesGroup, QStringLiteral("addEntryButton"), tr("Add"));
    auto* checkButton = makeButton(m_entriesGroup, QStringLiteral("checkButton"), tr("Check"));
    auto* deleteButton = makeButton(m_entriesGroup, QStringLiteral("deleteEntryButton"), tr("Delete"));
    auto* historyCheck = makeButton(m_entriesGroup, QStringLiteral("historyCheckButton"), tr("History"));
    historyCheck->setEnabled(false); // the history check is not part of this release yet
    historyCheck->setToolTip(tr("The history check is not available in this version."));
    auto* editButton = makeButton(m_entriesGroup, QStringLiteral("editEntryButton"), tr("Edit"));
    m_printEntries = makeButton(m_entriesGroup, QStringLiteral("printEntriesButton"), tr("Print"));
    entriesGrid->addWidget(addButton, 3, 0);
    entriesGrid->addWidget(checkButton, 3, 1);
    entriesGrid->addWidget(deleteButton, 3, 2);
    entriesGrid->addWidget(historyCheck, 4, 0);
    entriesGrid->addWidget(editButton, 4, 1);
    entriesGrid->addWidget(m_printEntries, 4, 2);
    bottomRow->addWidget(m_entriesGroup, 3);

    m_winningGroup = new QGroupBox(central);
    m_winningGroup->setObjectName(QStringLiteral("winningGroup"));
    auto* winningGrid = new QGridLayout(m_winningGroup);
    m_winningList = makeNumberList(m_winningGroup, QStringLiteral("winningList"));
    winningGrid->addWidget(m_winningList, 0, 0, 1, 3);
    winningGrid->addWidget(new QLabel(tr("Total Wins"), m_winningGroup), 1, 0);
    m_totalWins = new QLineEdit(m_winningGroup);
    m_totalWins->setObjectName(QStringLiteral("totalWinsEdit"));
    m_totalWins->setReadOnly(true);
    m_totalWins->setMaximumWidth(70);
    winningGrid->addWidget(m_totalWins, 1, 1);
    m_printWinning = makeButton(m_winningGroup, QStringLiteral("printWinningButton"), tr("Print"));
    winningGrid->addWidget(m_printWinning, 1, 2);
    bottomRow->addWidget(m_winningGroup, 2);
    outer->addLayout(bottomRow, 1);
    setCentralWidget(central);

    connect(m_drawDate, &QDateEdit::dateChanged, this, [this] { showDrawOfDate(); });
    connect(m_entryDate, &QDateEdit::dateChanged, this, [this] { LoadDatedEntries(); });
    connect(addDrawButton, &QPushButton::clicked, this, &Form1::addDraw);
    connect(deleteDrawButton, &QPushButton::clicked, this, &Form1::deleteDraw);
    connect(historyIcon, &QToolButton::clicked, this, &Form1::openDrawList);
    connect(m_datedEntry, &QPushButton::clicked, this, &Form1::ShowDatedEntries);
    connect(addButton, &QPushButton::clicked, this, &Form1::OpenAddWindow);
    connect(editButton, &QPushButton::clicked, this, &Form1::OpenEditWindow);
    connect(deleteButton, &QPushButton::clicked, this, &Form1::DeleteSelectedLines);
    connect(checkButton, &QPushButton::clicked, this, &Form1::CheckEntries);
    connect(m_printEntries, &QPushButton::clicked, this, [this] { printList(m_entryList); });
    connect(m_printWinning, &QPushButton::clicked, this, [this] { printList(m_winningList); });
}

QAction* Form1::addMenuAction(QMenu* menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QMenu* province = file->addMenu(tr("Select Province"));
    province->setObjectName(QStringLiteral("mnuSelectProvince"));
    for (int code = 1; code <= GameCatalogue::ProvinceCount; ++code) {
        const GameInfo& g = GameCatalogue::game(GameCatalogue::gameForProvince(code));
        QAction* a = addMenuAction(province, QStringLiteral("actionSelect") + g.wheelWord, g.provinceMenuCaption);
        connect(a, &QAction::triggered, this, [this, code] { selectProvince(code); });
    }
    // Entries whose windows are not part of this release are shown disabled rather than pretending to work.
    addMenuAction(file, QStringLiteral("actionUpdateResults"), tr("Update Results"))->setEnabled(false);
    addMenuAction(file, QStringLiteral("actionDeleteEntryFiles"), tr("Entry File Deletion"))->setEnabled(false);
    addMenuAction(file, QStringLiteral("actionFilterEntry"), tr("Filter Current Entry"))->setEnabled(false);
    addMenuAction(file, QStringLiteral("actionImportText"), tr("Import TXT Entry"))->setEnabled(false);
    connect(addMenuAction(file, QStringLiteral("actionSelectPrinter"), tr("Select Printer")),
            &QAction::triggered,
            this,
            &Form1::openPrinterSelection);
    file->addSeparator();
    connect(addMenuAction(file, QStringLiteral("actionExit"), tr("Exit")), &QAction::triggered, this, &Form1::close);

    QMenu* wheels = menuBar()->addMenu(tr("&Wheels"));
    wheels->setObjectName(QStringLiteral("mnuWheels"));
    addMenuAction(wheels, QStringLiteral("mnuWheelCreate"), tr("Create"))->setEnabled(false);
    QMenu* open = wheels->addMenu(tr("Open"));
    open->setObjectName(QStringLiteral("mnuWheelOpen"));
    // The saved wheel sets can be listed once the builders that save them are part of the program.
    for (const WheelKind* kind : WheelCatalogue::openMenuKinds()) {
        QAction* a = addMenuAction(open, kind->menuName, kind->menuCaption);
        a->setEnabled(false);
        (kind->builder == WheelBuilder::Super7 ? m_wheels7 : m_wheels6).append(a);
    }

    QMenu* standing = menuBar()->addMenu(tr("&Standing Entry"));
    standing->setObjectName(QStringLiteral("mnuStandingEntry"));
    connect(addMenuAction(standing, QStringLiteral("actionSaveStanding"), tr("Save As Standing Entry")),
            &QAction::triggered,
            this,
            &Form1::SaveStandingEntry);
    connect(addMenuAction(standing, QStringLiteral("actionOpenStanding"), tr("Open Standing Entry")),
            &QAction::triggered,
            this,
            &Form1::OpenStandingEntry);

    QMenu* optimised = menuBar()->addMenu(tr("&Optimised Entry"));
    optimised->setObjectName(QStringLiteral("mnuOptimisedEntry"));
    addMenuAction(optimised, QStringLiteral("actionCreateOptimised"), tr("Create"))->setEnabled(false);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addMenuAction(help, QStringLiteral("actionHelpContents"), tr("Contents")),
            &QAction::triggered,
            this,
            &Form1::showHelpContents);
    connect(addMenuAction(help, QStringLiteral("actionAbout"), tr("About Drawsmith")),
            &QAction::triggered,
            this,
            &Form1::showAbout);
}

void Form1::startUp()
{
    const QDate today = m_clock.today();
    {
        // The first game switch loads both dates; setting them must not load anything before it.
        const QSignalBlocker blockDraw(m_drawDate);
        const QSignalBlocker blockEntry(m_entryDate);
        m_drawDate->setDate(today);
        m_entryDate->setDate(today);
    }
    m_state.selectedWheel = 0;
    m_state.listLimitReached = false;
    m_state.appFolder = AppFolder::rootRule(m_programFolder);
    m_strip->hideBalls();
    m_state.printerAvailable = ReadPrinterChoice(m_printers, m_state.appFolder);
    m_printEntries->setEnabled(m_state.printerAvailable);
    m_printWinning->setEnabled(m_state.printerAvailable);
    m_totalWins->setText(QStringLiteral("0"));
    m_entryCount->setText(QStringLiteral("0"));
    m_datedEntry->hide();

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
    m_provincial->setText(GameCatalogue::game(GameCatalogue::gameForProvince(provinceCode)).selectorCaption);
    if (m_provincial->isChecked()) {
        GameSwitch();
    } else {
        m_provincial->setChecked(true); // runs the switch through its toggled signal
    }
}

QString Form1::provincialCaption() const
{
    return m_provincial->text();
}

void Form1::GameSwitch()
{
    RemoveEmptyEntryFile();
    ClearMainDisplay();
    m_datedEntry->hide();
    m_entryDate->show();

    int gameId = GameCatalogue::gameForSelectorCaption(m_provincial->text());
    QString caption = m_provincial->text();
    QString entriesTitle = tr("My Enties for ") + caption;
    if (m_national->isChecked()) {
        gameId = GameCatalogue::National;
        caption = m_national->text();
        entriesTitle = QStringLiteral("My Enties For National 6/49");
    } else if (m_super7->isChecked()) {
        gameId = GameCatalogue::Super7;
        caption = m_super7->text();
        entriesTitle = tr("My Enties for ") + caption;
    }
    m_entriesGroup->setTitle(entriesTitle);
    m_drawGroup->setTitle(tr("Draw Date for ") + caption);
    m_winningGroup->setTitle(tr("Winning Lines for ") + caption);
    m_strip->setSuper7(GameCatalogue::isSuper7(gameId));
    m_state.gameId = static_cast<int16_t>(gameId);

    LoadDatedEntries();
    showDrawOfDate();
    const QString count = m_entryCount->text();
    if (!count.isEmpty() && count != QLatin1String("0") && isDrawShown())
        CheckEntries();
    SetWheelMenus(GameCatalogue::isSuper7(gameId) ? 7 : 6);
}

void Form1::ShowBall(int position, int number)
{
    if (position < 0 || position > 7)
        return;
    const bool super7 = GameCatalogue::isSuper7(m_state.gameId);
    const bool bonusLook = super7 ? position == 7 : position == 6;
    m_strip->showBall(position, number, bonusLook);
    m_state.displayedNumbers[position] = static_cast<int16_t>(number);
}

void Form1::ClearMainDisplay()
{
    m_state.selectedWheel = 0;
    m_strip->hideBalls();
    m_entryList->clear();
    m_winningList->clear();
    m_entryCount->setText(QStringLiteral("0"));
    m_state.currentEntryFile.clear();
}

void Form1::RemoveEmptyEntryFile()
{
    QString error;
    if (!EntryFile::RemoveEmptyEntryFile(m_state.currentEntryFile, &error))
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
    return m_strip->isBallVisible(0);
}

QDate Form1::drawDate() const
{
    return m_drawDate->date();
}

QDate Form1::entryDate() const
{
    return m_entryDate->date();
}

void Form1::setDrawDate(const QDate& date)
{
    m_drawDate->setDate(date);
}

void Form1::setEntryDate(const QDate& date)
{
    m_entryDate->setDate(date);
}

void Form1::showDrawOfDate()
{
    const QDate date = m_drawDate->date();
    m_state.drawDay = static_cast<int16_t>(date.day());
    m_state.drawMonth = static_cast<int16_t>(date.month());
    m_state.drawYear = static_cast<int16_t>(date.year());
    clearWinningLines();
    m_strip->hideBalls();
    m_state.currentResultsFile = m_state.pathOf(GameCatalogue::game(m_state.gameId).resultsFile);
    const bool super7 = GameCatalogue::isSuper7(m_state.gameId);
    m_strip->setSuper7(super7);

    QString error;
    const auto draws = ResultsFile::readAll(m_state.currentResultsFile, &error);
    if (!draws) {
        reportError(error);
        return;
    }
    for (size_t k = 0; k < draws->size(); ++k) {
        const DrawRecord& r = (*draws)[k];
        if (!r.isOn(date.day(), date.month(), date.year()))
            continue;
        for (int pos = 0; pos < 6; ++pos)
            ShowBall(pos, r.numbers[pos]);
        if (super7) {
            ShowBall(6, r.numbers[6]);
            ShowBall(7, r.bonus);
        } else {
            ShowBall(6, r.bonus);
        }
        m_state.displayedRecord = static_cast<int16_t>(k + 1);
        return;
    }
}

void Form1::clearWinningLines()
{
    m_winningList->clear();
    m_totalWins->setText(QStringLiteral("0"));
}

void Form1::reportError(const QString& error)
{
    Prompt::inform(this, error);
}

void Form1::setInputEnabled(bool enabled)
{
    // Only the window's own controls: its child windows must stay usable while it waits for them.
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

bool Form1::isInputEnabled() const
{
    return centralWidget()->isEnabled() && menuBar()->isEnabled();
}

void Form1::childClosed()
{
    setInputEnabled(true);
    show();
    raise();
    activateWindow();
}

void Form1::addDraw()
{
    if (isDrawShown()) {
        Prompt::inform(this,
                       tr("There is already a draw result for this date and game. Delete the draw first if you want "
                          "to change it."));
        return;
    }
    const int weekday = DateText::weekdayNumber(m_drawDate->date());
    if (!GameCatalogue::isRegularDrawDay(m_state.gameId, weekday)) {
        const QString question = GameCatalogue::isSuper7(m_state.gameId)
                                     ? tr("This is not a Friday Date. Do you want to proceed anyway?")
                                     : tr("This is not a Wednesday or Saturday Date. Do you want to proceed anyway?");
        if (!Prompt::askYesNo(this, question))
            return;
    }
    auto* addResult = new Form2(m_state, m_drawDate->date(), this);
    connect(addResult, &Form2::drawStored, this, [this](int record, const DrawRecord& draw) {
        for (int pos = 0; pos < 6; ++pos)
            ShowBall(pos, draw.numbers[pos]);
        if (GameCatalogue::isSuper7(m_state.gameId)) {
            ShowBall(6, draw.numbers[6]);
            ShowBall(7, draw.bonus);
        } else {
            ShowBall(6, draw.bonus);
        }
        m_state.displayedRecord = static_cast<int16_t>(record);
    });
    connect(addResult, &Form2::closed, this, &Form1::childClosed);
    setInputEnabled(false);
    addResult->show();
}

void Form1::deleteDraw()
{
    if (!isDrawShown()) {
        Prompt::inform(this, tr("There is no draw displayed to delete"));
        return;
    }
    if (!Prompt::askYesNo(this, tr("Do you really want to delete this draw?"), Prompt::shortTitle()))
        return;
    if (m_state.displayedRecord == 0)
        showDrawOfDate();
    QString error;
    if (!ResultsFile::deleteDraw(m_state.pathOf(GameCatalogue::game(m_state.gameId).resultsFile),
                                 m_state.displayedRecord,
                                 &error)) {
        reportError(error);
        return;
    }
    m_strip->hideBalls();
    clearWinningLines();
}

void Form1::openDrawList()
{
    setInputEnabled(false);
    auto* drawList = new Form3(m_state, this);
    connect(drawList, &Form3::datePicked, this, &Form1::setDrawDate);
    connect(drawList, &Form3::closed, this, [this] {
        m_state.drawListOpen = false;
        childClosed();
        showDrawOfDate();
    });
    m_state.drawListOpen = true;
    drawList->show();
}

void Form1::setEntryCountText(int count)
{
    m_entryCount->setText(QString::number(count));
}

int Form1::entryCount() const
{
    return static_cast<int>(NumberText::wholeNumber(m_entryCount->text()));
}

void Form1::showEntryFile(const QString& path)
{
    QString error;
    const auto lines = EntryFile::readAllLines(path, &error);
    if (!lines) {
        reportError(error);
        return;
    }
    for (const EntryNumbers& line : *lines)
        m_entryList->addItem(FormatEntryLine(line, m_state.gameId));
    setEntryCountText(m_entryList->count());
}

void Form1::LoadDatedEntries()
{
    if (m_state.gameId == 0)
        return;
    RemoveEmptyEntryFile();
    clearWinningLines();
    m_entryList->clear();
    m_entryCount->setText(QStringLiteral("0"));
    const QDate date = m_entryDate->date();
    m_state.currentEntryFile =
        m_state.pathOf(EntryFile::DatedEntryFileName(m_state.gameId, date.day(), date.month(), date.year()));
    showEntryFile(m_state.currentEntryFile);
}

void Form1::ShowDatedEntries()
{
    m_datedEntry->hide();
    m_entryCount->setText(QStringLiteral("0"));
    m_entryList->clear();
    m_winningList->clear();
    LoadDatedEntries();
    m_entryDate->show();
}

void Form1::appendEntryRow(const QString& text, int newCount)
{
    m_entryList->addItem(text);
    setEntryCountText(newCount);
    QListWidgetItem* row = m_entryList->item(m_entryList->count() - 1);
    m_entryList->scrollToItem(row);
    row->setSelected(false);
}

void Form1::replaceEntryRow(int row, const QString& text)
{
    delete m_entryList->takeItem(row);
    m_entryList->insertItem(row, text);
    m_entryList->item(row)->setSelected(true);
}

void Form1::CheckEntries()
{
    m_winningList->clear();
    if (entryCount() < 1) {
        Prompt::inform(this, tr("You do not have any entries listed to check!"));
        return;
    }
    if (!isDrawShown()) {
        Prompt::inform(this, tr("You do not have any draw result listed to check against!"));
        return;
    }
    QString error;
    const auto result = EntryFile::fileExists(m_state.currentEntryFile)
                            ? checkEntryFile(m_state.currentEntryFile, m_state.displayedNumbers, m_state.gameId, &error)
                            : std::nullopt;
    if (!result) {
        reportError(error.isEmpty() ? fileErrorText(m_state.currentEntryFile, tr("The file is missing.")) : error);
        return;
    }
    m_entryList->clearSelection();
    for (int row : result->winningRows) {
        if (QListWidgetItem* item = m_entryList->item(row))
            item->setSelected(true);
    }
    m_winningList->addItems(result->winningLines);
    m_totalWins->setText(QString::number(result->winningRows.size()));
    if (result->winningRows.empty())
        Prompt::inform(this, tr("No wins this time!"));
}

void Form1::OpenAddWindow()
{
    const EntryKind kind = EntryFile::entryKind(m_state.currentEntryFile);
    const QDate date = m_entryDate->date();
    const bool super7 = GameCatalogue::isSuper7(m_state.gameId);
    QString title;
    if (kind == EntryKind::Dated) {
        const QString dateText = QStringLiteral(" %1 %2 %3").arg(date.day()).arg(DateText::MonthAbbrev(date.month())).arg(date.year());
        const int weekday = DateText::weekdayNumber(date);
        if (super7) {
            if (weekday != 6
                && !Prompt::askYesNo(this,
                                     tr("This is not a Friday date. Are you sure you want to create/edit an entry "
                                        "for this date?")))
                return;
            title = QStringLiteral("Super 7 Entries for ") + dateText;
        } else {
            if (weekday != 4 && weekday != 7
                && !Prompt::askYesNo(this,
                                     tr("This is not a Saturday or Wednesday date. Are you sure you want to "
                                        "create/edit an entry for this date?")))
                return;
            title = m_state.gameId == GameCatalogue::National
                        ? QStringLiteral("National 6/94 Entries for ") + dateText
                        : m_provincial->text() + QStringLiteral(" Entries for ") + dateText;
        }
    } else if (kind == EntryKind::Wheel) {
        if (!confirmWheelChange(modifyWheelQuestion()))
            return;
        title = tr("Wheel Entry");
    } else {
        title = tr("Standing Entry");
    }
    auto* addWindow = new Form5(m_state, *this, title);
    connect(addWindow, &Form5::closed, this, [this] {
        clearWinningLines();
        childClosed();
    });
    setInputEnabled(false);
    addWindow->show();
}

QString Form1::modifyWheelQuestion()
{
    return tr("Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?");
}

bool Form1::confirmWheelChange(const QString& question)
{
    return EntryFile::entryKind(m_state.currentEntryFile) != EntryKind::Wheel || Prompt::askYesNo(this, question);
}

QList<int> Form1::selectedRows(int count) const
{
    QList<int> rows;
    for (int r = 0; r < count && r < m_entryList->count(); ++r) {
        if (m_entryList->item(r)->isSelected())
            rows << r;
    }
    return rows;
}

void Form1::OpenEditWindow()
{
    const int count = entryCount();
    if (count == 0) {
        Prompt::inform(this, tr("There are no entries displayed to edit."));
        return;
    }
    if (!confirmWheelChange(tr("Editing a wheel entry can change the guarantee of the wheel. Are you sure you want "
                               "to continue?")))
        return;
    const QList<int> rows = selectedRows(count);
    const int selected = static_cast<int>(rows.size());
    if (selected == 0) {
        Prompt::inform(this, tr("You have not selected an entry to edit."));
        return;
    }
    if (selected > 1) {
        Prompt::inform(this,
                       tr("You have more than one entry selected. You must only select one entry at a time for "
                          "editing."));
        return;
    }
    m_state.editIndex = static_cast<int16_t>(rows.front() + 1);
    auto* editor = new editEntry(m_state, *this);
    connect(editor, &editEntry::closed, this, &Form1::childClosed);
    setInputEnabled(false);
    editor->show();
}

void Form1::DeleteSelectedLines()
{
    const int count = entryCount();
    if (count == 0) {
        Prompt::inform(this, tr("There are no entries to delete"));
        return;
    }
    if (!confirmWheelChange(modifyWheelQuestion()))
        return;
    const int selected = static_cast<int>(selectedRows(count).size());
    if (selected == 0) {
        Prompt::inform(this, tr("You have not selected any entries for deletion."));
        return;
    }
    const QString question = selected == 1
                                 ? tr("Are you sure you want to delete the selected entry?")
                                 : tr("Are you sure you want to delete the") + QStringLiteral(" %1 ").arg(selected)
                                       + tr("selected entries?");
    if (!Prompt::askYesNo(this, question))
        return;
    clearWinningLines();
    int rows = m_entryList->count();
    while (rows > 0) {
        int first = -1;
        for (int r = 0; r < rows && first < 0; ++r) {
            if (m_entryList->item(r)->isSelected())
                first = r;
        }
        if (first < 0)
            return;
        QString error;
        const std::optional<int> left = EntryFile::DeleteEntryLine(m_state.currentEntryFile, first + 1, &error);
        if (!left) {
            reportError(error);
            return;
        }
        setEntryCountText(*left);
        delete m_entryList->takeItem(first);
        --rows;
    }
    Prompt::inform(this, tr("Done"));
}

void Form1::SaveStandingEntry()
{
    if (EntryFile::entryKind(m_state.currentEntryFile) == EntryKind::Standing) {
        Prompt::inform(this, tr("Done."));
        return;
    }
    if (entryCount() < 1) {
        Prompt::inform(this, tr("You do not have any entries displayed to save as a standing entry"));
        return;
    }
    const QString standing = m_state.pathOf(EntryFile::StandingEntryFileName(m_state.gameId));
    if (EntryFile::fileExists(standing)
        && !Prompt::askYesNo(this,
                             tr("You already have a standing for this game. Only one standing entry is allowed per "
                                "game. Do you want to continue and overwrite your existing file?"),
                             Prompt::shortTitle()))
        return;
    QString error;
    if (!EntryFile::saveStandingCopy(m_state.currentEntryFile, standing, &error)) {
        reportError(error);
        return;
    }
    Prompt::inform(this, tr("Done!"));
}

void Form1::OpenStandingEntry()
{
    const QString standing = m_state.pathOf(EntryFile::StandingEntryFileName(m_state.gameId));
    if (!EntryFile::fileExists(standing)) {
        Prompt::inform(this, tr("You do not have a standing entry for this game!"));
        return;
    }
    RemoveEmptyEntryFile();
    m_state.currentEntryFile = standing;
    m_entryList->clear();
    clearWinningLines();
    m_entryCount->setText(QStringLiteral("0"));
    showEntryFile(standing);
    m_datedEntry->show();
    m_state.selectedWheel = 0;
}

void Form1::printList(QListWidget* list)
{
    if (list->count() == 0) {
        Prompt::inform(this, tr("There is no list to print!"));
        return;
    }
    QStringList rows;
    for (int r = 0; r < list->count(); ++r)
        rows << list->item(r)->text();
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
    auto* selection = new Form30(m_state, m_printers, this);
    connect(selection, &Form30::printerChosen, this, [this] {
        m_printEntries->setEnabled(true);
        m_printWinning->setEnabled(true);
    });
    connect(selection, &Form30::closed, this, &Form1::childClosed);
    setInputEnabled(false);
    selection->show();
}

void Form1::showHelpContents()
{
    const QString helpFile = m_state.pathOf(QStringLiteral("DRAWSMITH.HLP"));
    if (!QFile::exists(helpFile)) {
        Prompt::inform(this, tr("Cannot find Help file in the installation directory"));
        return;
    }
    auto* viewer = new HelpViewer(helpFile, this);
    viewer->show();
}

void Form1::showAbout()
{
    auto* about = new frmAbout(this);
    about->setWindowTitle(Prompt::shortTitle());
    about->show();
}

void Form1::closeEvent(QCloseEvent* event)
{
    RemoveEmptyEntryFile();
    event->accept();
    // Every window of the program closes with the main window.
    QApplication::closeAllWindows();
}

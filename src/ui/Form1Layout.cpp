#include "Form1Layout.h"

#include "BallStrip.h"
#include "EntrySet.h"
#include "GameCatalogue.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

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

QListView* makeNumberList(QWidget* parent, const QString& objectName)
{
    auto* list = new QListView(parent);
    list->setObjectName(objectName);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
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

// A box the program fills: it looks read-only and Tab passes it by.
void makeReadOnlyBox(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setMaximumWidth(70);
    box->setFocusPolicy(Qt::NoFocus);
    box->setBackgroundRole(QPalette::Window);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
}
} // namespace

void Form1Layout::build(QMainWindow* window, EntrySet& entries)
{
    auto* central = new QWidget(window);
    auto* outer = new QVBoxLayout(central);

    auto* top = new QGroupBox(QObject::tr("Select Game Type and Draw Date"), central);
    top->setObjectName(QStringLiteral("gameAndDateGroup"));
    auto* topRow = new QHBoxLayout(top);

    auto* selectors = new QGroupBox(QObject::tr("Select Entry Type"), top);
    selectors->setObjectName(QStringLiteral("entryTypeGroup"));
    auto* selectorColumn = new QVBoxLayout(selectors);
    national = new QRadioButton(GameCatalogue::game(GameCatalogue::National).selectorCaption, selectors);
    national->setObjectName(QStringLiteral("nationalRadio"));
    super7 = new QRadioButton(GameCatalogue::game(GameCatalogue::Super7).selectorCaption, selectors);
    super7->setObjectName(QStringLiteral("super7Radio"));
    lottoMax = new QRadioButton(GameCatalogue::game(GameCatalogue::LottoMax).selectorCaption, selectors);
    lottoMax->setObjectName(QStringLiteral("lottoMaxRadio"));
    provincial = new QRadioButton(GameCatalogue::game(GameCatalogue::FirstProvincial).selectorCaption, selectors);
    provincial->setObjectName(QStringLiteral("provincialRadio"));
    for (QRadioButton* r : {national, super7, lottoMax, provincial})
        selectorColumn->addWidget(r);
    topRow->addWidget(selectors);

    // The strip is seven or eight balls wide; its place is always eight, so a game switch moves
    // nothing but the balls.
    auto* stripPlace = new QWidget(top);
    stripPlace->setFixedWidth(BallStrip::WidthSevenNumbers);
    auto* stripRow = new QHBoxLayout(stripPlace);
    stripRow->setContentsMargins(0, 0, 0, 0);
    strip = new BallStrip(stripPlace);
    stripRow->addWidget(strip, 0, Qt::AlignLeft | Qt::AlignVCenter);
    topRow->addWidget(stripPlace);

    drawGroup = new QGroupBox(top);
    drawGroup->setObjectName(QStringLiteral("drawDateGroup"));
    auto* drawGrid = new QGridLayout(drawGroup);
    drawDate = makeDateEdit(drawGroup, QStringLiteral("drawDateEdit"));
    drawGrid->addWidget(drawDate, 0, 0, 1, 2);
    addDrawButton = makeButton(drawGroup, QStringLiteral("addDrawButton"), QObject::tr("Add Draw"));
    deleteDrawButton = makeButton(drawGroup, QStringLiteral("deleteDrawButton"), QObject::tr("Delete Draw"));
    drawGrid->addWidget(addDrawButton, 1, 0);
    drawGrid->addWidget(deleteDrawButton, 1, 1);
    historyIcon = new QToolButton(drawGroup);
    historyIcon->setObjectName(QStringLiteral("drawListButton"));
    historyIcon->setText(QObject::tr("History"));
    historyIcon->setIcon(window->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    historyIcon->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    historyIcon->setAutoRaise(true);
    statsIcon = new QToolButton(drawGroup);
    statsIcon->setObjectName(QStringLiteral("statsButton"));
    statsIcon->setText(QObject::tr("Stats"));
    statsIcon->setIcon(window->style()->standardIcon(QStyle::SP_FileDialogInfoView));
    statsIcon->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    statsIcon->setAutoRaise(true);
    drawGrid->addWidget(historyIcon, 2, 0, Qt::AlignCenter);
    drawGrid->addWidget(statsIcon, 2, 1, Qt::AlignCenter);
    topRow->addWidget(drawGroup);
    outer->addWidget(top);
    // Both groups wide enough for every game's caption, so a game or province switch moves nothing.
    int selectorsWidth = 0;
    int drawGroupWidth = 0;
    for (int gameId = 1; gameId <= GameCatalogue::LastGame; ++gameId) {
        const QString caption = GameCatalogue::game(gameId).selectorCaption;
        provincial->setText(caption);
        drawGroup->setTitle(QObject::tr("Draw Date for ") + caption);
        selectorsWidth = std::max(selectorsWidth, selectors->minimumSizeHint().width());
        drawGroupWidth = std::max(drawGroupWidth, drawGroup->minimumSizeHint().width());
    }
    provincial->setText(GameCatalogue::game(GameCatalogue::FirstProvincial).selectorCaption);
    selectors->setFixedWidth(selectorsWidth);
    drawGroup->setFixedWidth(drawGroupWidth);

    auto* bottomRow = new QHBoxLayout;
    entriesGroup = new QGroupBox(central);
    entriesGroup->setObjectName(QStringLiteral("entriesGroup"));
    auto* entriesGrid = new QGridLayout(entriesGroup);
    entryDate = makeDateEdit(entriesGroup, QStringLiteral("entryDateEdit"));
    datedEntry = makeButton(entriesGroup, QStringLiteral("datedEntryButton"), QObject::tr("Dated Entry"));
    setName = new QLabel(entriesGroup);
    setName->setObjectName(QStringLiteral("setNameLabel"));
    setName->hide();
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(entryDate);
    dateRow->addWidget(setName, 1);
    entriesGrid->addLayout(dateRow, 0, 0, 1, 2);
    entriesGrid->addWidget(datedEntry, 0, 2);
    entryList = makeNumberList(entriesGroup, QStringLiteral("entryList"));
    entryList->setModel(&entries);
    // A click chooses one line, Ctrl-click adds or drops one, Shift-click takes a range.
    entryList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    entriesGrid->addWidget(entryList, 1, 0, 1, 3);
    auto* countRow = new QHBoxLayout;
    auto* entriesLabel = new QLabel(QObject::tr("Entries"), entriesGroup);
    entryCount = new QLineEdit(entriesGroup);
    entryCount->setObjectName(QStringLiteral("entryCountEdit"));
    makeReadOnlyBox(entryCount);
    countRow->addWidget(entriesLabel);
    countRow->addWidget(entryCount);
    countRow->addStretch();
    entriesGrid->addLayout(countRow, 2, 0, 1, 3);
    addButton = makeButton(entriesGroup, QStringLiteral("addEntryButton"), QObject::tr("Add"));
    checkButton = makeButton(entriesGroup, QStringLiteral("checkButton"), QObject::tr("Check"));
    deleteButton = makeButton(entriesGroup, QStringLiteral("deleteEntryButton"), QObject::tr("Delete"));
    historyCheck = makeButton(entriesGroup, QStringLiteral("historyCheckButton"), QObject::tr("History"));
    editButton = makeButton(entriesGroup, QStringLiteral("editEntryButton"), QObject::tr("Edit"));
    printEntries = makeButton(entriesGroup, QStringLiteral("printEntriesButton"), QObject::tr("Print"));
    entriesGrid->addWidget(addButton, 3, 0);
    entriesGrid->addWidget(checkButton, 3, 1);
    entriesGrid->addWidget(deleteButton, 3, 2);
    entriesGrid->addWidget(historyCheck, 4, 0);
    entriesGrid->addWidget(editButton, 4, 1);
    entriesGrid->addWidget(printEntries, 4, 2);
    bottomRow->addWidget(entriesGroup, 3);

    winningGroup = new QGroupBox(central);
    winningGroup->setObjectName(QStringLiteral("winningGroup"));
    auto* winningGrid = new QGridLayout(winningGroup);
    auto* winningList = makeNumberList(winningGroup, QStringLiteral("winningList"));
    winningLines = new QStringListModel(winningList);
    winningList->setModel(winningLines);
    winningList->setSelectionMode(QAbstractItemView::NoSelection);
    winningGrid->addWidget(winningList, 0, 0, 1, 3);
    winningGrid->addWidget(new QLabel(QObject::tr("Total Wins"), winningGroup), 1, 0);
    totalWins = new QLineEdit(winningGroup);
    totalWins->setObjectName(QStringLiteral("totalWinsEdit"));
    makeReadOnlyBox(totalWins);
    winningGrid->addWidget(totalWins, 1, 1);
    printWinning = makeButton(winningGroup, QStringLiteral("printWinningButton"), QObject::tr("Print"));
    winningGrid->addWidget(printWinning, 1, 2);
    bottomRow->addWidget(winningGroup, 2);
    outer->addLayout(bottomRow, 1);
    window->setCentralWidget(central);
}

void Form1Layout::enablePrinting(bool available)
{
    printEntries->setEnabled(available);
    printWinning->setEnabled(available);
}

#include "LinkProcess.h"

#include "AppFolder.h"
#include "Clock.h"
#include "EntryFile.h"
#include "GameCatalogue.h"
#include "OptimisedLines.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

LinkProcess::LinkProcess(
    int gameId, const QString& resultsPath, const QString& appFolder, Clock& clock, QWidget* parent)
    : ChildWindow(parent)
    , m_gameId(gameId)
    , m_resultsPath(resultsPath)
    , m_appFolder(appFolder)
    , m_table(gameId)
{
    setObjectName(QStringLiteral("LinkProcess"));
    // The lines go to this game's entry files, so the title says which game it is.
    setWindowTitle(tr("Optimiser for ") + GameCatalogue::game(gameId).selectorCaption);
    auto* column = new QVBoxLayout(this);

    m_rangeGroup = new QGroupBox(this);
    m_rangeGroup->setObjectName(QStringLiteral("rangeGroup"));
    auto* rangeRow = new QHBoxLayout(m_rangeGroup);
    rangeRow->addWidget(new QLabel(tr("Last"), m_rangeGroup));
    m_drawsEdit = new QLineEdit(m_rangeGroup);
    m_drawsEdit->setObjectName(QStringLiteral("drawsEdit"));
    m_drawsEdit->setFixedWidth(70);
    rangeRow->addWidget(m_drawsEdit);
    rangeRow->addWidget(new QLabel(tr("Draws"), m_rangeGroup));
    rangeRow->addStretch();
    column->addWidget(m_rangeGroup);

    auto* process = new QPushButton(tr("Process Range"), this);
    process->setObjectName(QStringLiteral("processRangeButton"));
    process->setDefault(true);
    column->addWidget(process);

    column->addWidget(new QLabel(tr("Select Entry Date"), this));
    m_entryDate = new QDateEdit(clock.today(), this);
    m_entryDate->setObjectName(QStringLiteral("entryDateEdit"));
    // Shown like the main window's entry date, so the same day reads the same in both.
    m_entryDate->setLocale(QLocale(QLocale::English, QLocale::Canada));
    m_entryDate->setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    m_entryDate->setDateRange(QDate(1950, 1, 1), QDate(2050, 12, 31));
    m_entryDate->setCalendarPopup(true);
    column->addWidget(m_entryDate);

    m_createButton = new QPushButton(tr("Create Entries for Selected Date"), this);
    m_createButton->setObjectName(QStringLiteral("createEntriesButton"));
    m_createButton->setEnabled(false);
    column->addWidget(m_createButton);

    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    column->addWidget(closeButton);

    QString error;
    const std::optional<int> drawCount = ResultsFile::readCount(m_resultsPath, &error);
    if (!drawCount)
        Prompt::warn(parent, error);
    showDrawCount(drawCount.value_or(0));

    connect(process, &QPushButton::clicked, this, &LinkProcess::ProcessRange);
    connect(m_createButton, &QPushButton::clicked, this, &LinkProcess::CreateEntries);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // The lines belong to the table of the range that was processed, not to a newly typed one.
    connect(m_drawsEdit, &QLineEdit::textChanged, this, [this] { m_createButton->setEnabled(false); });
}

void LinkProcess::showDrawCount(int drawCount)
{
    m_rangeGroup->setTitle(tr("Enter number from 1 to ") + QString::number(drawCount));
}

void LinkProcess::ProcessRange()
{
    const QString text = m_drawsEdit->text();
    if (text.isEmpty()) {
        Prompt::warn(this, tr("Please enter a value"));
        return;
    }
    m_table.clear();
    QString error;
    const auto draws = ResultsFile::readAll(m_resultsPath, &error);
    if (!draws) {
        Prompt::warn(this, error);
        return;
    }
    const int drawCount = static_cast<int>(draws->size());
    showDrawCount(drawCount);
    const OptimisedLines::Range range = OptimisedLines::chooseRange(text, drawCount);
    if (range.refusal == OptimisedLines::RangeRefusal::NoDraws) {
        Prompt::warn(this, tr("There are no draws in the history file, this process cannot be run."));
        return;
    }
    if (range.refusal != OptimisedLines::RangeRefusal::None) {
        Prompt::warn(this, tr("Your entry is outside the permitted draw range"));
        return;
    }
    m_table.process(*draws, range.first, drawCount);
    m_rangeProcessed = true;
    m_entriesCreated = false;
    m_createButton->setEnabled(true);
    Prompt::inform(this, tr("Last ") + text + tr(" draws have been link processed"));
}

void LinkProcess::CreateEntries()
{
    const QDate date = m_entryDate->date();
    const QString path =
        AppFolder::pathOf(m_appFolder, EntryFile::DatedEntryFileName(m_gameId, date.day(), date.month(), date.year()));
    // A missing file is read as empty without being created: a run that adds nothing leaves none.
    RecordFile file(EntryFile::RecordLength);
    QString error;
    if (QFileInfo::exists(path) && !file.load(path, &error)) {
        Prompt::warn(this, error);
        return;
    }
    if (EntryFile::lineCount(file) > 0
        && !Prompt::askYesNo(this,
                             tr("You already have a date entry for this date, do you want to add the new optimised "
                                "entry to the existing entry?")))
        return;

    // The table counts every ball the game has drawn; the lines hold only numbers of the date's range.
    const std::vector<EntryNumbers> lines =
        OptimisedLines::makeLines(m_table, GameCatalogue::highestNumber(m_gameId, date));
    QString reason;
    if (!OptimisedLines::appendLines(file, lines, m_gameId, date, &reason)) {
        Prompt::warn(this, fileErrorText(path, reason));
        return;
    }
    if (!lines.empty()) {
        if (!WholeFile::write(path, file.bytes(), &error)) {
            Prompt::warn(this, error);
            return;
        }
        emit entryFileWritten(path);
    }
    m_entriesCreated = true;
    Prompt::inform(this,
                   tr("Done - ") + QString::number(lines.size()) + tr(" entries added to draw ")
                       + QLocale().toString(date, QLocale::ShortFormat));
}

bool LinkProcess::canClose()
{
    return !m_rangeProcessed || m_entriesCreated
           || Prompt::askYesNo(this,
                               tr("You have not yet created an entry from the last initiation of Process Range. Do you "
                                  "still want to quit?"));
}

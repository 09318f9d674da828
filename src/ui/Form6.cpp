#include "Form6.h"

#include "Clock.h"
#include "DateText.h"
#include "EntrySet.h"
#include "GameCatalogue.h"
#include "HistoryPageModel.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace
{
// A slice of the check: a bounded number of draws and a few milliseconds at most, so the window
// answers clicks and the progress bar moves however many lines there are.
constexpr int DrawsPerSlice = 256;
constexpr int SliceMilliseconds = 20;

QDateEdit* makeDatePicker(QGroupBox* frame, const QString& objectName, const QString& toolTip)
{
    auto* picker = new QDateEdit(frame);
    picker->setObjectName(objectName);
    picker->setToolTip(toolTip);
    picker->setLocale(QLocale(QLocale::English, QLocale::Canada)); // English month names everywhere
    picker->setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    picker->setDateRange(QDate(1950, 1, 1), QDate(2050, 12, 31));
    picker->setCalendarPopup(true);
    (new QVBoxLayout(frame))->addWidget(picker);
    return picker;
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption, const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    return button;
}
} // namespace

Form6::Form6(int gameId, const QString& resultsFile, const EntrySet& entries, const Clock& clock, QWidget* parent)
    : ChildWindow(parent)
    , m_gameId(gameId)
    , m_resultsFile(resultsFile)
    , m_entries(entries)
{
    setObjectName(QStringLiteral("Form6"));
    auto* outer = new QHBoxLayout(this);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pageStack"));
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    for (int page = 0; page < HistoryListing::PageCount; ++page) {
        auto* view = new QListView(m_pages);
        view->setObjectName(QStringLiteral("page%1View").arg(page));
        view->setUniformItemSizes(true); // rows are measured once, not 32,730 times
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setFont(listFont);
        m_pageModels[page] = new HistoryPageModel(page, view);
        view->setModel(m_pageModels[page]);
        m_pages->addWidget(view);
    }
    m_pages->setMinimumWidth(300);
    outer->addWidget(m_pages, 1);

    auto* side = new QVBoxLayout;
    auto* startFrame = new QGroupBox(tr("Start Date"), this);
    m_startDate = makeDatePicker(
        startFrame, QStringLiteral("startDateEdit"), tr("Set month and year for the start of the check"));
    auto* endFrame = new QGroupBox(tr("End Date"), this);
    m_endDate =
        makeDatePicker(endFrame, QStringLiteral("endDateEdit"), tr("Set month and year for the end of the check"));
    side->addWidget(startFrame);
    side->addWidget(endFrame);

    auto* summary = new QGridLayout;
    for (int i = 0; i < HistoryCheck::RowCount; ++i) {
        m_summaryLabels[i] = new QLabel(this);
        m_summaryLabels[i]->setObjectName(QStringLiteral("summaryLabel%1").arg(i + 1));
        m_counts[i] = new QLineEdit(this);
        m_counts[i]->setObjectName(QStringLiteral("count%1Edit").arg(i + 1));
        m_counts[i]->setReadOnly(true);
        m_counts[i]->setMaximumWidth(90);
        summary->addWidget(m_summaryLabels[i], i, 0);
        summary->addWidget(m_counts[i], i, 1);
    }
    side->addLayout(summary);

    m_checkButton = makeButton(this, QStringLiteral("checkButton"), tr("Check"), tr("Starts the checking process"));
    m_checkButton->setDefault(true);
    auto* cancelButton = makeButton(this, QStringLiteral("cancelButton"), tr("Cancel"), QString());
    m_closeButton = makeButton(this, QStringLiteral("closeButton"), tr("Close"), tr("Closes this form"));
    auto* moreButton = makeButton(this,
                                  QStringLiteral("moreButton"),
                                  tr("More..."),
                                  tr("Use this button to page to the next 32000 entries, if any"));
    auto* backButton = makeButton(this,
                                  QStringLiteral("backButton"),
                                  tr("Back..."),
                                  tr("Use this button to page to the previous 32000 entries, if any"));
    // Which of the four pages is shown, since they all take the same place.
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setAlignment(Qt::AlignCenter);
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_checkButton, 0, 0);
    buttons->addWidget(cancelButton, 0, 1);
    buttons->addWidget(m_closeButton, 0, 2);
    buttons->addWidget(backButton, 1, 0);
    buttons->addWidget(m_pageLabel, 1, 1);
    buttons->addWidget(moreButton, 1, 2);
    side->addLayout(buttons);
    side->addStretch();
    outer->addLayout(side);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setTextVisible(false);
    m_progress->setValue(0);
    side->addWidget(m_status);
    side->addWidget(m_progress);
    resize(640, 480);

    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &Form6::checkSlice);
    connect(m_checkButton, &QPushButton::clicked, this, &Form6::RunHistoryCheck);
    connect(cancelButton, &QPushButton::clicked, this, [this] { m_stopRequest = true; });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(moreButton, &QPushButton::clicked, this, &Form6::pageForward);
    connect(backButton, &QPushButton::clicked, this, &Form6::pageBack);
    showPage(0);
    InitHistoryCheck(clock);
}

Form6::~Form6() = default;

void Form6::InitHistoryCheck(const Clock& clock)
{
    const QDate today = clock.today();
    m_startDate->setDate(today);
    m_endDate->setDate(today);
    QString error;
    const auto draws = ResultsFile::readAll(m_resultsFile, &error);
    if (!draws)
        Prompt::warn(this, error);
    else if (!draws->empty())
        m_startDate->setDate(draws->front().date());

    if (m_gameId == GameCatalogue::National)
        setWindowTitle(tr("History Check Against National Lotto Entry"));
    else if (GameCatalogue::isSuper7(m_gameId))
        setWindowTitle(tr("History Check Against Super 7 Entry"));
    else if (m_gameId == GameCatalogue::LottoMax)
        setWindowTitle(tr("History Check Against Lotto Max Entry"));
    else
        setWindowTitle(tr("History Check Against Provincial Entry"));
    for (int row = 1; row <= HistoryCheck::RowCount; ++row) {
        const bool used = row <= HistoryCheck::rowCount(m_gameId);
        m_summaryLabels[row - 1]->setText(HistoryCheck::summaryLabel(m_gameId, row));
        m_summaryLabels[row - 1]->setVisible(used);
        m_counts[row - 1]->setVisible(used);
    }
}

bool Form6::isChecking() const
{
    return m_slices.isActive();
}

bool Form6::canClose()
{
    // Closing by the frame during a check waits for its end or its cancelling, as "Close" does.
    return !isChecking();
}

void Form6::setIdle(bool idle)
{
    m_checkButton->setEnabled(idle);
    m_closeButton->setEnabled(idle);
}

void Form6::RunHistoryCheck()
{
    if (isChecking())
        return;
    setIdle(false);
    // Nothing of an earlier check stays in view, whatever becomes of this one.
    for (QLineEdit* count : m_counts)
        count->clear();
    for (HistoryPageModel* model : m_pageModels)
        model->setCheck(nullptr);
    m_check.reset();
    m_status->clear();
    showPage(0);
    if (m_startDate->date() > m_endDate->date()) {
        Prompt::warn(this, tr("Your start date must be before your end date"));
        setIdle(true);
        return;
    }

    QString error;
    auto draws = ResultsFile::readAll(m_resultsFile, &error);
    if (!draws) {
        Prompt::warn(this, error);
        setIdle(true);
        return;
    }
    const QDate start = m_startDate->date();
    const QDate end = m_endDate->date();
    const auto range = HistoryCheck::findRange(*draws,
                                               DateText::DateKey(start.day(), start.month(), start.year()),
                                               DateText::DateKey(end.day(), end.month(), end.year()));
    if (!range) {
        m_status->setText(tr("No results in specified date range"));
        setIdle(true);
        return;
    }

    showPage(1); // the page being filled stays out of sight until it is full
    m_progress->setRange(0, std::max(1, range->drawCount()));
    m_progress->setValue(0);
    m_status->setText(tr("Check ") + QString::number(m_entries.count()) + tr(" entries against ") + QLatin1Char(' ')
                      + QString::number(range->drawCount()) + tr(" results."));
    // The lines are read once for the whole check: nothing can change them while this window is open.
    m_check = std::make_unique<HistoryCheck>(m_entries.lines(), std::move(*draws), m_gameId, *range);
    for (HistoryPageModel* model : m_pageModels)
        model->setCheck(m_check.get());
    m_fillingPage = 0;
    m_stopRequest = false;
    m_slices.start();
}

void Form6::checkSlice()
{
    QElapsedTimer elapsed;
    elapsed.start();
    const int drawsPerStep = std::max(1, (1 << 18) / std::max(1, m_check->lineCount()));
    int sliceDraws = 0;
    while (!m_check->isDone() && sliceDraws < DrawsPerSlice && elapsed.elapsed() < SliceMilliseconds) {
        const int before = m_check->drawsDone();
        m_check->step(std::min(drawsPerStep, DrawsPerSlice - sliceDraws));
        sliceDraws += m_check->drawsDone() - before;
    }
    for (HistoryPageModel* model : m_pageModels)
        model->sync();
    if (m_check->listing().pageIndex() != m_fillingPage) {
        // A page was filled: the first page comes into view while the next one fills.
        m_fillingPage = m_check->listing().pageIndex();
        showPage(0);
    }
    m_progress->setValue(m_check->drawsDone());
    if (m_check->isDone() || m_stopRequest)
        finishCheck();
}

void Form6::finishCheck()
{
    m_slices.stop();
    m_stopRequest = false;
    m_progress->setValue(0);
    setIdle(true);
    for (int row = 1; row <= HistoryCheck::rowCount(m_gameId); ++row)
        m_counts[row - 1]->setText(QString::number(m_check->count(row)));
    showPage(0);
    if (m_check->listing().limitReached()) {
        Prompt::inform(this,
                       tr("Please note that not all the entries have been displayed in the list on the left. This is "
                          "due to there being 131000 entries which is the limit. However the summary on the right has "
                          "been completed. If you want details of the missing items you should change the your "
                          "search dates."));
    }
}

void Form6::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_pageLabel->setText(tr("Page %1 of %2").arg(page + 1).arg(HistoryListing::PageCount));
}

void Form6::pageForward()
{
    const int shown = m_pages->currentIndex();
    const int filling = m_check ? m_check->listing().pageIndex() : 0;
    if (shown == 0 || (shown < HistoryListing::PageCount - 1 && filling >= shown + 1))
        showPage(shown + 1);
}

void Form6::pageBack()
{
    if (m_pages->currentIndex() > 0)
        showPage(m_pages->currentIndex() - 1);
}

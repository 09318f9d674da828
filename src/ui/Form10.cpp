#include "Form10.h"

#include "EntrySet.h"
#include "Printing.h"
#include "Prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace
{
QLineEdit* totalField(QFormLayout* form, const QString& caption, const QString& objectName)
{
    auto* field = new QLineEdit(form->parentWidget());
    field->setObjectName(objectName);
    // The totals follow the marks; typing into them would change nothing.
    field->setReadOnly(true);
    field->setFixedWidth(80);
    form->addRow(caption, field);
    return field;
}

QPushButton* button(QWidget* parent, const QString& caption, const QString& objectName)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    return b;
}
} // namespace

Form10::Form10(EntrySet& entries, PrinterSystem& printers, bool printerAvailable, QWidget* parent)
    : ChildWindow(parent)
    , m_entries(entries)
    , m_printers(printers)
    , m_copy(EntryFile::RecordLength)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(tr("Filter"));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    columns->addLayout(left);

    auto* selection = new QGroupBox(tr("Filter Selection"), this);
    selection->setObjectName(QStringLiteral("filterSelectionGroup"));
    auto* selectionColumn = new QVBoxLayout(selection);
    auto* sum = new QGroupBox(tr("Sum Filter"), selection);
    sum->setObjectName(QStringLiteral("sumFilterGroup"));
    auto* sumColumn = new QVBoxLayout(sum);
    m_sumFilter = new QCheckBox(tr("Apply Filter"), sum);
    m_sumFilter->setObjectName(QStringLiteral("sumFilterCheck"));
    m_slider = new QSlider(Qt::Horizontal, sum);
    m_slider->setObjectName(QStringLiteral("sumSlider"));
    m_slider->setRange(1, 5);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    // The slider's five steps mean nothing alone; the band they stand for is shown beside them.
    auto* band = new QLabel(sum);
    band->setObjectName(QStringLiteral("sumBandLabel"));
    const auto showBand = [this, band](int position) {
        const EntryFilter::SumBand sums = EntryFilter::sumBand(m_entries.gameId(), position, m_entries.rulesDate());
        band->setText(tr("Sums %1 to %2").arg(sums.low).arg(sums.high));
    };
    showBand(m_slider->value());
    sumColumn->addWidget(m_sumFilter);
    sumColumn->addWidget(m_slider);
    sumColumn->addWidget(band);
    selectionColumn->addWidget(sum);

    auto* coverage = new QGroupBox(tr("Duplicate Coverage Filter"), selection);
    coverage->setObjectName(QStringLiteral("coverageFilterGroup"));
    auto* coverageColumn = new QVBoxLayout(coverage);
    m_coverageFilter = new QCheckBox(tr("Apply Filter"), coverage);
    m_coverageFilter->setObjectName(QStringLiteral("coverageFilterCheck"));
    coverageColumn->addWidget(m_coverageFilter);
    auto* options = new QHBoxLayout;
    const std::array<int, 4> choices = EntryFilter::thresholdChoices(entries.gameId());
    for (size_t i = 0; i < choices.size(); ++i) {
        m_thresholds[i] = new QRadioButton(QString::number(choices[i]), coverage);
        m_thresholds[i]->setObjectName(QStringLiteral("thresholdOption%1").arg(i + 1));
        options->addWidget(m_thresholds[i]);
    }
    m_thresholds[2]->setChecked(true);
    coverageColumn->addLayout(options);
    selectionColumn->addWidget(coverage);
    left->addWidget(selection);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setValue(0);
    left->addWidget(m_progress);
    auto* check = button(this, tr("Check"), QStringLiteral("checkButton"));
    check->setDefault(true);
    left->addWidget(check);

    auto* totals = new QGroupBox(tr("Entry Totals"), this);
    totals->setObjectName(QStringLiteral("entryTotalsGroup"));
    auto* totalsForm = new QFormLayout(totals);
    m_totalEdit = totalField(totalsForm, tr("Total Entries"), QStringLiteral("totalEntriesEdit"));
    m_checkedEdit = totalField(totalsForm, tr("Checked"), QStringLiteral("checkedEdit"));
    m_resultingEdit = totalField(totalsForm, tr("Resulting No."), QStringLiteral("resultingEdit"));
    left->addWidget(totals);
    auto* remove = button(this, tr("Remove Checked Items From Entry"), QStringLiteral("removeButton"));
    auto* print = button(this, tr("Print"), QStringLiteral("printButton"));
    print->setEnabled(printerAvailable);
    auto* closeButton = button(this, tr("Close"), QStringLiteral("closeButton"));
    left->addWidget(remove);
    left->addWidget(print);
    left->addWidget(closeButton);
    left->addStretch();

    auto* filtered = new QGroupBox(tr("Filtered Entries"), this);
    filtered->setObjectName(QStringLiteral("filteredEntriesGroup"));
    auto* filteredColumn = new QVBoxLayout(filtered);
    m_list = new QListWidget(filtered);
    m_list->setObjectName(QStringLiteral("filteredList"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    m_list->setFont(font);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumWidth(260);
    filteredColumn->addWidget(m_list);
    columns->addWidget(filtered, 1);

    m_controls = {selection, check, remove, m_list};
    if (printerAvailable)
        m_controls << print;

    connect(m_slider, &QSlider::valueChanged, this, showBand);
    connect(check, &QPushButton::clicked, this, &Form10::Check);
    connect(m_list, &QListWidget::itemChanged, this, &Form10::markChanged);
    connect(remove, &QPushButton::clicked, this, &Form10::RemoveChecked);
    connect(print, &QPushButton::clicked, this, &Form10::PrintList);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

bool Form10::mayFilter(const EntrySet& entries, QWidget* parent)
{
    if (entries.kind() == EntryKind::Wheel
        && !Prompt::askYesNo(
            parent,
            tr("If you filter a wheel, the guarantee will no longer apply. Are you sure you want to continue?")))
        return false;
    if (entries.count() == 0) {
        Prompt::warn(parent, tr("You have no entries displayed to filter."));
        return false;
    }
    return true;
}

void Form10::Check()
{
    m_checkDone = false;
    if (!m_sumFilter->isChecked() && !m_coverageFilter->isChecked()) {
        // Marks of an earlier check would no longer be what Remove acts on.
        clearResults();
        Prompt::warn(this, tr("No filter has been specified"));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setBusy(true);
    const bool done = runCheck();
    setBusy(false);
    QApplication::restoreOverrideCursor();
    m_progress->setValue(0);
    if (m_closeRequested) {
        close();
        return;
    }
    m_checkDone = done;
}

bool Form10::runCheck()
{
    // Each check starts again from the file as it is now; marks changed by hand are dropped.
    clearResults();
    QString error;
    RecordFile copy(EntryFile::RecordLength);
    if (!copy.load(m_entries.path(), &error)) {
        Prompt::warn(this, error);
        return false;
    }
    const int n = EntryFile::lineCount(copy);
    std::vector<EntryNumbers> lines;
    lines.reserve(n);
    for (int k = 1; k <= n; ++k)
        lines.push_back(EntryFile::lineOf(copy, k));
    m_progress->setRange(0, std::max(n, 1));

    EntryFilter::Settings settings;
    settings.sumFilter = m_sumFilter->isChecked();
    settings.sliderPosition = m_slider->value();
    settings.rulesDate = m_entries.rulesDate();
    settings.coverageFilter = m_coverageFilter->isChecked();
    const std::array<int, 4> choices = EntryFilter::thresholdChoices(m_entries.gameId());
    for (size_t i = 0; i < choices.size(); ++i) {
        if (m_thresholds[i]->isChecked())
            settings.threshold = choices[i];
    }
    m_stopRequested = false;
    // The window is repainted and can be closed while a long check runs.
    const auto progress = [this](int done) {
        m_progress->setValue(done);
        QCoreApplication::processEvents();
        return !m_stopRequested;
    };
    std::optional<EntryFilter::Marks> marks = EntryFilter::check(lines, m_entries.gameId(), settings, progress);
    if (!marks)
        return false;

    m_copy = std::move(copy);
    m_marks = std::move(*marks);
    m_marked = static_cast<int>(std::count(m_marks.begin(), m_marks.end(), 1));
    showTotals(n, m_marked);
    for (int r = 0; r < n; ++r) {
        auto* item = new QListWidgetItem(EntryFilter::rowText(lines[r], m_entries.gameId()));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_marks[r] ? Qt::Checked : Qt::Unchecked);
        m_list->addItem(item);
    }
    return true;
}

void Form10::markChanged(QListWidgetItem* item)
{
    if (!m_checkDone)
        return;
    const int row = m_list->row(item);
    const uint8_t marked = item->checkState() == Qt::Checked ? 1 : 0;
    if (row < 0 || static_cast<size_t>(row) >= m_marks.size() || m_marks[row] == marked)
        return;
    m_marks[row] = marked;
    m_marked += marked ? 1 : -1;
    showTotals(static_cast<int>(m_marks.size()), m_marked);
}

void Form10::RemoveChecked()
{
    if (!m_checkDone || m_marked == 0)
        return;
    const QString question = m_marked == 1 ? tr("Remove 1 line from the entry file?")
                                           : tr("Remove %1 lines from the entry file?").arg(m_marked);
    if (!Prompt::confirmDestructive(this, question))
        return;
    QString error;
    if (!m_entries.rewrite(EntryFilter::thinned(m_copy, m_marks), &error)) {
        Prompt::warn(this, error);
        return;
    }
    clearResults();
}

void Form10::PrintList()
{
    if (m_list->count() == 0) {
        Prompt::warn(this, tr("There is no list to print!"));
        return;
    }
    QStringList rows;
    std::vector<bool> marked;
    for (int r = 0; r < m_list->count(); ++r) {
        rows << m_list->item(r)->text();
        marked.push_back(m_list->item(r)->checkState() == Qt::Checked);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool printed = m_printers.printLines(PreparePrinter(), EntryFilter::printLines(rows, marked), &error);
    QApplication::restoreOverrideCursor();
    // A printer that fails is reported, so the player knows nothing came out.
    if (!printed)
        Prompt::warn(this, error);
}

void Form10::showTotals(int total, int marked)
{
    m_totalEdit->setText(QString::number(total));
    m_checkedEdit->setText(QString::number(marked));
    m_resultingEdit->setText(QString::number(total - marked));
}

void Form10::clearResults()
{
    m_checkDone = false;
    m_list->clear();
    m_marks.clear();
    m_marked = 0;
    m_totalEdit->clear();
    m_checkedEdit->clear();
    m_resultingEdit->clear();
}

void Form10::setBusy(bool busy)
{
    m_running = busy;
    for (QWidget* w : std::as_const(m_controls))
        w->setEnabled(!busy);
}

bool Form10::canClose()
{
    if (!m_running)
        return true;
    m_stopRequested = true;
    m_closeRequested = true;
    return false;
}

#include "WheelBuilderWindow.h"

#include "EntrySet.h"
#include "Printing.h"
#include "Prompt.h"
#include "ResultsFile.h"
#include "WheelCatalogue.h"
#include "WheelCover.h"
#include "WheelEntrySet.h"
#include "WheelGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

WheelBuilderWindow::WheelBuilderWindow(WheelBuilder builder,
                                       const AppState& state,
                                       EntrySet& entries,
                                       PrinterSystem& printers,
                                       RandomSource& random,
                                       QWidget* parent)
    : ChildWindow(parent)
    , m_builder(builder)
    , m_state(state)
    , m_entries(entries)
    , m_printers(printers)
{
    buildWindow();
    m_printCover->setEnabled(m_state.printerAvailable);
    proposeNumbers(random);
    setupwheeldata(1);
}

void WheelBuilderWindow::buildWindow()
{
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    // One column of options per group label ("Any 6 from Group Picked" ...).
    QVBoxLayout* group = nullptr;
    QString groupLabel;
    for (const WheelKind& kind : WheelCatalogue::kinds(m_builder)) {
        if (!group || kind.optionGroup != groupLabel) {
            groupLabel = kind.optionGroup;
            group = new QVBoxLayout;
            auto* label = new QLabel(groupLabel, this);
            label->setStyleSheet(QStringLiteral("font-weight: bold"));
            group->addWidget(label);
            top->addLayout(group);
        }
        auto* option = new QRadioButton(kind.optionCaption, this);
        option->setObjectName(kind.optionName);
        option->setChecked(kind.type == 1);
        group->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, type = kind.type] { setupwheeldata(type); });
    }
    for (int i = 0; i < top->count(); ++i)
        qobject_cast<QVBoxLayout*>(top->itemAt(i)->layout())->addStretch();

    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(tr("No of Balls"), this), 0, 0);
    m_sizes = new QComboBox(this);
    m_sizes->setObjectName(QStringLiteral("Combo1"));
    sizes->addWidget(m_sizes, 0, 1);
    sizes->addWidget(new QLabel(tr("Entries Required"), this), 1, 0);
    // The line count follows from the kind and size; typing another would break the promise.
    m_linesRequired = new QLineEdit(this);
    m_linesRequired->setObjectName(QStringLiteral("Text25"));
    m_linesRequired->setReadOnly(true);
    m_linesRequired->setFixedWidth(60);
    sizes->addWidget(m_linesRequired, 1, 1);
    sizes->setRowStretch(2, 1);
    top->addLayout(sizes);
    column->addLayout(top);

    auto* ballFrame = new QGroupBox(tr("Select Group of Balls To Use for the Selected Wheel"), this);
    auto* ballGrid = new QGridLayout(ballFrame);
    for (int k = 0; k < BallBoxes; ++k) {
        auto* box = new QLineEdit(ballFrame);
        box->setObjectName(QStringLiteral("Text1_%1").arg(k));
        box->setFixedWidth(40);
        box->setAlignment(Qt::AlignCenter);
        ballGrid->addWidget(box, k / 8, k % 8);
        m_balls << box;
    }
    column->addWidget(ballFrame);

    for (const QString& note : {tr("All suggested entries are based on numbers most frequently drawn (using draw "
                                   "history). You may change any or all of the suggested numbers."),
                                tr("All guarantees are minimum. The actual number of matches may be greater.")}) {
        auto* label = new QLabel(note, this);
        label->setWordWrap(true);
        column->addWidget(label);
    }

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(tr("Save Wheel"), this);
    save->setObjectName(QStringLiteral("Command3"));
    save->setDefault(true);
    m_printCover = new QPushButton(tr("Print Cover"), this);
    m_printCover->setObjectName(QStringLiteral("Command2"));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(save);
    buttons->addWidget(m_printCover);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(m_sizes, &QComboBox::currentIndexChanged, this, &WheelBuilderWindow::ApplyGroupSize);
    connect(save, &QPushButton::clicked, this, &WheelBuilderWindow::SaveWheel);
    connect(m_printCover, &QPushButton::clicked, this, &WheelBuilderWindow::PrintCover);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void WheelBuilderWindow::proposeNumbers(RandomSource& random)
{
    QString error;
    const auto draws = ResultsFile::readAll(m_state.pathOf(m_state.wheelResultsName), &error);
    // An unreadable history proposes random numbers, as an empty one does; the player is told why.
    if (!draws)
        Prompt::warn(parentWidget(), error);
    const WheelKind& first = *WheelCatalogue::kind(m_builder, 1);
    m_suggested = SuggestNumbers::propose(
        draws.value_or(std::vector<DrawRecord>{}), first.lineSize, m_state.wheelHighest, random);
}

const WheelKind& WheelBuilderWindow::selectedKind() const
{
    return *WheelCatalogue::kind(m_builder, m_selectedType);
}

void WheelBuilderWindow::setupwheeldata(int type)
{
    clearsuggestedentries();
    m_selectedType = type;
    {
        const QSignalBlocker block(m_sizes);
        m_sizes->clear();
        for (int balls : WheelCatalogue::GroupSizes(m_builder, type))
            m_sizes->addItem(QString::number(balls));
        m_sizes->setCurrentIndex(0);
    }
    ApplyGroupSize();
}

void WheelBuilderWindow::ApplyGroupSize()
{
    clearsuggestedentries();
    const int balls = m_sizes->currentText().trimmed().toInt();
    if (const auto lines = WheelCatalogue::LinesRequired(m_builder, m_selectedType, balls)) {
        m_groupSize = balls;
        for (int k = 0; k < BallBoxes; ++k)
            m_balls[k]->setVisible(k < balls);
        m_linesRequired->setText(QString::number(*lines));
    }
    // The most drawn numbers of the group size, shown in ascending order.
    std::vector<int> shown(m_suggested.begin(), m_suggested.begin() + m_groupSize);
    std::sort(shown.begin(), shown.end());
    for (int k = 0; k < m_groupSize; ++k)
        m_balls[k]->setText(QString::number(shown[std::size_t(k)]));
}

void WheelBuilderWindow::clearsuggestedentries()
{
    for (QLineEdit* box : std::as_const(m_balls))
        box->clear();
}

QStringList WheelBuilderWindow::visibleBoxTexts() const
{
    QStringList texts;
    for (int k = 0; k < m_groupSize; ++k)
        texts << m_balls[k]->text();
    return texts;
}

void WheelBuilderWindow::SaveWheel()
{
    QString refusal;
    const auto group = WheelGroup::readGroup(visibleBoxTexts(), m_groupSize, m_state.wheelHighest, &refusal);
    if (!group) {
        Prompt::warn(this, refusal);
        return;
    }
    const WheelKind& kind = selectedKind();
    const QString setPath = WheelCatalogue::WheelEntrySetPath(m_state, kind);
    const auto result = WheelEntrySet::save(
        WheelCatalogue::WheelFilePath(m_state.shareFolder, kind.lineSize, kind.drawn, kind.match, m_groupSize),
        setPath,
        kind.lineSize,
        *group,
        WheelCatalogue::LinesRequired(m_builder, m_selectedType, m_groupSize).value_or(0),
        [this] {
            return Prompt::confirmDestructive(this,
                                              tr("You have already created one of thse wheels. Do you want to "
                                                 "overwrite the existing entry with this new entry?"));
        });
    switch (result.outcome) {
    case WheelEntrySet::Outcome::Declined:
        return;
    case WheelEntrySet::Outcome::Failed:
        Prompt::warn(this, result.message);
        return;
    case WheelEntrySet::Outcome::Saved:
        Prompt::inform(this, result.message);
        // The main window must not go on showing lines that are no longer on disk; its balls stay.
        if (m_entries.path() == setPath)
            m_entries.clear();
        return;
    }
}

void WheelBuilderWindow::PrintCover()
{
    const WheelKind& kind = selectedKind();
    WheelCoverData cover;
    cover.gameTitle = m_state.wheelGameTitle;
    cover.guaranteeHeader = kind.guaranteeHeader;
    cover.boxTexts = visibleBoxTexts();
    cover.groupSizeText = m_sizes->currentText();
    cover.lines = m_linesRequired->text().toInt();
    cover.setFileName = m_state.wheelGameWord + kind.entrySetSuffix;
    QString error;
    if (!m_printers.printLines(PreparePrinter(), WheelCover::PrintCover(cover), &error))
        Prompt::warn(this, error);
}

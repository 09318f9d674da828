// Form6: the history check window. Every line of the shown entry set is checked against every
// draw of the selected game between two dates; the listing is spread over four pages and the wins
// are summed per prize category. The check runs in short slices on the event loop, so "Cancel",
// "More..." and "Back..." work while it runs.
#pragma once

#include "ChildWindow.h"
#include "HistoryCheck.h"

#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <memory>

class Clock;
class EntrySet;
class HistoryPageModel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QStackedWidget;

class Form6 : public ChildWindow
{
    Q_OBJECT

public:
    // The entry set must stay unchanged while the window is open, as the main window takes no input.
    Form6(int gameId, const QString& resultsFile, const EntrySet& entries, const Clock& clock, QWidget* parent);
    ~Form6() override;

    bool isChecking() const;

protected:
    bool canClose() override;

private:
    void InitHistoryCheck(const Clock& clock);
    void RunHistoryCheck();
    void checkSlice();
    void finishCheck();
    void setIdle(bool idle);
    void showPage(int page);
    void pageForward();
    void pageBack();

    int m_gameId;
    QString m_resultsFile;
    const EntrySet& m_entries;
    std::unique_ptr<HistoryCheck> m_check;
    bool m_stopRequest = false;
    int m_fillingPage = 0;
    QTimer m_slices;

    QDateEdit* m_startDate = nullptr;
    QDateEdit* m_endDate = nullptr;
    QStackedWidget* m_pages = nullptr;
    std::array<HistoryPageModel*, HistoryListing::PageCount> m_pageModels{};
    std::array<QLabel*, HistoryCheck::RowCount> m_summaryLabels{};
    std::array<QLineEdit*, HistoryCheck::RowCount> m_counts{};
    QPushButton* m_checkButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_pageLabel = nullptr;
    QProgressBar* m_progress = nullptr;
};

// Form10: the "Filter" window. It marks lines of the shown entry set by their sum and by their
// overlap with earlier lines, lets the player change the marks, and removes the marked lines from
// the entry file in one write. The marks live here, beside a copy of the file taken at each check.
#pragma once

#include "ChildWindow.h"
#include "EntryFilter.h"
#include "RecordFile.h"

#include <array>

class EntrySet;
class PrinterSystem;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;

class Form10 : public ChildWindow
{
    Q_OBJECT

public:
    Form10(EntrySet& entries, PrinterSystem& printers, bool printerAvailable, QWidget* parent);

    // Whether the shown set may be filtered: there are lines, and for a wheel the player agrees
    // to lose its guarantee. Tells the player why not.
    static bool mayFilter(const EntrySet& entries, QWidget* parent);

protected:
    // A running check is stopped first; the window closes as soon as it has stopped.
    bool canClose() override;

private:
    void Check();
    bool runCheck();
    void markChanged(QListWidgetItem* item);
    void RemoveChecked();
    void PrintList();
    void showTotals(int total, int marked);
    void clearResults();
    void setBusy(bool busy);

    EntrySet& m_entries;
    PrinterSystem& m_printers;
    RecordFile m_copy;
    EntryFilter::Marks m_marks;
    int m_marked = 0;
    bool m_checkDone = false;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_closeRequested = false;

    QCheckBox* m_sumFilter = nullptr;
    QSlider* m_slider = nullptr;
    QCheckBox* m_coverageFilter = nullptr;
    std::array<QRadioButton*, 4> m_thresholds{};
    QProgressBar* m_progress = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_totalEdit = nullptr;
    QLineEdit* m_checkedEdit = nullptr;
    QLineEdit* m_resultingEdit = nullptr;
    QList<QWidget*> m_controls; // disabled while a check runs
};

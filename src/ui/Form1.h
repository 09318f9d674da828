// Form1: the main window, which is the program: game selection, the draw of the picked date as
// balls, the player's entries for the picked entry date and the lines that won.
#pragma once

#include "AppState.h"

#include <QMainWindow>

#include <memory>

class BallStrip;
class Clock;
class PrinterSystem;
class QAction;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    Form1(const QString& programFolder, Clock& clock, PrinterSystem& printers, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence: dates, folder, printer, province from game.dat, first game switch.
    void startUp();

    AppState& state();
    PrinterSystem& printers();

    // Shared routines of the main display.
    void ShowBall(int position, int number);
    void ClearMainDisplay();
    void RemoveEmptyEntryFile();
    void SetWheelMenus(int ballCount);
    void GameSwitch();
    void selectProvince(int provinceCode);

    // Draw display: shows the draw of the picked draw date, if there is one.
    void showDrawOfDate();
    bool isDrawShown() const;

    // Entry list operations.
    void LoadDatedEntries();
    void ShowDatedEntries();
    void CheckEntries();
    void OpenAddWindow();
    void OpenEditWindow();
    void DeleteSelectedLines();
    void SaveStandingEntry();
    void OpenStandingEntry();

    // Used by the add and edit windows, which work on this window's list directly.
    int entryCount() const;
    void appendEntryRow(const QString& text, int newCount);
    void replaceEntryRow(int row, const QString& text);
    void clearWinningLines();
    QString provincialCaption() const;
    QDate entryDate() const;
    QDate drawDate() const;
    void setDrawDate(const QDate& date);
    void setEntryDate(const QDate& date);
    void childClosed();
    // While a child window is open the main window stays visible but takes no input.
    void setInputEnabled(bool enabled);
    bool isInputEnabled() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    QAction* addMenuAction(QMenu* menu, const QString& objectName, const QString& caption);
    void reportError(const QString& error);
    // Wheel sets lose their guarantee when changed, so the player is asked first.
    bool confirmWheelChange(const QString& question);
    static QString modifyWheelQuestion();
    // Selected rows among the first count rows of the entry list.
    QList<int> selectedRows(int count) const;
    void setEntryCountText(int count);
    void showEntryFile(const QString& path);
    void addDraw();
    void deleteDraw();
    void openDrawList();
    void printList(QListWidget* list);
    void openPrinterSelection();
    void showHelpContents();
    void showAbout();

    AppState m_state;
    QString m_programFolder;
    Clock& m_clock;
    PrinterSystem& m_printers;

    QRadioButton* m_national = nullptr;
    QRadioButton* m_super7 = nullptr;
    QRadioButton* m_provincial = nullptr;
    BallStrip* m_strip = nullptr;
    QGroupBox* m_drawGroup = nullptr;
    QDateEdit* m_drawDate = nullptr;
    QGroupBox* m_entriesGroup = nullptr;
    QDateEdit* m_entryDate = nullptr;
    QListWidget* m_entryList = nullptr;
    QLineEdit* m_entryCount = nullptr;
    QPushButton* m_datedEntry = nullptr;
    QPushButton* m_printEntries = nullptr;
    QGroupBox* m_winningGroup = nullptr;
    QListWidget* m_winningList = nullptr;
    QLineEdit* m_totalWins = nullptr;
    QPushButton* m_printWinning = nullptr;
    QList<QAction*> m_wheels6;
    QList<QAction*> m_wheels7;
};

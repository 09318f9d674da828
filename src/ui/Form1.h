// Form1: the main window, which is the program: game selection, the draw of the picked date as
// balls, the player's entries for the picked entry date and the lines that won. It shows things
// and routes menus; the shown entries live in EntrySet, and every other window is opened through
// openChild and reports back through its own signals.
#pragma once

#include "AppState.h"
#include "EntrySet.h"
#include "Form1Layout.h"
#include "ProgramFolders.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <functional>

class ChildWindow;
class Clock;
class DrawRecord;
class HelpViewer;
class PrinterSystem;
class QAction;
class RandomSource;
class frmAbout;
struct WheelKind;

class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    Form1(const ProgramFolders& folders,
          Clock& clock,
          PrinterSystem& printers,
          RandomSource& random,
          QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence: dates, folder, printer, province from game.dat, first game switch.
    void startUp();

    const AppState& state() const;
    EntrySet& entrySet();

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
    void OpenHistoryCheck();
    void OpenAddWindow();
    void OpenEditWindow();
    void DeleteSelectedLines();
    void SaveStandingEntry();
    void OpenStandingEntry();
    // Show the game's saved wheel set at path, of the wheel type given; a missing set is reported
    // and the display stays as it was.
    void open6wheel(const QString& path, int type);
    void open7wheel(const QString& path, int type);

    QDate drawDate() const;
    void setDrawDate(const QDate& date);
    void setEntryDate(const QDate& date);

    // Shows a child window. Until it closes the main window keeps its look but takes no input;
    // then afterClose runs (reload the draw, the entries ...).
    void openChild(ChildWindow* child, std::function<void()> afterClose = {});
    bool isInputEnabled() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    QAction*
    addMenuAction(QMenu* menu, const QString& objectName, const QString& caption, const std::function<void()>& action);
    QMenu* addMenu(const QString& objectName, const QString& caption);
    void importDrawHistory();
    void reportError(const QString& error);
    // Tells the player once per file and run that a file looks damaged; it is shown as it is.
    void checkOnce(const QString& path, const std::function<QString()>& describe);
    void showDraw(int record, const DrawRecord& draw);
    void clearWinningLines();
    void entriesChanged();
    // Names the shown set when it is no dated one: "Standing Entry", "National 6-4-3 wheel".
    void showSetName();
    // Wheel sets lose their guarantee when changed, so the player is asked first.
    bool confirmWheelChange(const QString& question);
    static QString modifyWheelQuestion();
    QString addWindowTitle();
    void addDraw();
    void deleteDraw();
    void openDrawList();
    void printList(const QStringList& rows);
    void openPrinterSelection();
    void openImport();
    void createWheel();
    void openWheelKind(const WheelKind& kind);
    void showWheelSet(const QString& path, int type, const QString& missingMessage);
    void openOptimiser();
    // A child window wrote an entry file: shown again if it is the shown one.
    void reloadWrittenFile(const QString& path);
    void openFilter();
    void showHelpContents();
    void showAbout();
    static void showInFront(QWidget* window);

    AppState m_state;
    EntrySet m_entries;
    ProgramFolders m_folders;
    Clock& m_clock;
    PrinterSystem& m_printers;
    RandomSource& m_random;

    Form1Layout m_ui;
    QSet<QString> m_checkedFiles;
    QList<QAction*> m_wheels6;
    QList<QAction*> m_wheels7;
    QPointer<HelpViewer> m_help;
    QPointer<frmAbout> m_about;
};

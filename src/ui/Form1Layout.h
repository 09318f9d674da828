// Form1Layout: the widgets of the main window and their arrangement, built in one place the way a
// designer form would be, so Form1 itself holds only behaviour. Object names are the ones tests
// and the help use ("entryList", "addDrawButton" ...).
#pragma once

class BallStrip;
class EntrySet;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QToolButton;

struct Form1Layout
{
    // Builds every widget inside window; the entry list shows entries.
    void build(QMainWindow* window, EntrySet& entries);
    // Both Print buttons follow whether a printer is available.
    void enablePrinting(bool available);

    QRadioButton* national = nullptr;
    QRadioButton* super7 = nullptr;
    QRadioButton* lottoMax = nullptr;
    QRadioButton* provincial = nullptr;
    BallStrip* strip = nullptr;
    QGroupBox* drawGroup = nullptr;
    QDateEdit* drawDate = nullptr;
    QPushButton* addDrawButton = nullptr;
    QPushButton* deleteDrawButton = nullptr;
    QToolButton* historyIcon = nullptr;
    QToolButton* statsIcon = nullptr;

    QGroupBox* entriesGroup = nullptr;
    QDateEdit* entryDate = nullptr;
    QLabel* setName = nullptr; // what the list shows when it is no dated entry
    QListView* entryList = nullptr;
    QLineEdit* entryCount = nullptr;
    QPushButton* datedEntry = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* historyCheck = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* printEntries = nullptr;

    QGroupBox* winningGroup = nullptr;
    QStringListModel* winningLines = nullptr;
    QLineEdit* totalWins = nullptr;
    QPushButton* printWinning = nullptr;
};

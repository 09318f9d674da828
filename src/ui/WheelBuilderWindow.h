// WheelBuilderWindow: the guaranteed-wheel builder that wheel6 (the 6/49 games) and wheel7 (Super 7
// and Lotto Max) share: the player picks a kind and a group size, adjusts the proposed numbers,
// saves the wheel as the game's wheel entry set and prints its cover sheet.
#pragma once

#include "AppState.h"
#include "ChildWindow.h"
#include "SuggestNumbers.h"
#include "WheelKind.h"

#include <QList>

class EntrySet;
class PrinterSystem;
class QComboBox;
class QLineEdit;
class QPushButton;
class RandomSource;

class WheelBuilderWindow : public ChildWindow
{
    Q_OBJECT

public:
    static constexpr int BallBoxes = 24;

protected:
    // state brings the wheel context that "Create" set, the folder and the printer flag; entries is
    // the set the main window shows, emptied when the wheel saved is the one it shows.
    WheelBuilderWindow(WheelBuilder builder,
                       const AppState& state,
                       EntrySet& entries,
                       PrinterSystem& printers,
                       RandomSource& random,
                       QWidget* parent);

private:
    void buildWindow();
    void proposeNumbers(RandomSource& random);
    void setupwheeldata(int type);
    void ApplyGroupSize();
    void clearsuggestedentries();
    void SaveWheel();
    void PrintCover();
    const WheelKind& selectedKind() const;
    QStringList visibleBoxTexts() const;

    WheelBuilder m_builder;
    AppState m_state;
    EntrySet& m_entries;
    PrinterSystem& m_printers;
    int m_selectedType = 1;
    int m_groupSize = 0;
    SuggestNumbers::Proposal m_suggested{};

    QComboBox* m_sizes = nullptr;
    QLineEdit* m_linesRequired = nullptr;
    QList<QLineEdit*> m_balls;
    QPushButton* m_printCover = nullptr;
};

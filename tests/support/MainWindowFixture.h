// MainWindowFixture: a fresh main window over a temporary application folder, a fixed day, fake
// printers, a seeded random source and scripted prompts: the set-up every window test shares.
// FINISH_MAIN_WINDOW checks that every prompt was expected and every answer used, and that no
// window is left open. WindowFixture is the same set-up for a window tested without the main window.
#pragma once

#include "EntrySet.h"
#include "FixedClock.h"
#include "Form1.h"
#include "RandomSource.h"
#include "RecordingPrinter.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct MainWindowFixture
{
    // A Saturday: a regular 6/49 draw day.
    QDate today{2026, 12, 5};
    std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    ProgramFolders folders = ProgramFolders::oneFolder(dir->path());
    RecordingPrinter printers;
    SeededRandom random{20261205};
    std::unique_ptr<ScriptedPrompts> prompts = std::make_unique<ScriptedPrompts>();
    std::unique_ptr<FixedClock> clock;
    std::unique_ptr<Form1> main;

    QString path(const QString& name) const
    {
        return dir->filePath(name);
    }

    Form1* start()
    {
        clock = std::make_unique<FixedClock>(today);
        main = std::make_unique<Form1>(folders, *clock, printers, random);
        main->startUp();
        main->show();
        // Rows are clicked at their place on screen, so the window must be laid out first.
        (void)QTest::qWaitForWindowExposed(main.get());
        return main.get();
    }
};

// A temporary folder, scripted prompts and an entry set for a window opened on its own; end its tests
// with FINISH_WINDOWS (UiDriver.h).
struct WindowFixture
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    EntrySet entries;

    QString path(const QString& name) const
    {
        return dir.filePath(name);
    }
};

// Ends a test: the main window and every window it opened are gone, and the script was followed.
#define FINISH_MAIN_WINDOW(fixture)                                                                                    \
    do {                                                                                                               \
        (fixture)->main.reset();                                                                                       \
        QVERIFY2((fixture)->prompts->unexpected.isEmpty(), qPrintable((fixture)->prompts->unexpected.join(" | ")));    \
        QVERIFY2((fixture)->prompts->answers.isEmpty(), "scripted answers were left unused");                          \
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());                                                        \
    } while (false)

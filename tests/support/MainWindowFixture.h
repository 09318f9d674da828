// MainWindowFixture: the set-up every window test shares: a temporary application folder, a fixed
// day, fake printers, a seeded random source, scripted prompts and an entry set for a window opened
// on its own. start() opens the main window over them. FINISH ends a test. It brings the readers
// and writers of the files a test sets up and reads back.
#pragma once

#include "EntryFile.h"
#include "EntrySet.h"
#include "FixedClock.h"
#include "Form1.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "RecordingPrinter.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct MainWindowFixture
{
    // A Saturday: a regular 6/49 draw day.
    const QDate today{2026, 12, 5};
    QTemporaryDir dir;
    ProgramFolders folders = ProgramFolders::oneFolder(dir.path());
    RecordingPrinter printers;
    SeededRandom random{20261205};
    FixedClock clock{today};
    ScriptedPrompts prompts;
    EntrySet entries;
    std::unique_ptr<Form1> main;

    QString path(const QString& name) const
    {
        return dir.filePath(name);
    }

    Form1* start()
    {
        main = std::make_unique<Form1>(folders, clock, printers, random);
        main->startUp();
        main->show();
        // Rows are clicked at their place on screen, so the window must be laid out first.
        (void)QTest::qWaitForWindowExposed(main.get());
        const QStringList overlaps = overlappingControls(main.get());
        QTest::qVerify(overlaps.isEmpty(), "overlappingControls", qPrintable(overlaps.join(", ")), __FILE__, __LINE__);
        return main.get();
    }
};

// The last message or question shown, under the program's title.
#define SAID(fixture, text) QCOMPARE((fixture)->prompts.last(), QStringLiteral("Drawsmith Canada: ") + (text))

// Clicks the named button, or triggers the named action, and checks the message it brings.
#define CLICK_SAYS(fixture, window, name, text)                                                                        \
    do {                                                                                                               \
        CLICK(window, name);                                                                                           \
        SAID(fixture, text);                                                                                           \
    } while (false)
#define TRIGGER_SAYS(fixture, window, name, text)                                                                      \
    do {                                                                                                               \
        TRIGGER(window, name);                                                                                         \
        SAID(fixture, text);                                                                                           \
    } while (false)

// Ends a test: the main window and every window it opened are gone (windows opened on their own
// are closed first), and the script was followed to its end.
#define FINISH(fixture)                                                                                                \
    do {                                                                                                               \
        if (!(fixture)->main) {                                                                                        \
            for (QWidget * w_ : QApplication::topLevelWidgets())                                                       \
                w_->close();                                                                                           \
        }                                                                                                              \
        (fixture)->main.reset();                                                                                       \
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());                                                        \
        QVERIFY2((fixture)->prompts.drained(), qPrintable((fixture)->prompts.unexpected.join(" | ")));                 \
        (fixture).reset();                                                                                             \
    } while (false)

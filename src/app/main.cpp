// The program's entry point: one main window over the real clock, printers and random numbers.
#include "AppFolderLock.h"
#include "Clock.h"
#include "Form1.h"
#include "ProgramFolders.h"
#include "Prompt.h"
#include "QtPrinterSystem.h"
#include "RandomSource.h"

#include <QApplication>
#include <QIcon>

#include <csignal>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A file-size limit must fail the write that meets it, which is reported, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Drawsmith Canada"));
    QApplication::setApplicationVersion(QStringLiteral(DRAWSMITH_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/drawsmith.png")));
    const ProgramFolders folders = ProgramFolders::forThisBuild(QApplication::applicationDirPath());
    AppFolderLock folderLock(folders.app);
    if (QString refusal; !folderLock.acquire(&refusal)) {
        Prompt::warn(nullptr, refusal);
        return 1;
    }
    SystemClock clock;
    QtPrinterSystem printers;
    SeededRandom random;
    Form1 main(folders, clock, printers, random);
    main.startUp();
    main.show();
    // The installation check: start as a player would, end at once, say whether the files were found.
    if (QApplication::arguments().contains(QStringLiteral("--check-install"))) {
        main.close();
        return folders.reportInstallation();
    }
    return QApplication::exec();
}

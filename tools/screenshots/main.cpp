// screenshots: renders the real windows offscreen over the real National 6/49 history, imported
// through "File" > "Import Draw History…" into a temporary application folder, as the pictures of
// the README and the software-centre listing: the main window with a checked entry list, the
// statistics chart, the history check and the Pick-6 wheel builder.
#include "FixedClock.h"
#include "Form1.h"
#include "Form6.h"
#include "Prompt.h"
#include "RandomSource.h"
#include "RecordingPrinter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace
{
// Answers the file chooser with the bundled history; every message is echoed, every question No.
class Answers : public PromptHandler
{
public:
    explicit Answers(QString history)
        : m_history(std::move(history))
    {
    }
    void inform(QWidget*, const QString& title, const QString& text, PromptIcon) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool askYesNo(QWidget*, const QString& title, const QString& text, bool) override
    {
        std::fprintf(stderr, "%s: %s (No)\n", qPrintable(title), qPrintable(text));
        return false;
    }
    QString openFileName(QWidget*, const QString&, const QString& folder, const QString&) override
    {
        return QDir(folder).filePath(m_history);
    }
    QString askText(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }

private:
    QString m_history;
};

QWidget* shownWindow(const char* objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible())
            return w;
    std::fprintf(stderr, "screenshots: window %s did not open\n", objectName);
    std::exit(1);
}

void click(QWidget* window, const char* button)
{
    window->findChild<QAbstractButton*>(QLatin1String(button))->click();
}

void save(QWidget* window, const QString& folder, const char* name, QSize size)
{
    window->resize(size);
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QLatin1String(name));
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: screenshots <out folder> <share folder> <folder of 649-official.csv>\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Canada));
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir appFolder;
    ProgramFolders folders{appFolder.path(), QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])};
    Answers answers(QStringLiteral("649-official.csv"));
    Prompt::setHandler(&answers);

    FixedClock clock(QDate(2026, 9, 23)); // the newest draw of the history
    RecordingPrinter printers;
    printers.names = QStringList{QStringLiteral("Printer")};
    SeededRandom random(20260923);
    Form1 main(folders, clock, printers, random);
    main.startUp();
    main.show();
    click(&main, "nationalRadio");
    main.findChild<QAction*>(QStringLiteral("actionImportDrawHistory"))->trigger();
    // A ticket for the draw: the numbers drawn were 11 20 32 35 38 45, bonus 9.
    const std::vector<EntryNumbers> ticket{{4, 11, 20, 27, 38, 45, 0},
                                           {2, 9, 17, 23, 31, 44, 0},
                                           {11, 20, 32, 35, 41, 47, 0},
                                           {6, 13, 22, 30, 39, 48, 0},
                                           {9, 15, 32, 35, 38, 40, 0},
                                           {1, 8, 19, 26, 33, 42, 0}};
    if (!main.entrySet().append(ticket))
        return 1;
    click(&main, "checkButton");
    save(&main, out, "main.png", {760, 560});

    click(&main, "statsButton");
    QWidget* stats = shownWindow("Form4");
    save(stats, out, "statistics.png", {900, 560});
    stats->close();

    click(&main, "historyCheckButton");
    auto* historyCheck = static_cast<Form6*>(shownWindow("Form6"));
    click(historyCheck, "checkButton");
    while (historyCheck->isChecking())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    save(historyCheck, out, "history-check.png", {820, 560});
    historyCheck->close();

    main.findChild<QAction*>(QStringLiteral("mnuWheelCreate"))->trigger();
    QWidget* builder = shownWindow("wheel6");
    click(builder, "Option6");
    save(builder, out, "wheel.png", builder->sizeHint().expandedTo({640, 480}));
    builder->close();
    main.close();
    Prompt::setHandler(nullptr);
    return 0;
}

// The program's entry point: one main window over the real clock and printers.
#include "Clock.h"
#include "Form1.h"
#include "QtPrinterSystem.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Drawsmith Canada"));
    QApplication::setApplicationVersion(QStringLiteral(DRAWSMITH_VERSION));
    SystemClock clock;
    QtPrinterSystem printers;
    Form1 main(QApplication::applicationDirPath(), clock, printers);
    main.startUp();
    main.show();
    return QApplication::exec();
}

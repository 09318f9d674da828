// make_icon: draws the program's icon (ball 49 in the main-ball look) as a PNG of the given size
// (256 by default, data/drawsmith.png): the window icon, the About box picture and the menu entry's
// icon at each of the desktop's usual sizes.
#include "BallStrip.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[2]) : 256;
    if ((argc != 2 && argc != 3) || size < 16) {
        std::fprintf(stderr, "usage: make_icon <out.png> [size, at least 16]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(out).path());
    if (!BallStrip::ballPicture(49, false, size).save(out, "PNG")) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

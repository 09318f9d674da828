// make_icon: draws the program's icon (ball 49 in the main-ball look) as data/drawsmith.png, the
// picture of the window icon, the About box and the desktop menu entry.
#include "BallStrip.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <out.png>\n");
        return 2;
    }
    if (!BallStrip::ballPicture(49, false, 256).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// Saves a picture of the whole screen of the display it runs on, for a look
// at the editor running under a virtual X server:
//   DISPLAY=:99 korvan-screenshot shot.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvan-screenshot FILE.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || !screen->grabWindow(0).save(argv[1], "PNG")) {
        std::fprintf(stderr, "korvan-screenshot: could not grab the screen into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

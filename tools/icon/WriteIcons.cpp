// Writes the program's icon as PNGs of the usual sizes into the folder given,
// for installing into the desktop's icon theme.
#include <QGuiApplication>
#include <cstdio>

#include "platform/AppIcon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("%1/mockshot-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!platform::appIconImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

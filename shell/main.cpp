#include <QApplication>
#include <cstdio>

#include "platform/AppIcon.h"
#include "platform/Fonts.h"
#include "shell/DisplayCheck.h"
#include "shell/Start.h"

int main(int argc, char** argv) {
    if (const std::string problem = shell::displayProblem(); !problem.empty()) {
        std::fprintf(stderr, "mockshot: %s\n", problem.c_str());
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mockshot"));
    QApplication::setDesktopFileName(QStringLiteral("mockshot"));
    QApplication::setWindowIcon(platform::appIcon());
    for (const QString& face : platform::installFonts())
        std::fprintf(stderr, "mockshot: font %s is missing; Chinese text may not show (install fonts-noto-cjk)\n",
                     qPrintable(face));
    return shell::start();
}

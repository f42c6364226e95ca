// Draws the two page templates and writes them as JPEGs into the folder given
// (pages/templates). Run on demand: the build embeds the committed files.
#include <QGuiApplication>
#include <cstdio>

#include "TemplateArt.h"
#include "platform/FileIO.h"
#include "platform/picture/JpegEncoder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s pages/templates\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const struct {
        const char* name;
        QImage image;
    } pages[] = {{"velora.jpg", templates::drawVelora()}, {"sundok.jpg", templates::drawSundok()}};
    for (const auto& page : pages) {
        std::string error;
        const auto bytes = picture::encodeJpeg(page.image, 95, &error);
        const std::string path = std::string(argv[1]) + "/" + page.name;
        if (bytes.empty() || !(error = platform::writeFileAtomic(path, bytes)).empty()) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        std::printf("%s: %dx%d, %zu bytes\n", path.c_str(), page.image.width(), page.image.height(), bytes.size());
    }
    return 0;
}

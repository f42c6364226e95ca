// Decoding a 4000 x 3000 JPEG for the picture box (recognise, decode at the
// DCT scale that covers the box, stretch to the box) against the floor: a bare
// libjpeg decode of the same file at the same scale. Prints medians and the
// peak memory each adds, measured in a child process of its own.
#include <QImage>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "BareJpeg.h"
#include "BenchUtil.h"
#include "Fixtures.h"
#include "platform/picture/Picture.h"

namespace {

const QSize kBox(355, 375);

std::size_t ours(const fixtures::Bytes& file) {
    const QImage decoded = picture::decodePicture(file.data(), file.size(), kBox);
    const QImage shown = decoded.scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return std::size_t(shown.sizeInBytes());
}

// Peak resident memory that one run adds, in a fresh process of its own that
// only reads the file: a forked child would inherit Qt's thread pool half-dead.
double addedPeakMb(const char* what, const std::string& path) {
    const std::string command = "/proc/" + std::to_string(getpid()) + "/exe --peak " + what + " " + path;
    FILE* child = popen(command.c_str(), "r");
    if (!child) return -1;
    long added = -1;
    if (std::fscanf(child, "%ld", &added) != 1) added = -1;
    pclose(child);
    return double(added) / 1024.0;
}

fixtures::Bytes readFile(const std::string& path) {
    fixtures::Bytes bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        std::uint8_t buf[65536];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.insert(bytes.end(), buf, buf + n);
        std::fclose(f);
    }
    return bytes;
}

int measurePeak(const std::string& what, const std::string& path) {
    const fixtures::Bytes file = readFile(path);
    const long before = bench::residentKb();
    volatile std::size_t sink = what == "ours" ? ours(file) : bench::bareDecode(file.data(), file.size(), 1);
    (void)sink;
    std::printf("%ld\n", bench::peakKb() - before);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--peak") return measurePeak(argv[2], argv[3]);
    const fixtures::Bytes file = fixtures::photoLike(4000, 3000);
    const int runs = 31;
    const int scale = 1;  // 500 x 375 covers 355 x 375
    std::vector<double> floorTimes, ourTimes;
    volatile std::size_t sink = 0;
    for (int i = 0; i < 3; ++i) sink = sink + bench::bareDecode(file.data(), file.size(), scale) + ours(file);  // warm up
    for (int i = 0; i < runs; ++i) {
        floorTimes.push_back(bench::millis([&] { sink = sink + bench::bareDecode(file.data(), file.size(), scale); }));
        ourTimes.push_back(bench::millis([&] { sink = sink + ours(file); }));
    }
    const double floorMs = bench::median(floorTimes), ourMs = bench::median(ourTimes);
    char path[] = "/tmp/mockshot-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0 || write(fd, file.data(), file.size()) != ssize_t(file.size())) return 1;
    close(fd);
    const double floorMb = addedPeakMb("floor", path);
    const double ourMb = addedPeakMb("ours", path);
    unlink(path);
    std::printf("4000x3000 JPEG (%.1f MB) into a %dx%d box, median of %d runs\n", file.size() / 1e6, kBox.width(),
                kBox.height(), runs);
    std::printf("  %-44s %8.2f ms   added peak %6.2f MB\n", "recognise, decode at 1/8, stretch (ours)", ourMs, ourMb);
    std::printf("  %-44s %8.2f ms   added peak %6.2f MB\n", "bare libjpeg decode at 1/8 (floor)", floorMs, floorMb);
    std::printf("  ratio %.2f (aim <= 1.30); memory above the floor %.2f MB (aim <= 10)\n", ourMs / floorMs,
                ourMb - floorMb);
    return 0;
}

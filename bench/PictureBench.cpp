// Decoding a 4000 x 3000 JPEG for the picture box (recognise, decode at the
// DCT scale that covers the box, stretch to the box) against the floor: a bare
// libjpeg decode of the same file at the same scale. Prints medians and the
// peak memory each adds, measured in a child process of its own.
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "Fixtures.h"
#include "platform/picture/Picture.h"

extern "C" {
#include <jpeglib.h>
}

namespace {

const QSize kBox(355, 375);

// The floor: what any program must do to get this picture at this scale.
std::size_t bareDecode(const fixtures::Bytes& file, int scaleNum) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = static_cast<unsigned>(scaleNum);
    cinfo.scale_denom = 8;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    std::vector<std::uint8_t> pixels(std::size_t(cinfo.output_width) * cinfo.output_height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.data() + std::size_t(cinfo.output_scanline) * cinfo.output_width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return pixels.size();
}

std::size_t ours(const fixtures::Bytes& file) {
    const QImage decoded = picture::decodePicture(file.data(), file.size(), kBox);
    const QImage shown = decoded.scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return std::size_t(shown.sizeInBytes());
}

double millis(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

long residentKb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
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
    const long before = residentKb();
    volatile std::size_t sink = what == "ours" ? ours(file) : bareDecode(file, 1);
    (void)sink;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss - before);
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--peak") return measurePeak(argv[2], argv[3]);
    // A photo-like picture: broad gradients with fine grain, so it compresses like a photo.
    std::uint32_t seed = 12345;
    const fixtures::Bytes file = fixtures::jpeg(4000, 3000, [&](int x, int y) {
        seed = seed * 1664525u + 1013904223u;
        const int grain = int(seed >> 28) - 8;
        const int r = std::clamp(x * 255 / 4000 + grain, 0, 255), g = std::clamp(y * 255 / 3000 + grain, 0, 255);
        const int b = std::clamp(128 + ((x / 40 + y / 40) % 2) * 60 + grain, 0, 255);
        return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
    });
    const int runs = 31;
    const int scale = 1;  // 500 x 375 covers 355 x 375
    std::vector<double> floorTimes, ourTimes;
    volatile std::size_t sink = 0;
    for (int i = 0; i < 3; ++i) sink = sink + bareDecode(file, scale) + ours(file);  // warm up
    for (int i = 0; i < runs; ++i) {
        floorTimes.push_back(millis([&] { sink = sink + bareDecode(file, scale); }));
        ourTimes.push_back(millis([&] { sink = sink + ours(file); }));
    }
    const double floorMs = median(floorTimes), ourMs = median(ourTimes);
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

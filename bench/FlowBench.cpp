// The program's own paths against the floor each competes with, medians of
// many runs in one process (offscreen platform):
//   start-up to the input window's first paint   vs a bare Qt window's first paint
//   generate: page created, filled, first painted vs libjpeg decoding the template (and the picture)
//   save: capture, JPEG encoding, atomic write     vs libjpeg encoding the same capture
// and the peak memory a 4000 x 3000 picture adds to the program's idle peak.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <sys/wait.h>

#include "BareJpeg.h"
#include "BenchUtil.h"
#include "Fixtures.h"
#include "input/InputWindowDef.h"
#include "pages/PageDef.h"
#include "platform/CommonDlg.h"
#include "platform/Fonts.h"
#include "platform/LiveWindow.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"
#include "snapshot/Capture.h"

namespace {

constexpr int kRuns = 21;

QByteArray resource(const char* path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Time from loading the page to the end of its first paint.
double generateOnce(const pages::PageDef& page) {
    double elapsed = 0;
    const auto start = std::chrono::steady_clock::now();
    struct Watch : QObject {
        std::function<void()> painted;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() && painted) {
                auto done = std::exchange(painted, nullptr);
                QTimer::singleShot(0, done);  // once the whole window has been painted
            }
            return false;
        }
    } watch;
    watch.painted = [&] {
        elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        platform::liveWindow(page.window.name)->close();
    };
    qApp->installEventFilter(&watch);
    pages::loadPage(page);
    qApp->removeEventFilter(&watch);
    return elapsed;
}

// Wall time from starting a process to its first line: its first paint.
double timeToFirstPaint(const std::string& probe, const char* mode) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        execl(probe.c_str(), probe.c_str(), mode, nullptr);
        _exit(127);
    }
    close(fds[1]);
    char buf[64];
    const bool painted = read(fds[0], buf, sizeof buf) > 0;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return painted ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFonts();
    const std::string probe = QCoreApplication::applicationDirPath().toStdString() + "/startup_probe";

    const fixtures::Bytes photo = fixtures::photoLike(4000, 3000);
    const QByteArray photoBytes(reinterpret_cast<const char*>(photo.data()), qsizetype(photo.size()));
    QTemporaryDir dir;
    const QString photoPath = dir.filePath("photo.jpg");
    {
        QFile f(photoPath);
        f.open(QIODevice::WriteOnly);
        f.write(photoBytes);
    }

    std::printf("mockshot benchmarks, median of %d runs (Qt offscreen platform)\n", kRuns);

    // Start-up.
    std::vector<double> startApp, startBare;
    timeToFirstPaint(probe, "app");
    timeToFirstPaint(probe, "bare");
    for (int i = 0; i < kRuns; ++i) {
        startApp.push_back(timeToFirstPaint(probe, "app"));
        startBare.push_back(timeToFirstPaint(probe, "bare"));
    }
    bench::row("start-up to the input window painted", bench::median(startApp), bench::median(startBare), "bare Qt window");

    // Generate.
    platform::loadWindow(input::inputWindowDef(), platform::Modality::Modeless);
    for (auto [field, text] : {std::pair{"编辑框1", "陶瓷马克杯 北欧简约大容量办公室咖啡杯"}, {"编辑框2", "59.00"}, {"编辑框3", "3562"},
                               {"编辑框4", "2987"}, {"编辑框5", "1856"}, {"编辑框6", "1200"}})
        platform::writeText("InputWindow", field, QString::fromUtf8(text));
    const QByteArray sundokTemplate = resource(":/templates/sundok.jpg"), veloraTemplate = resource(":/templates/velora.jpg");
    struct Generate {
        const char* what;
        const pages::PageDef* page;
        bool picture;
        const QByteArray* templ;
    };
    const Generate cases[] = {
        {"generate Sundok, no picture", &pages::sundokPage(), false, &sundokTemplate},
        {"generate Sundok, 4000x3000 JPEG", &pages::sundokPage(), true, &sundokTemplate},
        {"generate Velora, no picture", &pages::veloraPage(), false, &veloraTemplate},
        {"generate Velora, 4000x3000 JPEG", &pages::veloraPage(), true, &veloraTemplate},
    };
    for (const Generate& g : cases) {
        if (g.picture) shell::productPicture().replace(photo);
        else shell::productPicture().release();
        std::vector<double> ours, floor;
        generateOnce(*g.page);
        for (int i = 0; i < kRuns; ++i) {
            ours.push_back(generateOnce(*g.page));
            floor.push_back(bench::millis([&] {
                bench::bareDecode(*g.templ, 8);
                if (g.picture) bench::bareDecode(photoBytes, 1);  // 500 x 375 covers either box
            }));
        }
        bench::row(g.what, bench::median(ours), bench::median(floor), g.picture ? "decode template + picture" : "decode template");
    }

    // Save.
    shell::productPicture().replace(photo);
    int saved = 0;
    platform::setDialogHook([&](const platform::DialogRequest&) -> std::optional<QString> {
        return dir.filePath(QStringLiteral("save-%1.jpg").arg(saved++));
    });
    for (const pages::PageDef* page : {&pages::sundokPage(), &pages::veloraPage()}) {
        std::vector<double> ours, floor;
        QTimer::singleShot(0, [&] {
            platform::LiveWindow* w = platform::liveWindow(page->window.name);
            QWidget* canvas = w->controlAs<QWidget>(page->canvas);
            w->grab();
            const QImage capture = snapshot::captureControl(canvas);
            const QPoint bare = page == &pages::sundokPage() ? QPoint(700, 340) : QPoint(700, 450);
            QTest::mouseClick(canvas, Qt::LeftButton, {}, bare);  // warm-up
            for (int i = 0; i < kRuns; ++i) {
                ours.push_back(bench::millis([&] { QTest::mouseClick(canvas, Qt::LeftButton, {}, bare); }));
                floor.push_back(bench::millis([&] { bench::bareEncode(capture); }));
            }
            w->close();
        });
        pages::loadPage(*page);
        bench::row(page == &pages::sundokPage() ? "save Sundok as JPEG" : "save Velora as JPEG", bench::median(ours),
                   bench::median(floor), "libjpeg encode");
    }
    platform::setDialogHook(nullptr);

    // Memory: the peak a big picture adds to the program's idle peak.
    {
        const std::string command = probe + " peak " + photoPath.toStdString();
        FILE* child = popen(command.c_str(), "r");
        long idle = 0, peak = 0;
        if (child && std::fscanf(child, "%ld %ld", &idle, &peak) == 2)
            std::printf("  %-40s %8.1f MB above the idle peak of %.1f MB (aim <= 15)\n",
                        "peak memory, 4000x3000 JPEG page", (peak - idle) / 1024.0, idle / 1024.0);
        if (child) pclose(child);
    }
    return 0;
}

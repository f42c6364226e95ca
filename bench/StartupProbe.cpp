// Started by flow_bench, one process a run:
//   startup_probe app        the program's own start-up, up to the input window's first paint
//   startup_probe bare       a bare Qt window of the same size, up to its first paint
//   startup_probe peak FILE  the idle peak memory, then the peak after generating a page with FILE
// Prints "painted" at the first paint (the caller times it), or the two peaks in kilobytes.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string>

#include "BenchUtil.h"
#include "pages/PageDef.h"
#include "platform/AppIcon.h"
#include "platform/Fonts.h"
#include "platform/LiveWindow.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"
#include "shell/Start.h"

// Says when a top-level window has first been painted, and ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            QTimer::singleShot(0, [] {  // after the whole window has been painted
                std::printf("painted\n");
                std::fflush(stdout);
                _exit(0);
            });
        return false;
    }
};

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    if (mode == "bare") {
        FirstPaint watch;
        app.installEventFilter(&watch);
        QWidget w;
        w.resize(469, 196);
        w.show();
        return app.exec();
    }
    QApplication::setWindowIcon(platform::appIcon());
    platform::installFonts();
    if (mode == "app") {
        FirstPaint watch;
        app.installEventFilter(&watch);
        return shell::start();
    }
    if (mode == "peak" && argc == 3) {
        QTimer::singleShot(0, [file = std::string(argv[2])] {
            platform::liveWindow("InputWindow")->grab();
            const long idle = bench::peakKb();
            QFile f(QString::fromStdString(file));
            f.open(QIODevice::ReadOnly);
            const QByteArray bytes = f.readAll();
            shell::productPicture().replace(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
            QTimer::singleShot(0, [] {
                platform::LiveWindow* page = platform::liveWindow("PageWindowSundok");
                page->grab();
                page->close();
            });
            pages::loadPage(pages::sundokPage());
            std::printf("%ld %ld\n", idle, bench::peakKb());
            std::fflush(stdout);
            _exit(0);
        });
        return shell::start();
    }
    std::fprintf(stderr, "usage: %s app|bare|peak FILE\n", argv[0]);
    return 2;
}

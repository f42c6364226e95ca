// Opens and closes each page 200 times with a picture loaded, and saves 200
// snapshots: memory stays flat and no temporary file is left behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <malloc.h>
#include <unistd.h>

#include "Fixtures.h"
#include "input/InputWindowDef.h"
#include "pages/PageDef.h"
#include "platform/CommonDlg.h"
#include "platform/LiveWindow.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"

namespace {

long residentKb() {
    // Freed blocks kept by the allocator are not what this test is after.
    malloc_trim(0);
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void openAndClose(const pages::PageDef& page, std::function<void(platform::LiveWindow*)> whileOpen = {}) {
    QTimer::singleShot(0, [&page, whileOpen] {
        platform::LiveWindow* w = platform::liveWindow(page.window.name);
        if (!w) return;
        w->grab();  // painted at least once, picture box included
        if (whileOpen) whileOpen(w);
        w->close();
    });
    ASSERT_TRUE(pages::loadPage(page));
}

}  // namespace

TEST(Soak, PagesAndSavesLeaveMemoryFlatAndNoTemporaryFiles) {
    ASSERT_TRUE(platform::loadWindow(input::inputWindowDef(), platform::Modality::Modeless));
    for (auto [field, text] : {std::pair{"编辑框1", "陶瓷马克杯"}, {"编辑框2", "59.00"}, {"编辑框3", "3562"},
                               {"编辑框4", "2987"}, {"编辑框5", "1856"}, {"编辑框6", "1200"}})
        platform::writeText("InputWindow", field, QString::fromUtf8(text));
    shell::productPicture().replace(
        fixtures::jpeg(1200, 900, [](int x, int y) { return 0xFF000000u | std::uint32_t(x % 256) << 16 | std::uint32_t(y % 256); }));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int saved = 0;
    platform::setDialogHook([&](const platform::DialogRequest&) -> std::optional<QString> {
        return dir.filePath(QStringLiteral("shot-%1.%2").arg(saved).arg(saved % 2 ? "bmp" : "jpg"));
    });
    auto saveMany = [&](int count) {
        openAndClose(pages::sundokPage(), [&](platform::LiveWindow* w) {
            for (int i = 0; i < count; ++i, ++saved)
                QTest::mouseClick(w->controlAs<QWidget>("画板_sundok"), Qt::LeftButton, {}, {700, 340});
        });
    };

    // Let the caches of fonts and pictures settle first.
    for (int i = 0; i < 5; ++i) {
        openAndClose(pages::sundokPage());
        openAndClose(pages::veloraPage());
    }
    saveMany(4);
    const long before = residentKb();

    for (int i = 0; i < 200; ++i) {
        openAndClose(pages::sundokPage());
        openAndClose(pages::veloraPage());
    }
    saveMany(200);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const long after = residentKb();
    platform::setDialogHook(nullptr);

    std::printf("resident memory: %ld KB before, %ld KB after, %+ld KB\n", before, after, after - before);
    EXPECT_LT(after - before, 2048);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(files.size(), saved);
    for (const QString& f : files) EXPECT_TRUE(f.startsWith("shot-")) << f.toStdString();

    platform::liveWindow("InputWindow")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shell::productPicture().release();
}

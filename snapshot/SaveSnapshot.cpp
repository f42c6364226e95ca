#include "snapshot/SaveSnapshot.h"

#include <QFileInfo>

#include "platform/CommonDlg.h"
#include "platform/FileIO.h"
#include "platform/LiveWindow.h"
#include "platform/Services.h"
#include "platform/picture/JpegEncoder.h"
#include "snapshot/Bitmap.h"
#include "snapshot/Capture.h"
#include "snapshot/SaveName.h"

namespace snapshot {

const char* const kSaveFilter = "JPG图片(*.jpg)|*.jpg|BMP图片(*.bmp)|*.bmp|";

void saveSnapshot(const pages::PageDef& page) {
    platform::LiveWindow* window = platform::liveWindow(page.window.name);
    if (!window) return;
    auto* dialog = window->controlAs<platform::CommonDlg>(page.saveDialog);
    if (!dialog) return;
    dialog->kind = platform::DialogKind::Save;
    dialog->filter = QString::fromUtf8(kSaveFilter);
    dialog->defaultSuffix = QStringLiteral("jpg");
    if (!dialog->show(window)) return;

    const SaveTarget target = saveTargetFor(dialog->fileName.toStdString());
    const QString path = QString::fromStdString(target.path);
    // The dialog asked about the name typed; ask again about the one written.
    if (target.appended && QFileInfo::exists(path) &&
        !platform::askYesNo(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path)))
        return;

    const QImage shot = captureControl(window->controlAs<QWidget>(page.canvas));
    std::string why;
    const std::vector<std::uint8_t> bytes =
        target.format == SaveFormat::Bmp ? encodeBitmap(shot) : picture::encodeJpeg(shot, 95, &why);
    if (bytes.empty()) {
        platform::showError(QStringLiteral("Could not save %1:\n%2")
                                .arg(path, why.empty() ? QStringLiteral("the page could not be captured")
                                                       : QString::fromStdString(why)));
        return;
    }
    why = platform::writeFileAtomic(target.path, bytes);
    if (!why.empty()) platform::showError(QStringLiteral("Could not save %1:\n%2").arg(path, QString::fromStdString(why)));
}

}  // namespace snapshot

#include "platform/CommonDlg.h"

#include <QFileDialog>

#include "platform/FileFilter.h"

namespace platform {

static DialogHook& dialogHook() {
    static DialogHook hook;
    return hook;
}

void setDialogHook(DialogHook hook) { dialogHook() = std::move(hook); }

QString suffixOfNameFilter(const QString& filter) {
    const int star = filter.lastIndexOf(QStringLiteral("(*."));
    const int close = filter.indexOf(QLatin1Char(')'), star);
    if (star < 0 || close < 0) return {};
    const QString suffix = filter.mid(star + 3, close - star - 3);
    return suffix.contains(QLatin1Char(' ')) || suffix.contains(QLatin1Char('*')) ? QString() : suffix;
}

DialogRequest CommonDlg::request() const {
    DialogRequest r;
    r.kind = kind;
    for (const auto& entry : parseFilter(filter.toStdString()))
        r.nameFilters << QString::fromStdString(qtNameFilter(entry));
    r.defaultSuffix = defaultSuffix;
    r.startPath = fileName;
    r.title = title;
    return r;
}

bool CommonDlg::show(QWidget* owner) {
    const DialogRequest r = request();
    std::optional<QString> chosen;
    if (dialogHook()) {
        chosen = dialogHook()(r);
    } else {
        // Qt's own dialog rather than the desktop's, so the skin reaches its controls.
        QFileDialog dlg(owner, r.title);
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.resize(760, 480);  // Qt's own size cuts the file sizes and dates short
        dlg.setAcceptMode(r.kind == DialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dlg.setFileMode(r.kind == DialogKind::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!r.nameFilters.isEmpty()) dlg.setNameFilters(r.nameFilters);
        if (!r.defaultSuffix.isEmpty()) dlg.setDefaultSuffix(r.defaultSuffix);
        // A name typed without an extension takes the one of the filter chosen.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& filter) {
            const QString suffix = suffixOfNameFilter(filter);
            if (!suffix.isEmpty()) dlg.setDefaultSuffix(suffix);
        });
        if (!r.startPath.isEmpty()) dlg.selectFile(r.startPath);
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) chosen = dlg.selectedFiles().first();
    }
    if (!chosen) return false;
    fileName = *chosen;
    return true;
}

}  // namespace platform

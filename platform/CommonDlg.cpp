#include "platform/CommonDlg.h"

#include <QFileDialog>

#include "platform/FileFilter.h"

namespace platform {

static DialogHook& dialogHook() {
    static DialogHook hook;
    return hook;
}

void setDialogHook(DialogHook hook) { dialogHook() = std::move(hook); }

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
        dlg.setAcceptMode(r.kind == DialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dlg.setFileMode(r.kind == DialogKind::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!r.nameFilters.isEmpty()) dlg.setNameFilters(r.nameFilters);
        if (!r.defaultSuffix.isEmpty()) dlg.setDefaultSuffix(r.defaultSuffix);
        if (!r.startPath.isEmpty()) dlg.selectFile(r.startPath);
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) chosen = dlg.selectedFiles().first();
    }
    if (!chosen) return false;
    fileName = *chosen;
    return true;
}

}  // namespace platform

#pragma once
// The invisible file-dialog component of a window: it stores its settings and
// the last chosen path, and shows Qt's own file dialog when asked.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

enum class DialogKind { Open, Save };

// What a dialog would show; handed to the test hook instead of a real dialog.
struct DialogRequest {
    DialogKind kind = DialogKind::Open;
    QStringList nameFilters;  // empty: every file is listed
    QString defaultSuffix;
    QString startPath;
    QString title;
};

// With a hook in place no dialog appears: the hook answers with the chosen path, or nothing for Cancel.
using DialogHook = std::function<std::optional<QString>(const DialogRequest&)>;
void setDialogHook(DialogHook hook);

// "BMP图片(*.bmp)" -> "bmp"; empty when the filter names no single extension.
QString suffixOfNameFilter(const QString& filter);

class CommonDlg : public QObject {
    Q_OBJECT
public:
    explicit CommonDlg(QObject* parent = nullptr) : QObject(parent) {}

    DialogKind kind = DialogKind::Open;
    QString filter;         // "description|pattern|..."
    QString defaultSuffix;  // without the dot
    QString title;
    QString fileName;       // the path chosen last; the dialog starts there

    DialogRequest request() const;
    // Shows the dialog owned by and centred over `owner`. True and fileName set on OK;
    // false and fileName unchanged on Cancel.
    bool show(QWidget* owner);
};

}  // namespace platform

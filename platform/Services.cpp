#include "platform/Services.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <vector>

#include "platform/CommonDlg.h"
#include "platform/LiveWindow.h"
#include "platform/PicBox.h"
#include "platform/TransLabel.h"

namespace platform {

static std::vector<QPointer<LiveWindow>>& liveWindows() {
    static std::vector<QPointer<LiveWindow>> windows;
    return windows;
}

LiveWindow* liveWindow(const std::string& window) {
    auto& all = liveWindows();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (*it && (*it)->definition().name == window) return *it;
    return nullptr;
}

static void centreOnScreen(QWidget* w, const WindowDef& def) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect whole = screen->geometry();
    const Point at = centredOn(whole.width(), whole.height(), def.outerWidth, def.outerHeight);
    w->move(whole.x() + at.x, whole.y() + at.y);
}

bool loadWindow(const WindowDef& def, Modality modality, QString* error) {
    std::unique_ptr<LiveWindow> window = LiveWindow::build(def, error);
    if (!window) return false;
    auto& all = liveWindows();
    std::erase_if(all, [](const QPointer<LiveWindow>& w) { return w.isNull(); });
    all.emplace_back(window.get());

    window->deliver({}, EventKind::Created);
    centreOnScreen(window.get(), def);

    if (modality == Modality::Modeless) {
        LiveWindow* w = window.release();
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        return true;
    }
    // A page window is a dialog of the application: no taskbar button, and no
    // input reaches the other windows while it lives.
    window->setWindowFlags(window->windowFlags() | Qt::Dialog);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window.get(), &LiveWindow::closed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec(QEventLoop::DialogExec);
    window.reset();
    return true;
}

template <class T>
static T* find(const std::string& window, const std::string& control) {
    LiveWindow* w = liveWindow(window);
    return w ? w->controlAs<T>(control) : nullptr;
}

QString readText(const std::string& window, const std::string& control) {
    if (auto* edit = find<QLineEdit>(window, control)) return edit->text();
    if (auto* label = find<TransLabel>(window, control)) return label->text();
    return {};
}

void writeText(const std::string& window, const std::string& control, const QString& text) {
    if (auto* edit = find<QLineEdit>(window, control)) edit->setText(text);
    if (auto* label = find<TransLabel>(window, control)) label->setText(text);
}

bool readChecked(const std::string& window, const std::string& control) {
    auto* box = find<QCheckBox>(window, control);
    return box && box->isChecked();
}

void writeChecked(const std::string& window, const std::string& control, bool checked) {
    // setChecked emits toggled, not clicked, so no click handler runs.
    if (auto* box = find<QCheckBox>(window, control)) box->setChecked(checked);
}

void writePicture(const std::string& window, const std::string& control, const QByteArray& bytes) {
    if (auto* box = find<PicBox>(window, control)) box->setPicture(bytes);
}

bool showFileDialog(const std::string& window, const std::string& control) {
    LiveWindow* w = liveWindow(window);
    auto* dlg = w ? w->controlAs<CommonDlg>(control) : nullptr;
    return dlg && dlg->show(w);
}

QString dialogFileName(const std::string& window, const std::string& control) {
    auto* dlg = find<CommonDlg>(window, control);
    return dlg ? dlg->fileName : QString();
}

static std::function<void()>& exitRoutine() {
    static std::function<void()> routine;
    return routine;
}

void setExitRoutine(std::function<void()> routine) { exitRoutine() = std::move(routine); }

int runMessageLoop() {
    QApplication::exec();
    if (auto routine = std::exchange(exitRoutine(), nullptr)) routine();
    return 0;
}

void applySkin(SkinScheme scheme) {
    qApp->setStyleSheet(QString::fromStdString(skinStyleSheet(scheme)));
}

static std::function<void(const QString&)>& messageHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

void setMessageHook(std::function<void(const QString&)> hook) { messageHook() = std::move(hook); }

void showError(const QString& text) {
    if (messageHook()) {
        messageHook()(text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("mockshot"), text);
}

static std::function<bool(const QString&)>& questionHook() {
    static std::function<bool(const QString&)> hook;
    return hook;
}

void setQuestionHook(std::function<bool(const QString&)> hook) { questionHook() = std::move(hook); }

bool askYesNo(const QString& text) {
    if (questionHook()) return questionHook()(text);
    return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("mockshot"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace platform

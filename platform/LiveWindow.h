#pragma once
// A window built from its definition: the top-level widget, its controls by
// name, and the delivery of its events to the bound handlers.

#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "platform/WindowDef.h"

namespace platform {

class LiveWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window and all its controls; nullptr and a reason when the
    // definition is unsound. The window is not shown.
    static std::unique_ptr<LiveWindow> build(const WindowDef& def, QString* error);

    const WindowDef& definition() const { return def_; }
    QObject* control(const std::string& name) const;

    template <class T>
    T* controlAs(const std::string& name) const { return qobject_cast<T*>(control(name)); }

    void deliver(const std::string& control, EventKind kind, const EventArgs& args = {});

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit LiveWindow(const WindowDef& def);
    QString createChildren(const std::string& parentName, QWidget* parent);

    WindowDef def_;
    std::map<std::string, QObject*> controls_;
};

}  // namespace platform

#include "platform/LiveWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/AppIcon.h"
#include "platform/CommonDlg.h"
#include "platform/DrawPanel.h"
#include "platform/Fonts.h"
#include "platform/PicBox.h"
#include "platform/TransLabel.h"
#include "platform/picture/Picture.h"

namespace platform {

static Qt::Alignment alignmentOf(HAlign a) {
    switch (a) {
    case HAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case HAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case HAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The widget of one control row, or nullptr when it cannot be made.
static QObject* createControl(const ControlDef& c, QWidget* parent) {
    const QString text = QString::fromStdString(c.text);
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::EditBox: {
        auto* edit = new QLineEdit(text, parent);
        // Without a limit of our own the box takes as much as a classic edit control.
        edit->setMaxLength(c.maxLength > 0 ? c.maxLength : 32767);
        edit->setAlignment(alignmentOf(c.align));
        w = edit;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignmentOf(c.align));
        label->setWordWrap(false);
        label->setAutoFillBackground(c.paintsBackground);
        w = label;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        w = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(c.checked);
        w = box;
        break;
    }
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        group->setFocusPolicy(Qt::NoFocus);
        w = group;
        break;
    }
    case ControlKind::CommonDlg:
        return new CommonDlg(parent);
    case ControlKind::PicBox:
        w = new PicBox(parent);
        break;
    case ControlKind::DrawPanel: {
        auto* panel = new DrawPanel(parent);
        if (!c.picture.empty()) {
            QFile file(QString::fromStdString(c.picture));
            if (!file.open(QIODevice::ReadOnly)) return nullptr;
            const QByteArray bytes = file.readAll();
            panel->setBackgroundPicture(picture::decodePicture(
                reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
        }
        w = panel;
        break;
    }
    case ControlKind::TransLabel: {
        auto* label = new TransLabel(parent);
        label->setText(text);
        label->setColour(QColor(c.color.r, c.color.g, c.color.b));
        label->setAlignment(alignmentOf(c.align));
        w = label;
        break;
    }
    }
    if (!c.font.isDefault()) w->setFont(fontFor(c.font));
    w->setGeometry(c.x, c.y, c.width, c.height);
    return w;
}

LiveWindow::LiveWindow(const WindowDef& def) : QWidget(nullptr), def_(def) {
    setWindowTitle(QString::fromStdString(def.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(clientWidth(def), clientHeight(def));
    // All windows share the program's icon through the application; it is drawn once.
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(appIcon());
}

std::unique_ptr<LiveWindow> LiveWindow::build(const WindowDef& def, QString* error) {
    const auto problems = checkDefinition(def);
    if (!problems.empty()) {
        if (error) *error = QString::fromStdString(problems.front());
        return nullptr;
    }
    std::unique_ptr<LiveWindow> window(new LiveWindow(def));
    const QString failed = window->createChildren({}, window.get());
    if (!failed.isEmpty()) {
        if (error) *error = failed;
        return nullptr;
    }
    for (std::size_t i = 1; i < def.tabOrder.size(); ++i)
        QWidget::setTabOrder(window->controlAs<QWidget>(def.tabOrder[i - 1]),
                             window->controlAs<QWidget>(def.tabOrder[i]));
    if (!def.firstFocus.empty()) window->controlAs<QWidget>(def.firstFocus)->setFocus();

    for (const auto& binding : def.events) {
        if (binding.kind == EventKind::Created) continue;
        QObject* target = window->control(binding.control);
        const std::string name = binding.control;
        LiveWindow* self = window.get();
        if (binding.kind == EventKind::Clicked) {
            if (auto* button = qobject_cast<QAbstractButton*>(target))
                connect(button, &QAbstractButton::clicked, self, [self, name] { self->deliver(name, EventKind::Clicked); });
        } else {
            target->installEventFilter(self);
        }
    }
    return window;
}

// Qt puts the last created sibling on top, so the rows of one parent are
// created from the bottom of the table up; a parent exists before its children.
QString LiveWindow::createChildren(const std::string& parentName, QWidget* parent) {
    for (auto it = def_.controls.rbegin(); it != def_.controls.rend(); ++it) {
        if (it->parent != parentName) continue;
        QObject* made = createControl(*it, parent);
        if (!made) return QStringLiteral("%1: the %2 cannot be made (is its picture missing?)")
                              .arg(QString::fromStdString(it->name), QString::fromUtf8(kindName(it->kind)));
        made->setObjectName(QString::fromStdString(it->name));
        controls_[it->name] = made;
        if (auto* w = qobject_cast<QWidget*>(made)) {
            const QString failed = createChildren(it->name, w);
            if (!failed.isEmpty()) return failed;
        }
    }
    return {};
}

QObject* LiveWindow::control(const std::string& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void LiveWindow::deliver(const std::string& control, EventKind kind, const EventArgs& args) {
    for (const auto& binding : def_.events)
        if (binding.kind == kind && binding.control == control) binding.handler(args);
}

void LiveWindow::keyPressEvent(QKeyEvent* event) {
    if (def_.escapeCloses && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LiveWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

bool LiveWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a plain press: the second press of a double click arrives as its own event type.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            EventArgs args;
            args.x = press->position().toPoint().x();
            args.y = press->position().toPoint().y();
            args.ctrl = press->modifiers() & Qt::ControlModifier;
            args.shift = press->modifiers() & Qt::ShiftModifier;
            args.alt = press->modifiers() & Qt::AltModifier;
            deliver(watched->objectName().toStdString(), EventKind::LeftPressed, args);
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace platform

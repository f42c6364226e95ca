#pragma once
// The windowing services the handlers work through: loading windows from their
// definitions, reading and writing control properties by window and control
// name, file dialogs, the exit routine, the skin and messages.

#include <QString>
#include <functional>
#include <string>

#include "platform/Skin.h"
#include "platform/WindowDef.h"

namespace platform {

class LiveWindow;

enum class Modality { Modeless, Modal };

// Creates the window and its controls, raises its Created event, centres it on
// the screen and shows it. Modeless returns once shown; Modal returns after the
// window has been closed and destroyed, the other windows taking no input
// meanwhile. False when the window could not be created.
bool loadWindow(const WindowDef& def, Modality modality, QString* error = nullptr);

// The newest live window of that name, or nullptr.
LiveWindow* liveWindow(const std::string& window);

// Property access; every read hands back a copy of its own. Texts are those of
// edit boxes and transparent labels.
QString readText(const std::string& window, const std::string& control);
void writeText(const std::string& window, const std::string& control, const QString& text);
bool readChecked(const std::string& window, const std::string& control);
void writeChecked(const std::string& window, const std::string& control, bool checked);  // raises no click event

// Gives a picture box its own copy of the bytes; bytes that are no picture leave it white.
void writePicture(const std::string& window, const std::string& control, const QByteArray& bytes);

// Shows a window's file dialog; true and the chosen path on OK, false on Cancel.
bool showFileDialog(const std::string& window, const std::string& control);
QString dialogFileName(const std::string& window, const std::string& control);

// Runs once, after the message loop has ended.
void setExitRoutine(std::function<void()> routine);
// Runs the message loop until the last window is closed, then the exit routine; returns 0.
int runMessageLoop();

void applySkin(SkinScheme scheme);

// An error message box over the active window. Tests route messages to a hook instead.
void showError(const QString& text);
void setMessageHook(std::function<void(const QString&)> hook);
// A yes-or-no question over the active window; true for yes.
bool askYesNo(const QString& text);
void setQuestionHook(std::function<bool(const QString&)> hook);

}  // namespace platform

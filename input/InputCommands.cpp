#include "input/InputCommands.h"

#include "pages/PageDef.h"
#include "platform/FileIO.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"

namespace input {

static const std::string kWindow = "InputWindow";
static const std::string kSundok = "选择框1", kVelora = "选择框2";

// Seen from the box clicked: if it is now ticked, the other is cleared; then,
// if the other is still ticked, this one is cleared. Clicking the ticked box
// therefore leaves neither ticked.
static void exclude(const std::string& self, const std::string& other) {
    if (platform::readChecked(kWindow, self)) platform::writeChecked(kWindow, other, false);
    if (platform::readChecked(kWindow, other)) platform::writeChecked(kWindow, self, false);
}

void sundokClicked() { exclude(kSundok, kVelora); }
void veloraClicked() { exclude(kVelora, kSundok); }

void loadPictureClicked() {
    if (!platform::showFileDialog(kWindow, "通用对话框1")) return;  // Cancel keeps the picture
    const QString path = platform::dialogFileName(kWindow, "通用对话框1");
    // Whatever was read replaces the picture, even nothing.
    shell::productPicture().replace(platform::readWholeFile(path.toStdString()));
}

void generateClicked() {
    // The page is modal, so the boxes cannot change between the two steps.
    if (platform::readChecked(kWindow, kSundok)) pages::loadPage(pages::sundokPage());
    if (platform::readChecked(kWindow, kVelora)) pages::loadPage(pages::veloraPage());
}

}  // namespace input

#include <QByteArray>

#include "pages/PageDef.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"

namespace pages {

void fillPage(const PageDef& page) {
    const std::string& window = page.window.name;
    for (const FieldSource& source : page.fields)
        platform::writeText(window, source.label, platform::readText("InputWindow", source.field));
    // The box takes its own copy; handing it a view spares a second copy of a large picture.
    const auto& bytes = shell::productPicture().bytes();
    platform::writePicture(window, page.pictureBox,
                           QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
}

bool loadPage(const PageDef& page) { return platform::loadWindow(page.window, platform::Modality::Modal); }

}  // namespace pages

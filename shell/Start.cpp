#include "shell/Start.h"

#include <QCoreApplication>
#include <QDir>

#include "input/InputWindowDef.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"

namespace shell {

int start() { return startWith(input::inputWindowDef()); }

int startWith(const platform::WindowDef& startWindow) {
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    platform::setExitRoutine([] { productPicture().release(); });
    QString why;
    if (!platform::loadWindow(startWindow, platform::Modality::Modeless, &why)) {
        platform::setExitRoutine(nullptr);
        platform::showError(QStringLiteral("The input window could not be created.\n%1").arg(why));
        return -1;
    }
    return platform::runMessageLoop();
}

}  // namespace shell

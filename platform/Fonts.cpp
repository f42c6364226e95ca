#include "platform/Fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace platform {

static const char* const kSans = "Noto Sans CJK SC";
static const char* const kSerif = "Noto Serif CJK SC";

QFont defaultGuiFont() {
    QFont f(QString::fromUtf8(kSans));
    f.setPixelSize(12);
    return f;
}

QStringList installFonts() {
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), QString::fromUtf8(kSans));
    QFont::insertSubstitution(QStringLiteral("宋体"), QString::fromUtf8(kSerif));
    QFont::insertSubstitution(QStringLiteral("新宋体"), QString::fromUtf8(kSerif));
    QApplication::setFont(defaultGuiFont());

    QStringList missing;
    const QStringList families = QFontDatabase::families();
    for (const char* face : {kSans, kSerif})
        if (!families.contains(QString::fromUtf8(face))) missing << QString::fromUtf8(face);
    return missing;
}

QFont fontFor(const FontDef& def) {
    if (def.isDefault()) return defaultGuiFont();
    QFont f(QString::fromStdString(def.face));
    f.setPixelSize(def.pixelHeight > 0 ? def.pixelHeight : 12);
    f.setWeight(static_cast<QFont::Weight>(def.weight));
    return f;
}

}  // namespace platform

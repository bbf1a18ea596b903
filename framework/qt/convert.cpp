#include "framework/qt/convert.h"

#include "framework/class_info.h"

namespace fw {

QFont ToQFont(const FontSpec& spec, const QFont& systemFont) {
    QFont font = systemFont;
    if (!EqualsIgnoringCase(spec.name, "System") && !spec.name.empty()) {
        font.setFamilies({ToQString(spec.name)});
    }
    if (spec.size > 0.0f) {
        font.setPixelSize(static_cast<int>(spec.size + 0.5f));
    }
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

QString ToDisplayText(std::string_view text) {
    QString shown = ToQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace fw

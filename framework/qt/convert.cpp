#include "framework/qt/convert.h"

#include <algorithm>
#include <cmath>

#include "framework/class_info.h"

namespace fw {

QFont ToQFont(const DesignedFont& designed, const QFont& systemFont) {
    QFont font = systemFont;
    if (!EqualsIgnoringCase(designed.name, "System") && !designed.name.empty()) {
        font.setFamilies({ToQString(designed.name)});
    }
    // Sizes beyond any screen's text are taken as the largest the toolkit handles well.
    constexpr double kLargestSize = 1000.0;
    if (std::isfinite(designed.size) && designed.size >= 0.5) {
        font.setPixelSize(static_cast<int>(std::lround(std::min(designed.size, kLargestSize))));
    }
    font.setBold(designed.bold);
    font.setItalic(designed.italic);
    font.setUnderline(designed.underline);
    return font;
}

QString ToDisplayText(std::string_view text) {
    QString shown = ToQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace fw

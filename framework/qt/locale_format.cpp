// The user's locale decides only the separators; rounding and layout stay in the Qt-free Format.
#include <QLocale>
#include <QString>

#include "framework/text.h"

namespace fw {

NumberSeparators UserLocaleSeparators() {
    const QLocale locale;
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

std::string Format(double value, std::string_view pattern) {
    return Format(value, pattern, UserLocaleSeparators());
}

}  // namespace fw

// The user's locale decides only the separators; rounding and layout stay in the Qt-free Format.
#include <QLocale>

#include "framework/qt/convert.h"
#include "framework/text.h"

namespace fw {

NumberSeparators UserLocaleSeparators() {
    const QLocale locale;
    return {FromQString(locale.groupSeparator()), FromQString(locale.decimalPoint())};
}

std::string Format(double value, std::string_view pattern) {
    return Format(value, pattern, UserLocaleSeparators());
}

}  // namespace fw

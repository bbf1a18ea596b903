#pragma once

// Conversions between the framework's values and the toolkit's, in one place.

#include <QColor>
#include <QFont>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/class_info.h"
#include "framework/controls.h"

namespace fw {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Designed coordinates and sizes as the toolkit takes them: whole points within +-32000.
inline int ClampCoordinate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -32000, 32000));
}
inline int ClampSize(std::int64_t v, std::int64_t smallest = 0) {
    return static_cast<int>(std::clamp<std::int64_t>(v, smallest, 32000));
}

// A designed text alignment: 2 centred, 3 right-aligned, anything else left.
inline Qt::Alignment ToQAlignment(std::int64_t alignment) {
    return alignment == 2 ? Qt::AlignHCenter : alignment == 3 ? Qt::AlignRight : Qt::AlignLeft;
}

inline std::string FromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

inline QColor ToQColor(Color c) {
    return QColor(c.Red(), c.Green(), c.Blue(), 255 - c.Transparency());
}

QFont ToQFont(const DesignedFont& designed, const QFont& systemFont);

// Text as a label shows it: a carriage return, alone or before a line feed, breaks the line.
QString ToDisplayText(std::string_view text);

}  // namespace fw

#pragma once

// Conversions between the framework's values and the toolkit's, in one place.

#include <QColor>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

#include "framework/class_info.h"

namespace fw {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

inline QColor ToQColor(Color c) { return QColor(c.Red(), c.Green(), c.Blue(), 255 - c.Transparency()); }

// A designed font: "System" is the platform's interface font and size 0 its default size; other
// sizes are pixel sizes, so that one designed point is one device-independent pixel.
struct FontSpec {
    std::string name = "System";
    float size = 0.0f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont ToQFont(const FontSpec& spec, const QFont& systemFont);

// Text as a label shows it: a carriage return, alone or before a line feed, breaks the line.
QString ToDisplayText(std::string_view text);

}  // namespace fw

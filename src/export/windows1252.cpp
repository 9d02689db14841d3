#include "export/windows1252.h"

#include "core/app/windows1252.h"

namespace vornik::exporting {

QString fromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(windows1252CodePoint(static_cast<unsigned char>(byte))));
    return text;
}

} // namespace vornik::exporting

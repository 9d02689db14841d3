#include "bus/report_text.h"

#include "core/app/windows1252.h"

#include <QByteArray>

namespace vornik::bus {

QString reportLine(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    const QString text = QString::fromUtf8(raw);
    if (text.toUtf8() == raw)
        return text;
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

QStringList reportLines(const std::vector<std::string>& lines) {
    QStringList result;
    for (const std::string& line : lines)
        result.append(reportLine(line));
    return result;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace vornik::bus

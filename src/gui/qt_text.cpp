#include "gui/qt_text.h"

#include "core/app/windows1252.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace vornik::gui {
namespace {

char windows1252Byte(char16_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    const auto& high = kWindows1252HighControls;
    const auto found = std::find(high.begin(), high.end(), codePoint);
    if (found == high.end())
        return '?';
    return static_cast<char>(0x80 + (found - high.begin()));
}

} // namespace

QString fromProgramText(std::string_view bytes) {
    QString text = QString::fromStdString(windows1252ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string toProgramText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t codePoint : text.toUcs4())
        bytes += codePoint > 0xFFFF ? '?' : windows1252Byte(static_cast<char16_t>(codePoint));
    return bytes;
}

QString qtFileFilter(std::string_view programFilter) {
    const QStringList parts =
        QString::fromStdString(std::string(programFilter)).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // A name that already shows its patterns keeps them once.
        const qsizetype bracket = name.indexOf(QLatin1Char('('));
        if (bracket > 0)
            name = name.left(bracket).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QString withFilterExtension(const QString& chosen, const QString& selectedFilter) {
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    const QRegularExpression single(QStringLiteral("\\(\\*\\.([A-Za-z0-9]+)\\)$"));
    const QRegularExpressionMatch match = single.match(selectedFilter.trimmed());
    if (!match.hasMatch())
        return chosen;
    return chosen + QLatin1Char('.') + match.captured(1).toLower();
}

} // namespace vornik::gui

#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace vornik::bus {

// A report line as bus text. The program's texts are UTF-8, but a message
// box can quote the job's message, which is Windows-1252: a line that is not
// UTF-8 is read as Windows-1252, so no character is lost on the way.
[[nodiscard]] QString reportLine(const std::string& bytes);
[[nodiscard]] QStringList reportLines(const std::vector<std::string>& lines);

// The text of a stream of report lines, cut at its line ends; no empty last
// line.
[[nodiscard]] std::vector<std::string> splitLines(const std::string& text);

} // namespace vornik::bus

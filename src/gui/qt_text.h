#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vornik::gui {

// The core's texts are Windows-1252 bytes with CR LF (or CR) line breaks;
// Qt's are Unicode with LF. These convert between the two at the window's
// edge.
[[nodiscard]] QString fromProgramText(std::string_view bytes);

// A character Windows-1252 lacks becomes "?", as the ANSI conversion does.
[[nodiscard]] std::string toProgramText(const QString& text);

// The program's file dialog filter, "Name (*.a)|*.a|Other (*.b;*.c)|*.b;*.c",
// as Qt writes it: "Name (*.a);;Other (*.b *.c)".
[[nodiscard]] QString qtFileFilter(std::string_view programFilter);

// A name typed without an extension gets the one of the filter it was saved
// under, "Name (*.png)", so that the filter chooses the format; a name with an
// extension, or a filter of several or of every file, leaves it as typed.
[[nodiscard]] QString withFilterExtension(const QString& chosen, const QString& selectedFilter);

} // namespace vornik::gui

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornik {

// How the text editor's codes appear in a multi-line box whose line breaks
// are single characters ("\n"), as Qt's are.
//
// Which codes make a line break is chosen when a text is loaded: LF alone
// for a text that has line feeds and no carriage return (a file written on
// Linux), otherwise the pair CR LF, which is also what Enter inserts. A
// carriage return or line feed that is not a line break is shown as its
// picture, so that every text comes back from the box exactly as it went in.
// Tabs stay tabs; every other code is shown as display_set.h shows it.
enum class LineBreak { CrLf, Lf };

[[nodiscard]] LineBreak lineBreakOf(std::string_view codes);

// The codes as the box shows them, in UTF-8.
[[nodiscard]] std::string editorScreenText(std::string_view codes, LineBreak lineBreak,
                                           bool ansiDisplay);

// The codes of what the box shows: each line break becomes the line break's
// codes, a shown character its code, a character the display set lacks its
// best fit (as typedCode() gives it); other control characters are dropped.
[[nodiscard]] std::string editorCodes(std::string_view screenUtf8, LineBreak lineBreak,
                                      bool ansiDisplay);

// Positions between the two: a box position counts characters, one per code
// except one per line break.
[[nodiscard]] std::size_t screenPosition(std::string_view codes, LineBreak lineBreak,
                                         std::size_t codePosition);
[[nodiscard]] std::size_t codePosition(std::string_view codes, LineBreak lineBreak,
                                       std::size_t screenPosition);

} // namespace vornik

// A file of part numbers imported into a quote, in the window and on the command line: a
// text of rows (CSV, tab- or semicolon-separated) or a workbook (XLSX, its sheet "Lines" as
// the program exports it, else its first sheet), read into the same rows as a paste.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "rules/quotes/pasted_lines.h"

namespace tarvek {

// The rows of the file's bytes, at most `room` of them taken; the problem (said after "was
// not imported: ") when the file is a workbook that cannot be read, and no rows then.
PastedLines importedLines(std::string_view bytes, std::size_t room, std::string& problem);

}  // namespace tarvek

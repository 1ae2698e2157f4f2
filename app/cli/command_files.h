// The files the modes without a window read and write: an input named on the command line (or
// standard input for "-") read whole up to a bound, and a text written atomically piece by
// piece as it is made, so that a failure leaves the old file whole.
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "rules/calculator/gas_record.h"
#include "rules/quotes/quotation.h"

namespace tarvek {

// What an output's ending asks for: .csv, .xlsx, .pdf or the quote document's .tquote.
enum class OutputFormat { Csv, Workbook, Pdf, Document, None };
OutputFormat outputFormatOf(const std::string& path);
// Tells an output whose ending names no format; the exit status of a wrong command line.
int unknownOutputFormat(std::ostream& errors);

// The gases of the program's own Gases.mdb, in the window's list's order; none, with the reason
// told on `errors`, when they cannot be read. Needs the application object (the gas reader lies
// beside the program).
std::optional<std::vector<GasRecord>> programGases(std::ostream& errors);

// A new quotation started now: its number and date from the clock, today's price list.
Quotation quotationStartedNow();

// The whole file at `path` (or the input `input` for "-"), at most `largest` bytes; false with
// the reason.
bool readInputFile(const std::string& path, int input, std::size_t largest, std::string& text,
                   std::string& error);

// A text file written atomically as its pieces come, never held whole; an empty text when
// done, else why not.
QString writeTextFile(const QString& path, const std::function<void(const TextSink&)>& produce);

// Fonts and painting need a GUI application, but no display: runs `run` inside one on the
// offscreen platform, Qt's own notes (no runtime folder, …) kept off the tool's output.
void inOffscreenApplication(const char* program, const std::function<void()>& run);

}  // namespace tarvek

// Standard input and output as a tool on the command line uses them: lines read with bounded
// memory however long they are, output written in blocks, and every failure of either kept
// with the system's reason, for the error message and the exit status.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvek {

class LineReader {
  public:
    // Keeps at most `longest` bytes of a line; the rest of a longer line is read and dropped.
    LineReader(int fd, std::size_t longest);

    // The next line without its line end (LF or CR LF), and whether it was cut; false at the
    // end of the input or after a failure. A UTF-8 byte-order mark before the first line is skipped.
    bool next(std::string& line, bool& cut);

    bool failed() const { return error_ != 0; }
    std::string error() const;

  private:
    bool fill();

    int fd_;
    std::size_t longest_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false, started_ = false;
    int error_ = 0;
};

class Output {
  public:
    explicit Output(int fd) : fd_(fd) {}
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view text);
    // Writes what is held; false once anything failed to be written.
    bool flush();

    bool failed() const { return error_ != 0; }
    std::string error() const;

  private:
    int fd_;
    std::string held_;
    int error_ = 0;
};

}  // namespace tarvek

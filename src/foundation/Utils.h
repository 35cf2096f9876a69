#pragma once
// The token reader through which every text data file is read, with its typed value readers.
// A file is taken into memory in one read and handed out as tokens separated by blanks, tabs,
// commas and line ends; "!" before a token starts a comment, a token beginning with "*" ends
// the data. Bad values are reported as counted errors and reading goes on.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <source_location>
#include <span>
#include <string>
#include <string_view>

namespace mz {

class ErrorReporter;

enum class ReadMode : int {
  NextToken = 0,        // the next token, wherever it is
  FirstOfNextLine = 1,  // the first token of the next line
  RestOfLine = 2,       // the rest of this line, one leading blank dropped
  NextLine = 3,         // the next line whole, lines beginning with "!" skipped
  NextWholeLine = 4,    // the next line whole, comment lines included
};

// Severity of the report when a file cannot be opened: Error fails the open, Fatal ends the
// program.
enum class OpenFailure { Error, Fatal };

class TokenReader {
 public:
  static constexpr std::size_t kValueTokenSize = 256;  // field size of the value readers
  static constexpr std::size_t kDirectBufferSize = 5120;

  explicit TokenReader(ErrorReporter& reporter);
  ~TokenReader();
  TokenReader(const TokenReader&) = delete;
  TokenReader& operator=(const TokenReader&) = delete;

  // Opens a file; false (after a report with the caller's location) when it cannot be opened.
  bool open(const std::filesystem::path& path, OpenFailure failure = OpenFailure::Error,
            std::source_location where = std::source_location::current());
  // Reads data held in memory, as if it were a file's contents.
  void openText(std::string text);
  void close();
  bool isOpen() const;

  void rewind();
  long tell() const;
  // origin 0 from the start, 1 from the current position, 2 to the end (offset unused).
  void seek(long offset, int origin);

  // One character, or -1 at the end of the data and after the reader was closed.
  int readChar();
  // Pushes the last character back; -1 is not pushed back.
  void unreadChar(int c);

  // Reads through the next line feed. With size > 0 the line (without its line end) goes to
  // buffer; at most size - 2 characters fit, a longer line is a counted "Buffer overflow: "
  // error. size 0 only skips the line. False at the end of the data.
  bool readLine(std::string& buffer, std::size_t size);

  // The central read: true with the token or line in buffer; false at the end of the data or
  // at a "*" token, buffer then empty. RestOfLine at a line end leaves buffer unchanged. A token
  // of size characters or more is cut to size - 1, reported as a counted "Buffer overflow: "
  // error, and the rest of it is skipped.
  bool readToken(std::string& buffer, ReadMode mode, std::size_t size = kValueTokenSize);
  // The same for callers that keep no buffer of their own: the token, or nothing.
  std::optional<std::string> next(ReadMode mode = ReadMode::NextToken,
                                  std::size_t size = kValueTokenSize);

  double readReal(ReadMode mode = ReadMode::NextToken);
  float readFloat(ReadMode mode = ReadMode::NextToken);
  std::int32_t readInt(ReadMode mode = ReadMode::NextToken);
  std::int32_t readLong(ReadMode mode = ReadMode::NextToken);
  std::int16_t readShort(ReadMode mode = ReadMode::NextToken);
  std::uint16_t readUShort(ReadMode mode = ReadMode::NextToken);
  std::uint8_t readByte(ReadMode mode = ReadMode::NextToken);
  // Seconds after midnight, 0 to 86400: H:MM:SS, HH:MM:SS or a whole number of seconds.
  std::int32_t readTime(ReadMode mode = ReadMode::NextToken);
  // Day of the year, 1 to 365: a month-name form (Jan1, Jan01) or a number.
  int readDate(ReadMode mode = ReadMode::NextToken);
  // Day of the year from the form m/d.
  int readMonthDay(ReadMode mode = ReadMode::NextToken);

  // While set, every character the reader consumes is also written to the log.
  void setEcho(bool on) { echo_ = on; }
  bool echo() const { return echo_; }

  ErrorReporter& reporter() { return reporter_; }

 private:
  std::string readValueToken(ReadMode mode);
  void echoChar(int c);
  bool storeLine(std::string& buffer, std::size_t size);  // the loop of readLine
  void pushBackLineEnd();

  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  ErrorReporter& reporter_;
  bool open_ = false;
  bool wholeFile_ = true;
  std::string data_;
  std::size_t cursor_ = 0;
  std::size_t echoedUpTo_ = 0;
  std::unique_ptr<std::FILE, FileCloser> file_;  // direct mode only
  std::unique_ptr<char[]> directBuffer_;
  bool echo_ = false;
  bool lastReadWasLineFeed_ = false;
};

// Text-to-value conversions shared by the readers and by dialog fields. Each gives nothing when
// the text is not of its form.
std::optional<double> parseReal(std::string_view text);
std::optional<std::int64_t> parseInteger(std::string_view text);    // sign and digits only
std::optional<std::int32_t> parseClockTime(std::string_view text);  // H:MM:SS / HH:MM:SS
std::optional<int> parseMonthNameDate(std::string_view text);       // Jan1, feb01
std::optional<int> parseMonthSlashDate(std::string_view text);      // 1/31

// Index of text in a table of names, or table.size() after the report
// "Undefined Element Type: " + text.
std::size_t lookupKeyword(ErrorReporter& reporter, std::string_view text,
                          std::span<const std::string_view> table);

}  // namespace mz

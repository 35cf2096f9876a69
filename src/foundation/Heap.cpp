#include "foundation/Heap.h"

#include <cstdlib>
#include <new>

#include "foundation/FilePath.h"
#include "foundation/Memory.h"

namespace mz {

bool LogFile::open(const std::filesystem::path& path) {
  close();
  file_.reset(std::fopen(path.c_str(), "w"));
  if (file_) path_ = path;
  return file_ != nullptr;
}

void LogFile::close() {
  file_.reset();
  path_.clear();
}

void LogFile::write(std::string_view text) {
  if (!file_) return;
  std::fwrite(text.data(), 1, text.size(), file_.get());
  std::fflush(file_.get());
}

std::string_view severityCaption(int severity) {
  static constexpr std::string_view kCaptions[] = {"NOTE", "WARNING", "ERROR", "FATAL"};
  if (severity < 0) severity = 0;
  if (severity > 3) severity = 3;
  return kCaptions[severity];
}

MessageIcon captionIcon(std::string_view caption) {
  if (caption.starts_with('N')) return MessageIcon::Information;
  if (caption.starts_with('W')) return MessageIcon::Warning;
  return MessageIcon::Error;
}

std::string sourceBaseName(std::string_view path) {
  std::string name = splitPath(path).name;
  if (name.size() > 15) name.resize(15);
  return name;
}

ErrorReporter::ErrorReporter(UiPort& ui, LogFile* log) : ui_(ui), log_(log) {}

std::string ErrorReporter::composeText(Parts parts) {
  std::string text = " ";
  for (std::string_view part : parts) {
    if (part.empty()) break;
    text += part;
    if (text.size() >= 255) break;
  }
  if (text.size() > 255) text.resize(255);
  text += '\n';
  return text;
}

int ErrorReporter::report(int severity, Parts parts, std::source_location where) {
  if (severity < 0) {
    if (severity < -1) errorCount_ = 0;
    return errorCount_;
  }
  if (severity > 3) severity = 3;
  if (severity == 2) ++errorCount_;

  const std::string text = composeText(parts);
  const std::string location = "  (file " + sourceBaseName(where.file_name()) + ", line " +
                               std::to_string(where.line()) + ")\n";
  const std::string_view caption = severityCaption(severity);
  if (log_) {
    log_->write(caption);
    log_->write(location);
    log_->write(text);
  }
  ui_.showMessage(caption, captionIcon(caption), text + location);
  if (severity == 3) endProgram();
  return errorCount_;
}

int ErrorReporter::report(Severity severity, Parts parts, std::source_location where) {
  return report(static_cast<int>(severity), parts, where);
}

void ErrorReporter::fatal(Parts parts, std::source_location where) {
  report(Severity::Fatal, parts, where);
  endProgram();  // not reached; report ends the program
}

void ErrorReporter::endProgram() {
  if (fatalAction_) fatalAction_();
  std::exit(1);
}

void ErrorReporter::showMessage(int kind, Parts parts) {
  if (kind < 0) return;
  const std::string_view caption = severityCaption(kind > 2 ? 2 : kind);
  ui_.showMessage(caption, captionIcon(caption), composeText(parts));
}

void ErrorReporter::logLine(int severity, std::string_view text) {
  if (severity < 0) severity = 0;
  if (severity > 3) severity = 3;
  if (log_) {
    std::string line(severityCaption(severity));
    line += ' ';
    line += text;
    line += '\n';
    log_->write(line);
  }
  if (severity == 3) endProgram();
}

void ErrorReporter::logText(std::string_view text) {
  if (log_) log_->write(text);
}

bool ErrorReporter::askYesNo(std::string_view text) {
  return ui_.askYesNo(text);
}

Answer ErrorReporter::askYesNoCancel(std::string_view text) {
  return ui_.askYesNoCancel(text);
}

std::string MemoryTotals::totalsLine(std::string_view label) const {
  return std::string(label) + ": " + std::to_string(allocated_) + " bytes allocated, " +
         std::to_string(freed_) + " freed, " +
         std::to_string(static_cast<long long>(allocated_) - static_cast<long long>(freed_)) +
         " net\n";
}

// ---- named memory ----

NamedBlock::NamedBlock(NamedBlock&& other) noexcept
    : bytes_(std::move(other.bytes_)),
      size_(other.size_),
      label_(std::move(other.label_)),
      totals_(other.totals_) {
  other.size_ = 0;
  other.totals_ = nullptr;
}

NamedBlock& NamedBlock::operator=(NamedBlock&& other) noexcept {
  if (this != &other) {
    release();
    bytes_ = std::move(other.bytes_);
    size_ = other.size_;
    label_ = std::move(other.label_);
    totals_ = other.totals_;
    other.size_ = 0;
    other.totals_ = nullptr;
  }
  return *this;
}

NamedBlock::~NamedBlock() {
  release();
}

void NamedBlock::release() {
  if (bytes_ && totals_) totals_->freed(size_);
  bytes_.reset();
  size_ = 0;
}

std::optional<NamedBlock> Heap::attempt(std::size_t size, std::string_view label) {
  if (size == 0) reporter_.fatal({label, " too small to allocate"});
  totals_.allocated(size);
  if (size > kMaxRequest) return std::nullopt;
  NamedBlock block;
  block.bytes_.reset(new (std::nothrow) std::byte[size]());
  if (!block.bytes_) return std::nullopt;
  block.size_ = size;
  block.label_ = std::string(label);
  block.totals_ = &totals_;
  return block;
}

NamedBlock Heap::alloc(std::size_t size, std::string_view label) {
  auto block = attempt(size, label);
  if (!block) {
    logTotals("alc_e");
    reporter_.logText("Attempting to allocate " + std::to_string(size) + " bytes\n");
    reporter_.fatal({"Insufficient memory to allocate: ", label});
  }
  return std::move(*block);
}

std::optional<NamedBlock> Heap::tryAlloc(std::size_t size, std::string_view label) {
  return attempt(size, label);
}

void Heap::logTotals(std::string_view label) {
  reporter_.logText(totals_.totalsLine(label));
}

BlockPool::BlockPool(Heap& heap, std::size_t blockSize, std::string_view label)
    : heap_(heap), blockSize_(blockSize < kHeaderSize + 8 ? kHeaderSize + 8 : blockSize) {
  addBlock(blockSize_, label);
}

void BlockPool::addBlock(std::size_t size, std::string_view label) {
  blocks_.push_back(heap_.alloc(size, label));
  freeOffset_ = kHeaderSize;
}

void* BlockPool::allocate(std::size_t size, std::string_view label) {
  const std::size_t rounded = (size + 7) / 8 * 8;
  if (rounded > capacity()) {
    // An oversized request gets a block of its own, kept behind the newest so that the newest
    // block's free space stays in use.
    NamedBlock own = heap_.alloc(rounded + kHeaderSize, label);
    void* piece = own.data() + kHeaderSize;
    blocks_.insert(blocks_.end() - 1, std::move(own));
    return piece;
  }
  if (blockSize_ - freeOffset_ < rounded) addBlock(blockSize_, label);
  void* piece = blocks_.back().data() + freeOffset_;
  freeOffset_ += rounded;
  return piece;
}

}  // namespace mz

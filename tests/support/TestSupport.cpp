#include "support/TestSupport.h"

#include <fstream>
#include <random>
#include <sstream>

namespace mz::test {

TempDir::TempDir() {
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("mulzon-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> Diagnostics::messages() const {
  std::vector<std::string> out;
  for (const UiEvent& e : ui.eventsOf(UiEvent::Kind::Message)) {
    std::string text = e.text;
    const std::size_t loc = text.find("\n  (file ");
    if (loc != std::string::npos) text.resize(loc);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.starts_with(' ')) text.erase(0, 1);
    out.push_back(text);
  }
  return out;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace mz::test

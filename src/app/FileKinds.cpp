#include "app/FileKinds.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <vector>

#include "foundation/FileOps.h"
#include "foundation/Heap.h"
#include "foundation/Utils.h"

namespace mz {

namespace {

constexpr std::array<FileKind, 16> kKinds{{
    {"PRJ", "Project Files (*.PRJ)", "prj", true, true, true},
    {"WTH", "Weather Files (*.WTH)", "wth", true, false, true},
    {"CTM", "Contaminant Files (*.CTM)", "ctm", true, false, true},
    {"LB0", "Contaminant Source Library Files (*.LB0)", "lb0", true, true, true},
    {"LB1", "Schedule Library Files (*.LB1)", "lb1", true, true, true},
    {"LB2", "Wind Profile Library Files (*.LB2)", "lb2", true, true, true},
    {"LB3", "Path Element Library Files (*.LB3)", "lb3", true, true, true},
    {"LB4", "Duct Element Library Files (*.LB4)", "lb4", true, true, true},
    {"LB5", "Controls Library Files (*.LB5)", "lb5", true, true, true},
    {"TXT", "Text Files (*.TXT)", "txt", true, true, false},
    {"CVF", "Continuous Values Files (*.CVF)", "cvf", true, false, true},
    {"DVF", "Discrete Values Files (*.DVF)", "dvf", true, false, true},
    {"WPC", "WPC Files (*.WPC)", "wpc", true, true, false},
    {"EWC", "External Wind & Species Files (*.EWC)", "ewc", true, false, false},
    {"EXE", "EWC to WPC Translator Program (*.EXE)", "exe", true, false, false},
    {"CPLW", "CPLW Files (*.CPLW)", "cplw", false, true, true},
}};

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t k = 0;
  while (k < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t,", k);
    if (start == std::string_view::npos) break;
    std::size_t end = line.find_first_of(" \t,", start);
    if (end == std::string_view::npos) end = line.size();
    out.push_back(line.substr(start, end - start));
    k = end;
  }
  return out;
}

bool isLibrary(std::string_view keyword) {
  return keyword.size() == 3 && keyword.starts_with("LB");
}

}  // namespace

std::span<const FileKind> fileKinds() {
  return kKinds;
}

const FileKind* findFileKind(std::string_view keyword) {
  for (const FileKind& kind : kKinds)
    if (kind.keyword == keyword) return &kind;
  return nullptr;
}

std::optional<FileRequest> fileRequest(ErrorReporter& reporter, std::string_view keyword, bool save,
                                       std::string initialPath) {
  const FileKind* kind = findFileKind(keyword);
  if (!kind || !(save ? kind->save : kind->open)) {
    reporter.report(Severity::Error, {"Invalid file extension: ", keyword});
    return std::nullopt;
  }
  const std::string extension(kind->extension);
  FileRequest request;
  request.title = save ? "Save As" : "Open";
  request.filters = {{std::string(kind->filter), {"*." + extension, "*." + upper(extension)}}};
  request.initialPath = std::move(initialPath);
  request.defaultExtension = extension;
  return request;
}

OpenResult chooseFileToOpen(ErrorReporter& reporter, std::string_view keyword,
                            std::string initialPath) {
  std::optional<FileRequest> request =
      fileRequest(reporter, keyword, false, std::move(initialPath));
  if (!request) return {};
  std::optional<std::string> chosen = reporter.ui().chooseOpenFile(*request);
  if (!chosen) return {};
  if (!fileExists(*chosen)) {
    reporter.showMessage(2, {"Could not find file: ", *chosen});
    return {OpenChoice::Missing, std::move(*chosen)};
  }
  return {OpenChoice::Chosen, std::move(*chosen)};
}

std::optional<std::string> chooseFileToSave(ErrorReporter& reporter, std::string_view keyword,
                                            std::string initialPath) {
  std::optional<FileRequest> request = fileRequest(reporter, keyword, true, std::move(initialPath));
  if (!request) return std::nullopt;
  return reporter.ui().chooseSaveFile(*request);
}

FilePreview previewTexts(const FileKind& kind, std::string_view firstLine,
                         std::string_view secondLine) {
  FilePreview preview{std::string(firstLine), std::string(secondLine)};
  const std::vector<std::string_view> first = words(firstLine);
  if (kind.keyword == "PRJ") {
    if (!first.empty() && first[0] == "MulzonW") {
      preview.type = std::string(first[0]);
      if (first.size() > 1) preview.type += " " + std::string(first[1]);
    } else {
      const std::vector<std::string_view> second = words(secondLine);
      if (!second.empty() && parseInteger(second[0]) == 5) {
        preview.type = "MulzonW 1.0";
        preview.description = std::string(firstLine);
      } else {
        preview.type = "Unknown PRJ format";
      }
    }
  } else if (kind.keyword == "WTH") {
    if (first.empty() || first[0] != "WeatherFile") {
      preview.type = "WeatherFile MulzonW 1.0";
      preview.description = std::string(firstLine);
    }
  } else if (isLibrary(kind.keyword)) {
    if (first.size() < 2 || first[1] != "MulzonW") {
      preview.type = "MULZON 1.0 Library";
      preview.description = std::string(firstLine);
    }
  }
  return preview;
}

std::optional<FilePreview> previewFile(std::string_view keyword,
                                       const std::filesystem::path& path) {
  const FileKind* kind = findFileKind(keyword);
  if (!kind || !kind->preview) return std::nullopt;
  std::string extension = path.extension().native();
  if (extension.empty() || upper(extension.substr(1)) != kind->keyword) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string lines[2];
  for (std::string& line : lines) {
    std::getline(file, line);
    if (line.ends_with('\r')) line.pop_back();
  }
  return previewTexts(*kind, lines[0], lines[1]);
}

}  // namespace mz

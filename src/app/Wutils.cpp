#include "app/Wutils.h"

#include <unistd.h>

#include <array>
#include <string>
#include <system_error>

#include "app/Folders.h"
#include "app/Prjinout.h"
#include "model/Project.h"

namespace mz {

namespace fs = std::filesystem;

namespace {

enum class Source { Weather, Contaminant, Wpc, ContinuousValues, DiscreteValues, Extension, Log };

struct FileCommand {
  int command;
  Source source;
  const char* extension;  // for Source::Extension
};

constexpr std::array<FileCommand, 16> kFileCommands{{
    {4148, Source::Weather, ""},
    {4146, Source::Contaminant, ""},
    {4149, Source::Wpc, ""},
    {4134, Source::ContinuousValues, ""},
    {4145, Source::DiscreteValues, ""},
    {4147, Source::Extension, ".pld"},
    {4153, Source::Extension, ".age"},
    {4152, Source::Extension, ".ach"},
    {4159, Source::Extension, ".cbw"},
    {4160, Source::Extension, ".csm"},
    {4163, Source::Log, ""},
    {4161, Source::Extension, ".xlog"},
    {4155, Source::Extension, ".log"},
    {4150, Source::Extension, ".bal"},
    {4154, Source::Extension, ".ebw"},
    {4151, Source::Extension, ".val"},
}};

const FileCommand* findCommand(int command) {
  for (const FileCommand& c : kFileCommands)
    if (c.command == command) return &c;
  return nullptr;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool present(const fs::path& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace

bool isProjectFileCommand(int command) {
  return findCommand(command) != nullptr;
}

std::optional<fs::path> projectFileOf(int command, const Project& project,
                                      const ProgramFiles& files, const fs::path& startDirectory) {
  const FileCommand* c = findCommand(command);
  if (!c) return std::nullopt;
  const ProjectSettings& s = project.settings;
  const fs::path folder = s.path.empty() ? startDirectory : fs::path(s.path);
  auto named = [&](const std::string& name) -> std::optional<fs::path> {
    if (name.empty() || name == kNoFile) return std::nullopt;
    const fs::path file(name);
    return file.is_absolute() ? file : (folder / file).lexically_normal();
  };
  switch (c->source) {
    case Source::Weather:
      return named(s.files.weather);
    case Source::Contaminant:
      return named(s.files.contaminant);
    case Source::Wpc:
      return named(s.files.wpc);
    case Source::ContinuousValues:
      return named(s.files.continuousValues);
    case Source::DiscreteValues:
      return named(s.files.discreteValues);
    case Source::Log:
      if (files.logFile.empty()) return std::nullopt;
      return files.logFile;
    case Source::Extension: {
      if (isUntitled(s.name)) return std::nullopt;
      const fs::path lower = folder / (s.name + c->extension);
      const fs::path capital = folder / (s.name + upper(c->extension));
      return !present(lower) && present(capital) ? capital : lower;
    }
  }
  return std::nullopt;
}

std::string_view openFailureText(OpenFailure failure) {
  switch (failure) {
    case OpenFailure::NotFound:
      return "The specified file was not found.";
    case OpenFailure::PathNotFound:
      return "The specified path was not found.";
    case OpenFailure::AccessDenied:
      return "The operating system denied access to the specified file. ";
    case OpenFailure::NoAssociation:
      return "The file name association is incomplete or invalid.";
  }
  return {};
}

std::optional<OpenFailure> checkOpenable(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) {
    const fs::path folder = path.parent_path();
    return folder.empty() || present(folder) ? OpenFailure::NotFound : OpenFailure::PathNotFound;
  }
  if (::access(path.c_str(), R_OK) != 0) return OpenFailure::AccessDenied;
  return std::nullopt;
}

}  // namespace mz

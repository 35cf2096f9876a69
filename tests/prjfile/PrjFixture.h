#pragma once
// Projects for the project file tests, built through the model API.

#include <memory>
#include <string>

#include "model/Project.h"
#include "prjfile/PrjFile.h"

namespace mz::test {

// Two levels with zones, paths, an AHS, ducts, a source/sink, an exposure and notes, and every
// data section with one element of every type.
std::unique_ptr<Project> fullProject();
// A few zones on two levels joined by paths.
std::unique_ptr<Project> smallProject();
// The canonical text of a project (its write must succeed).
std::string projectText(Project& project, const ProjectFileInfo& info = {});

}  // namespace mz::test

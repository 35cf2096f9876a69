// mulzon: the command-line tool over the core libraries.

#include <CLI/CLI.hpp>
#include <iostream>

int main(int argc, char** argv) {
  CLI::App app{"MulzonW command-line tool"};
  bool version = false;
  app.add_flag("--version", version, "print the program name and version");
  CLI11_PARSE(app, argc, argv);
  if (version) std::cout << "MulzonW 3.0\n";
  return 0;
}

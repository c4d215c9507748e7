#pragma once
// The Qt view layer is a module beside the program, loaded when the program first shows
// something: a run that shows nothing never loads Qt at all.
#include <string>

#include "ui/toolkit.h"

namespace olvex::app {

// The module's path beside the running program.
std::string QtModuleBesideProgram();
// Loads the module at `path` and starts its toolkit; throws std::runtime_error when it cannot.
ui::ToolkitLoader QtToolkitLoader(std::string path, int& argc, char** argv);

}  // namespace olvex::app

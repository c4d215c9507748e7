#include "app/toolkit_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

namespace olvex::app {

std::string QtModuleBesideProgram() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "olvex_qt.so").string();
}

ui::ToolkitLoader QtToolkitLoader(std::string path, int& argc, char** argv) {
  return [path, &argc, argv] {
    // Never closed: Qt cannot be unloaded.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) throw std::runtime_error(std::string("cannot load the window toolkit: ") + dlerror());
    auto create = reinterpret_cast<ui::Toolkit* (*)(int*, char**)>(dlsym(module, "olvex_create_qt_toolkit"));
    if (!create) throw std::runtime_error("cannot load the window toolkit: " + path + " is not its module");
    return std::unique_ptr<ui::Toolkit>(create(&argc, argv));
  };
}

}  // namespace olvex::app

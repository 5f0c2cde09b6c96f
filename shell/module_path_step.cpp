#include "shell/module_path_step.h"

#include "platform/module_path.h"

namespace shell {

operations::BaseFolder BaseFolderOf(const std::string& modulePath) {
    const std::string::size_type cut = modulePath.rfind('\\');
    if (cut == std::string::npos) return {"", modulePath};
    return {modulePath.substr(0, cut), modulePath.substr(cut + 1)};
}

bool RunModulePathStep(operations::BaseFolder& base) {
    std::string filename;
    if (!platform::ReadModulePath(filename)) return false;
    base = BaseFolderOf(filename);
    return true;
}

}  // namespace shell

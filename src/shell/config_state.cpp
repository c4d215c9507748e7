#include "shell/config_state.h"

namespace olvex::shell {

std::string WorkDir;
std::string ConfigPath;
std::string ExeName;
std::int16_t NumBytesToRead = 0;
std::uint8_t SilentPatch = 0;
bool DeveloperMode = false;
std::string DefaultPatchSet;
std::string VersionSig;
std::string CfgLine;
std::string CfgKey;
std::string CfgValue;
std::string CfgVersion;
std::string LoadScope;
std::int32_t DataKeyCount = 0;

void SetWorkDir(const std::string& folder) {
  WorkDir = folder + "/";
  ConfigPath = WorkDir + kConfigFileName;
}

void ResetConfigState() {
  WorkDir.clear();
  ConfigPath.clear();
  ExeName.clear();
  NumBytesToRead = 0;
  SilentPatch = 0;
  DeveloperMode = false;
  DefaultPatchSet.clear();
  VersionSig.clear();
  CfgLine.clear();
  CfgKey.clear();
  CfgValue.clear();
  CfgVersion.clear();
  LoadScope.clear();
  DataKeyCount = 0;
}

}  // namespace olvex::shell

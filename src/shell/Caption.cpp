#include "shell/Caption.h"

#include <cctype>

#include "shell/ProgramSettings.h"

namespace zelvo {

std::string MainFormUpdateCaption(std::string_view linkName, std::string_view projectFile) {
  std::string caption(kApplicationTitle);
  if (!linkName.empty()) caption += " - " + std::string(linkName);
  if (!projectFile.empty()) {
    const auto slash = projectFile.find_last_of("/\\");
    std::string name(slash == std::string_view::npos ? projectFile : projectFile.substr(slash + 1));
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    caption += "    [" + name + "]";
  }
  return caption;
}

std::string CaptionLinkName(int connectionType, std::string_view ipAddress, std::string_view comPort) {
  return std::string(connectionType == kConnectionTcpIp ? ipAddress : comPort);
}

}  // namespace zelvo

#include "shell/ApplicationSupport.h"

#include "decode/Decode.h"
#include "link/Codec.h"

namespace zelvo {

namespace {

void AddRange(std::string& text, int from, int to, bool hex) {
  for (int app = from; app <= to; ++app) {
    const std::string name = ApplicationName(app, hex);
    if (name != "-RESERVED-") text += "\r  " + NumberString(app, hex) + "  " + name;
  }
}

}  // namespace

std::string ApplicationSupportText(bool hexNumbers) {
  std::string text = "Applications Supported by this version :";
  AddRange(text, 0, 47, hexNumbers);
  text += "\r  " + NumberString(48, hexNumbers) + "-" + NumberString(95, hexNumbers) + "  Lighting";
  AddRange(text, 96, 255, hexNumbers);
  return text;
}

}  // namespace zelvo

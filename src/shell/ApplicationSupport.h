#pragma once
// "Application Support...": the applications this version decodes.

#include <string>

namespace zelvo {

// "Applications Supported by this version :" and one line per named
// application, numbers in the current number format; 48 to 95 are one
// lighting line. Lines are separated by "\r".
std::string ApplicationSupportText(bool hexNumbers);

}  // namespace zelvo

#pragma once
// The error categories of the error reporting application: the decoder
// names them, and the Error Reporting tab offers them and sends their codes.

#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// The 13 category names in list order.
std::vector<std::string> ErrorCategoryNames();
// The name of a 16-bit category code; "Unknown System Category" when none.
std::string ErrorCategoryText(int code);
// The code of the first category named exactly so; 0 when none.
int ErrorCategoryCode(std::string_view name);

}  // namespace zelvo

#pragma once
// The message decoder: one bus message, in any of its textual forms, to one
// line of readable text.

#include <optional>
#include <string>
#include <string_view>

#include "decode/DecodeContext.h"

namespace zelvo {

class Host;

// "" means the message could not be decoded. Never throws.
std::string DecodeMessage(DecodeContext& ctx, std::string_view message, int flags);
// For messages that are not live traffic (typed, or from a log file): decodes
// as if the interface were in default mode (CONNECT + SMART + IDMON).
std::string DecodeStoredMessage(DecodeContext& ctx, std::string_view message, int flags);

std::string ApplicationName(int app, bool hexNumbers);

// Control bytes (0..31, 127) of a text as "<n>", as the receive pane shows them.
std::string RenderControlCharacters(std::string_view text);

// Rebuilds DecodeOptions from the four "Decode Options" settings.
int SetDecodeOptions(DecodeContext& ctx, bool showDestination, bool showNetwork, bool showApplication,
                     bool showMessage);

// "Interpret Command...": the information-box text for a typed command, or
// nullopt when the trimmed text is empty (nothing happens).
std::optional<std::string> InterpretCommandText(DecodeContext& ctx, std::string_view typed);
// The whole menu action: asks with an input box, shows the result.
void ZelvoInterpretCommand(DecodeContext& ctx, Host& host);

}  // namespace zelvo

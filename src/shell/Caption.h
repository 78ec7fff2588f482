#pragma once
// The main window's caption and the program's title.

#include <string>
#include <string_view>

namespace zelvo {

inline constexpr std::string_view kApplicationTitle = "Zelvo Diagnostic Utility";

// The title; with the link open, " - " and the socket's address or the
// serial port; with a project file, four blanks and its name in brackets.
// `linkName` is "" while the link is closed.
std::string MainFormUpdateCaption(std::string_view linkName, std::string_view projectFile);

// What the caption shows for an open link.
std::string CaptionLinkName(int connectionType, std::string_view ipAddress, std::string_view comPort);

}  // namespace zelvo

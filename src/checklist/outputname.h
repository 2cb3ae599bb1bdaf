#pragma once

#include <string>
#include <string_view>

// A row's name at the start of a line of output ("name: OK"), as sha256sum -c shows
// names: a name holding a line break or a '\' is written with a '\' before the whole
// line and "\\", "\n", "\r" in place of those bytes. No name can then start a line of
// its own (a forged "setup.exe: OK") or pass for another name. Returns the line
// without its end: the shown name followed by `rest`.
[[nodiscard]] std::string NameLine(std::string_view name, std::string_view rest);

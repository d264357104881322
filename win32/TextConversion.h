#pragma once

#include <string>

// The core's texts are UTF-8; the Windows functions this front end calls take UTF-16.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

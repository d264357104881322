#pragma once

#include <QString>

#include <string>

// The core's texts are UTF-8; Qt's are UTF-16.
QString FromCore(const std::string& text);

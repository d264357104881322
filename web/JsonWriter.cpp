#include "JsonWriter.h"

#include <cstdio>

CJsonWriter& CJsonWriter::Value(const std::string& text) {
    Open('"');
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            m_text += '\\';
            m_text += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            m_text += escaped;
        } else {
            m_text += c;
        }
    }
    return Close('"');
}

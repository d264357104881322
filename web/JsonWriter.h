#pragma once

#include <string>
#include <utility>

// Writes JSON text, for handing the page a whole dialog or a pick's changes as one string: one
// string crosses into JavaScript far faster than the objects it describes, built call by call.
class CJsonWriter {
public:
    CJsonWriter& BeginObject() { return Open('{'); }
    CJsonWriter& EndObject() { return Close('}'); }
    CJsonWriter& BeginArray() { return Open('['); }
    CJsonWriter& EndArray() { return Close(']'); }
    CJsonWriter& Key(const char* key) { return Value(key).Close(':'); }

    CJsonWriter& Value(const std::string& text);
    CJsonWriter& Value(const char* text) { return Value(std::string(text)); }
    CJsonWriter& Value(int n) { return Open(std::to_string(n)); }
    CJsonWriter& Value(bool b) { return Open(b ? "true" : "false"); }

    template <class T> CJsonWriter& Field(const char* key, const T& value) {
        return Key(key).Value(value);
    }

    // Hands the text over and starts again.
    std::string Take() { return std::exchange(m_text, std::string()); }

private:
    // Starts a value, after a comma where one separates it from the value before.
    template <class T> CJsonWriter& Open(const T& text) {
        if (!m_text.empty() && m_text.back() != '{' && m_text.back() != '[' &&
            m_text.back() != ':') {
            m_text += ',';
        }
        m_text += text;
        return *this;
    }
    CJsonWriter& Close(char bracket) {
        m_text += bracket;
        return *this;
    }

    std::string m_text;
};

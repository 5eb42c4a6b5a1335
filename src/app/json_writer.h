#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// A small streaming JSON writer: objects, arrays, numbers and escaped strings, indented so
/// that a diff of two dumps reads line by line.
class JsonWriter
{
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);
    void Number(long long value);
    void Real(double value);
    void String(std::string_view text);
    void Bool(bool value);

    template <typename T> void Field(std::string_view key, T value)
    {
        Key(key);
        Number(static_cast<long long>(value));
    }

    void TextField(std::string_view key, std::string_view text)
    {
        Key(key);
        String(text);
    }

    const std::string& Text() const { return out_; }

private:
    void BeforeValue();
    void Newline();
    void WriteQuoted(std::string_view text);

    std::string out_;
    std::vector<bool> first_; ///< per open container: no element written yet
    bool afterKey_ = false;
};

} // namespace olvane

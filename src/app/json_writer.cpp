#include "app/json_writer.h"

#include <cstdio>

namespace olvane
{

void JsonWriter::Newline()
{
    out_ += '\n';
    out_.append(first_.size() * 2, ' ');
}

void JsonWriter::BeforeValue()
{
    if (afterKey_)
    {
        afterKey_ = false;
        return;
    }
    if (!first_.empty())
    {
        if (!first_.back())
        {
            out_ += ',';
        }
        first_.back() = false;
        Newline();
    }
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    out_ += '{';
    first_.push_back(true);
}

void JsonWriter::EndObject()
{
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty)
    {
        Newline();
    }
    out_ += '}';
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    out_ += '[';
    first_.push_back(true);
}

void JsonWriter::EndArray()
{
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty)
    {
        Newline();
    }
    out_ += ']';
}

void JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    WriteQuoted(key);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::Number(long long value)
{
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Real(double value)
{
    BeforeValue();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    out_ += buffer;
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::String(std::string_view text)
{
    BeforeValue();
    WriteQuoted(text);
}

void JsonWriter::WriteQuoted(std::string_view text)
{
    out_ += '"';
    for (unsigned char ch : text)
    {
        switch (ch)
        {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (ch < 0x20 || ch >= 0x7F)
                {
                    // Stored names are single-byte text; anything outside ASCII is shown by code.
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", ch);
                    out_ += buffer;
                }
                else
                {
                    out_ += static_cast<char>(ch);
                }
                break;
        }
    }
    out_ += '"';
}

} // namespace olvane

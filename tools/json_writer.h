#pragma once
// A small streaming JSON writer for quillo-tool's output.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class JsonWriter {
public:
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    JsonWriter& Key(std::string_view k)
    {
        Separate();
        String(k);
        Out_ += ':';
        AfterKey_ = true;
        return *this;
    }
    void Int(int64_t v) { Raw(std::to_string(v)); }
    void Bool(bool v) { Raw(v ? "true" : "false"); }
    void Null() { Raw("null"); }
    void Double(double v)
    {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.17g", v);
        Raw(buf);
    }
    void Str(std::string_view s)
    {
        Separate();
        String(s);
    }

    const std::string& Text() const { return Out_; }

private:
    void Open(char c)
    {
        Separate();
        Out_ += c;
        First_.push_back(true);
    }
    void Close(char c)
    {
        Out_ += c;
        First_.pop_back();
    }
    void Raw(std::string_view s)
    {
        Separate();
        Out_ += s;
    }
    void Separate()
    {
        if (AfterKey_) {
            AfterKey_ = false;
            return;
        }
        if (!First_.empty()) {
            if (!First_.back()) Out_ += ',';
            First_.back() = false;
        }
    }
    void String(std::string_view s)
    {
        Out_ += '"';
        for (unsigned char c : s) {
            switch (c) {
            case '"': Out_ += "\\\""; break;
            case '\\': Out_ += "\\\\"; break;
            case '\n': Out_ += "\\n"; break;
            case '\r': Out_ += "\\r"; break;
            case '\t': Out_ += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    Out_ += buf;
                } else {
                    Out_ += static_cast<char>(c);
                }
            }
        }
        Out_ += '"';
    }

    std::string Out_;
    std::vector<bool> First_;
    bool AfterKey_ = false;
};

}  // namespace quillo

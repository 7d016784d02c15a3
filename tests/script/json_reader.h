#pragma once

// A small JSON reader for checking snapshots: strict enough to reject malformed output, keeping the
// order of object members.

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct JsonMember;

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    std::string text; // string value, or the number as written
    std::vector<JsonValue> items;
    // A vector of a type still incomplete here: std::vector allows it, a std::pair would not.
    std::vector<JsonMember> members;

    const JsonValue& operator[](std::string_view key) const;
    bool has(std::string_view key) const;
    long long integer() const { return std::stoll(text); }
    std::vector<std::string> strings() const
    {
        std::vector<std::string> result;
        for (const JsonValue& item : items)
            result.push_back(item.text);
        return result;
    }
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

inline const JsonValue& JsonValue::operator[](std::string_view key) const
{
    for (const JsonMember& member : members)
        if (member.name == key)
            return member.value;
    throw std::out_of_range("no member " + std::string(key));
}

inline bool JsonValue::has(std::string_view key) const
{
    for (const JsonMember& member : members)
        if (member.name == key)
            return true;
    return false;
}

class JsonReader {
public:
    static JsonValue parse(std::string_view text)
    {
        JsonReader reader(text);
        JsonValue value = reader.value();
        reader.skipBlanks();
        if (reader.at_ != text.size())
            throw std::runtime_error("text after the JSON value");
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    void skipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    char peek()
    {
        skipBlanks();
        if (at_ >= text_.size())
            throw std::runtime_error("unexpected end of JSON");
        return text_[at_];
    }
    void expect(char c)
    {
        if (peek() != c)
            throw std::runtime_error(std::string("expected '") + c + "' at " + std::to_string(at_));
        ++at_;
    }
    bool literal(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    JsonValue value()
    {
        JsonValue result;
        const char c = peek();
        if (c == '{') {
            result.type = JsonValue::Type::Object;
            ++at_;
            if (peek() == '}') {
                ++at_;
                return result;
            }
            do {
                std::string key = string();
                expect(':');
                result.members.push_back({std::move(key), value()});
            } while (peek() == ',' && ++at_);
            expect('}');
        } else if (c == '[') {
            result.type = JsonValue::Type::Array;
            ++at_;
            if (peek() == ']') {
                ++at_;
                return result;
            }
            do {
                result.items.push_back(value());
            } while (peek() == ',' && ++at_);
            expect(']');
        } else if (c == '"') {
            result.type = JsonValue::Type::String;
            result.text = string();
        } else if (literal("true")) {
            result.type = JsonValue::Type::Bool;
            result.boolean = true;
        } else if (literal("false")) {
            result.type = JsonValue::Type::Bool;
        } else if (literal("null")) {
            result.type = JsonValue::Type::Null;
        } else {
            result.type = JsonValue::Type::Number;
            const std::size_t start = at_;
            while (at_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos)
                ++at_;
            if (start == at_)
                throw std::runtime_error("unexpected character at " + std::to_string(at_));
            result.text = std::string(text_.substr(start, at_ - start));
        }
        return result;
    }

    std::string string()
    {
        expect('"');
        std::string out;
        while (true) {
            if (at_ >= text_.size())
                throw std::runtime_error("unterminated string");
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"')
                return out;
            if (c < 0x20)
                throw std::runtime_error("raw control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            const char e = text_.at(at_++);
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u': {
                const unsigned code = static_cast<unsigned>(std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16));
                at_ += 4;
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                break;
            }
            default: throw std::runtime_error("bad escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

#pragma once
// TextStream: a text file opened for reading (decoded whole on open, read from memory) or for
// writing and appending (encoded as written, buffered by stdio until Close).
#include <cstdint>
#include <cstdio>
#include <string>

#include "script/values/object.h"
#include "script/objects/members.h"
#include "script/values/value.h"

namespace vbs {

enum IoMode { ForReading = 1, ForWriting = 2, ForAppending = 8 };

class TextStream final : public TableObject {
public:
    // Opens the POSIX path; the caller has applied FileSystemObject's create/overwrite rules.
    static Value open(const std::string& path, IoMode mode, bool unicode);
    ~TextStream() override;

    std::u16string_view typeName() const override { return u"TextStream"; }

private:
    TextStream();
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;
    // Raise 54 when the stream was not opened for that direction.
    void needReading() const;
    void needWriting() const;
    // Checks there is input left (62 otherwise) and hands out the next n characters.
    std::u16string_view take(size_t n);
    std::u16string_view takeLine();
    void write(std::u16string_view text);
    void track(std::u16string_view text);  // Line and Column after text
    void close();

    std::u16string text_;  // reading: the whole file
    size_t pos_ = 0;
    FILE* file_ = nullptr;  // writing
    bool reading_ = false;
    bool unicode_ = false;
    bool closed_ = false;
    int32_t line_ = 1;
    int32_t column_ = 1;
};

}  // namespace vbs

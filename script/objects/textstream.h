#pragma once
// TextStream: a text file opened for reading (decoded whole on open, read from memory) or for
// writing and appending (encoded as written, buffered by stdio until Close); or a started
// program's standard streams, read as the program writes them.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "script/values/object.h"
#include "script/objects/members.h"
#include "script/values/value.h"

namespace vbs {

enum IoMode { ForReading = 1, ForWriting = 2, ForAppending = 8 };

// Where a stream on a program's output gets its text: more() appends what has come, waiting for
// it, and is false once the program has closed its end and nothing is left.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual bool more(std::u16string& text) = 0;
};

class TextStream final : public TableObject {
public:
    // Opens the POSIX path; the caller has applied FileSystemObject's create/overwrite rules.
    static Value open(const std::string& path, IoMode mode, bool unicode);
    // A stream reading what source gives, or writing unbuffered to the pipe fd (which it closes).
    static Value readFrom(std::unique_ptr<TextSource> source);
    static Value writeTo(int fd);
    ~TextStream() override;

    std::u16string_view typeName() const override { return u"TextStream"; }

private:
    TextStream();
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;
    // Raise 54 when the stream was not opened for that direction.
    void needReading() const;
    void needWriting() const;
    // Appends more from the source, dropping what was read; false when there is no more.
    bool fill();
    // Checks there is input left (62 otherwise) and hands out the next n characters.
    std::u16string_view take(size_t n);
    std::u16string_view takeLine();
    void write(std::u16string_view text);
    void track(std::u16string_view text);  // Line and Column after text
    void close();

    std::u16string text_;  // reading: the whole file, or what has come from the source so far
    std::unique_ptr<TextSource> source_;
    size_t pos_ = 0;
    FILE* file_ = nullptr;  // writing
    bool reading_ = false;
    bool unicode_ = false;
    bool closed_ = false;
    int64_t line_ = 1;
    int64_t column_ = 1;
};

}  // namespace vbs

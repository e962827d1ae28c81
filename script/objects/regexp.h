#pragma once
// VBScript.RegExp on PCRE2's 16-bit API. The compiled pattern is fetched on first use and kept
// until Pattern or a flag changes; match data is reused from one match to the next.
#include <memory>

#include <pcre2.h>

#include "script/values/object.h"
#include "script/objects/members.h"
#include "script/objects/compiled_pattern.h"
#include "script/objects/match.h"
#include "script/values/value.h"

namespace vbs {

class RegExp final : public TableObject {
public:
    RegExp();
    ~RegExp() override;
    std::u16string_view typeName() const override { return u"IRegExp2"; }

    void setPattern(String p) { pattern_ = std::move(p); drop(); }
    void setIgnoreCase(bool on) { setFlag(ignoreCase_, on); }
    void setGlobal(bool on) { global_ = on; }
    void setMultiline(bool on) { setFlag(multiline_, on); }

    bool test(std::u16string_view subject);
    Value execute(const String& subject);
    String replace(const String& subject, std::u16string_view replacement);
    // Replace with a function (GetRef, or an object with a default method): it is called for each
    // match with the match, its submatches, its position and the subject, and answers the text.
    String replace(const String& subject, Object* function);

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;
    void setFlag(bool& flag, bool on) { if (flag != on) { flag = on; drop(); } }
    void drop() { compiled_.reset(); }
    void prepare();
    // Every match Execute gives (just the first unless Global).
    MatchList findAll(const String& subject);
    // Finds the next match at or after start; false when there is none.
    bool search(std::u16string_view subject, size_t start);
    // Where the search after the current match starts: an empty match steps one character on.
    size_t nextStart(std::u16string_view subject) const;
    // Appends the replacement for the current match: $1..$99, $&, $`, $' and $$ expanded.
    void expand(std::u16string_view subject, std::u16string_view with, String& out) const;

    String pattern_;
    bool ignoreCase_ = false, global_ = false, multiline_ = false;
    std::shared_ptr<CompiledPattern> compiled_;
    pcre2_match_data* data_ = nullptr;
    int groups_ = 0;
    const PCRE2_SIZE* ovector_ = nullptr;  // data_'s
};

}  // namespace vbs

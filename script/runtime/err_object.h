#pragma once
// The Err object: the last error caught under On Error Resume Next, and Err.Raise.
#include <string>

#include "script/values/errors.h"
#include "script/values/object.h"

namespace vbs {

class ErrObject final : public Object {
public:
    int number = 0;
    std::u16string description, source, helpFile;
    int helpContext = 0;

    void set(const ScriptError& e);
    void clear();

    std::u16string_view typeName() const override { return u"Object"; }
    const void* typeKey() const override { return &kKey; }
    int memberId(std::u16string_view name) const override;
    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override;

private:
    static const char kKey;
};

}  // namespace vbs

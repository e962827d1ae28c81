// The VM's side of profiling: naming what runs, and the timed variants of the calls that leave the
// dispatch loop. Nothing here runs while profiling is off.
#include "script/objects/members.h"
#include "script/runtime/vm.h"

namespace vbs {

namespace {

// TypeName's interface names read better without COM's decoration: IRegExp2 is a RegExp.
std::u16string plainType(std::u16string_view t) {
    if (t.size() > 2 && t[0] == u'I' && t[1] >= u'A' && t[1] <= u'Z') t.remove_prefix(1);
    while (!t.empty() && t.back() >= u'0' && t.back() <= u'9') t.remove_suffix(1);
    return std::u16string(t);
}

std::u16string_view accessorSuffix(ast::ProcKind kind) {
    switch (kind) {
        case ast::ProcKind::PropertyGet: return u" [Get]";
        case ast::ProcKind::PropertyLet: return u" [Let]";
        case ast::ProcKind::PropertySet: return u" [Set]";
        default: return u"";
    }
}

}  // namespace

void VM::startProfile() {
    if (!profile_) profile_ = std::make_unique<Profile>();
    else profile_->clear();
}

int VM::profileFunction(Proc* p) {
    if (p->profileId < 0) {
        std::u16string name;
        // Top-level code: the script's own, or text that Execute or Eval runs inside a call.
        if (p->name == u"<main>") name = profile_->idle() ? u"<main>" : u"<Execute>";
        else name = (p->cls ? p->cls->name + u"." : u"") + p->name + std::u16string(accessorSuffix(p->kind));
        p->profileId = profile_->function(name);
    }
    return p->profileId;
}

int VM::profileLine(Proc* p, int line) {
    return profile_->line(profileFunction(p), line, p->source ? p->source->line(line) : std::u16string_view());
}

void VM::profileEnter(Proc* p) {
    int id = profileFunction(p);
    profile_->enter(nullptr, id, [&] { return id; });
}

void VM::profiledBuiltin(const Builtin& b, Value* args, int argc, Value& result) {
    Profile::Scope timed(*profile_, &b, 0, [&] { return profile_->function(b.name); });
    b.fn(ctx, args, argc, result);
}

void VM::profiledInvoke(Object& o, int id, std::u16string_view name, Invoke kind, Value* args, int argc,
                        Value& result) {
    int assign = kind == Invoke::Let ? 1 : kind == Invoke::Set ? 2 : 0;
    auto makeName = [&] {
        auto* table = dynamic_cast<const TableObject*>(&o);
        std::u16string member(table && id >= 0 ? table->table().name(id) : name);
        return plainType(o.typeName()) + u"." + (member.empty() ? u"(default)" : member) +
               (assign == 1 ? u" [Let]" : assign == 2 ? u" [Set]" : u"");
    };
    Profile::Scope timed(*profile_, o.typeKey(), id * 3 + assign, [&] { return profile_->function(makeName()); });
    o.invoke(id, kind, args, argc, result);
}

}  // namespace vbs

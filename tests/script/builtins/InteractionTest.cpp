// MsgBox and InputBox through a host, and without one (the answer is the default button).
#include "Call.h"

using namespace vbs;
using namespace vbs::test;

namespace {

struct FakeHost : Host {
    std::u16string prompt, title;
    int buttons = -1;
    int msgBox(std::u16string_view p, int b, std::u16string_view t) override {
        prompt = p;
        buttons = b;
        title = t;
        return 6;
    }
    bool inputBox(std::u16string_view p, std::u16string_view, std::u16string_view, std::u16string& answer) override {
        prompt = p;
        answer = u"typed";
        return true;
    }
};

}  // namespace

TEST(Interaction, DialogsWithoutAHostAnswerTheDefault) {
    EXPECT_EQ(call(u"MsgBox", {str(u"hi")}).i16, 1);
    EXPECT_EQ(call(u"MsgBox", {str(u"hi"), i16(4)}).i16, 6);
    EXPECT_EQ(call(u"MsgBox", {str(u"hi"), i16(4 + 256)}).i16, 7);
    EXPECT_EQ(call(u"MsgBox", {str(u"hi"), i16(3 + 512)}).i16, 2);
    EXPECT_EQ(textOf(u"InputBox", {str(u"name?"), str(u"t"), str(u"Bob")}), "Bob");
    EXPECT_EQ(textOf(u"InputBox", {str(u"name?")}), "");
}

TEST(Interaction, DialogsGoThroughTheHost) {
    FakeHost host;
    Context ctx;
    ctx.host = &host;
    EXPECT_EQ(call(ctx, u"MsgBox", {i16(42), i16(36), str(u"Title")}).i16, 6);
    EXPECT_EQ(host.prompt, u"42");
    EXPECT_EQ(host.buttons, 36);
    EXPECT_EQ(host.title, u"Title");
    call(ctx, u"MsgBox", {str(u"x")});
    EXPECT_EQ(host.title, u"VBScript");
    EXPECT_EQ(text(call(ctx, u"InputBox", {str(u"q")})), "typed");
    EXPECT_EQ(errorOf(u"MsgBox", {null()}), 94);
}


#include <gtest/gtest.h>

#include "Calls.h"
#include "script/objects/dictionary.h"

namespace vbs::test {
namespace {

class DictionaryTest : public ::testing::Test {
protected:
    Value d = createObject(u"Scripting.Dictionary");
    int count() { return toLong(call(d, u"Count")); }
};

TEST_F(DictionaryTest, KeysAndItemsAreVariantArraysInInsertionOrder) {
    for (int i = 0; i < 5; ++i) call(d, u"Add", {Value::lng(i), Value::lng(i * 10)});
    call(d, u"Remove", {Value::lng(2)});
    Value k = call(d, u"Keys"), it = call(d, u"Items");
    EXPECT_EQ(k.varType(), 8204);
    ASSERT_EQ(k.arr->upper[0], 3);
    EXPECT_EQ(toLong(k.arr->data[2]), 3);
    EXPECT_EQ(toLong(it.arr->data[3]), 40);
    call(d, u"RemoveAll");
    EXPECT_EQ(call(d, u"Keys").arr->upper[0], -1);  // UBound of an empty dictionary's keys is -1
}

TEST_F(DictionaryTest, NumericSubtypesShareKeysButStringsDoNot) {
    call(d, u"Add", {Value::integer(1), u"int"});
    EXPECT_TRUE(toBool(call(d, u"Exists", {Value::lng(1)})));
    EXPECT_TRUE(toBool(call(d, u"Exists", {Value::dbl(1.0)})));
    EXPECT_TRUE(toBool(call(d, u"Exists", {Value::byte(1)})));
    EXPECT_FALSE(toBool(call(d, u"Exists", {u"1"})));
    EXPECT_FALSE(toBool(call(d, u"Exists", {Value::dbl(1.5)})));
    call(d, u"Add", {u"1", u"str"});
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(errorOf([&] { call(d, u"Add", {Value::currency(10000), Value()}); }), errDuplicateKey);
}

TEST_F(DictionaryTest, EmptyMatchesBlankStringAndZero) {
    Dictionary& dict = static_cast<Dictionary&>(*d.obj);
    dict.add(Value(), Value(u"empty"));
    EXPECT_EQ(errorOf([&] { dict.add(Value(u""), Value()); }), errDuplicateKey);
    EXPECT_EQ(errorOf([&] { dict.add(Value::dbl(-0.0), Value()); }), errDuplicateKey);
    dict.remove(Value());
    dict.add(Value(u""), Value(u"blank"));
    dict.add(Value::integer(0), Value(u"zero"));  // "" and 0 are different keys
    EXPECT_EQ(dict.count(), 2u);
    EXPECT_NE(dict.find(Value()), nullptr);
    EXPECT_EQ(dict.find(Value::null()), nullptr);
}

TEST_F(DictionaryTest, TextModeFoldsNonAsciiLetters) {
    assign(d, u"CompareMode", {}, Value::lng(1));
    call(d, u"Add", {u"ÄRGER", Value::lng(1)});
    EXPECT_TRUE(toBool(call(d, u"Exists", {u"ärger"})));
    // Keys hash four characters at a time, ASCII ones by arithmetic and others through the tables:
    // text-equal keys must hash alike whichever way each block went.
    call(d, u"Add", {u"\u212AELVIN", Value::lng(2)});  // the Kelvin sign lowers to an ASCII k
    EXPECT_EQ(toLong(call(d, u"Item", {u"kelvin"})), 2);
    call(d, u"Add", {u"STRAßENBAHN", Value::lng(3)});
    EXPECT_EQ(toLong(call(d, u"Item", {u"straßenbahn"})), 3);
    call(d, u"Add", {u"[@[@", Value::lng(4)});
    call(d, u"Add", {u"{`{`", Value::lng(5)});  // 0x20 apart from the key before, yet no letters
    EXPECT_EQ(count(), 5);
}

// The last string key looked up is remembered with where it was; whatever changes the dictionary
// must not leave that stale.
TEST_F(DictionaryTest, RepeatedLookupsOfOneKeySeeEveryChange) {
    Value k(u"Apple");
    EXPECT_FALSE(toBool(call(d, u"Exists", {k})));
    assign(d, u"CompareMode", {}, Value::lng(1));  // the hash found above was binary
    call(d, u"Add", {k, Value::lng(1)});
    EXPECT_TRUE(toBool(call(d, u"Exists", {u"APPLE"})));
    EXPECT_TRUE(toBool(call(d, u"Exists", {k})));
    call(d, u"Remove", {k});
    EXPECT_FALSE(toBool(call(d, u"Exists", {k})));
    call(d, u"Item", {k});  // reading a missing key adds it
    EXPECT_TRUE(toBool(call(d, u"Exists", {k})));
    assign(d, u"Key", {k}, Value(u"pear"));
    EXPECT_FALSE(toBool(call(d, u"Exists", {k})));
    for (int i = 0; i < 100; ++i) call(d, u"Add", {Value::lng(i), Value()});  // grows the index
    EXPECT_TRUE(toBool(call(d, u"Exists", {u"PEAR"})));
    call(d, u"Add", {k, Value::lng(2)});
    EXPECT_EQ(toLong(call(d, u"Item", {k})), 2);
    call(d, u"RemoveAll");
    EXPECT_FALSE(toBool(call(d, u"Exists", {k})));
}

// Many inserts and removals: the index must keep finding every live key, and order must hold.
TEST_F(DictionaryTest, ChurnKeepsOrderAndLookups) {
    Dictionary& dict = static_cast<Dictionary&>(*d.obj);
    for (int i = 0; i < 5000; ++i) dict.add(Value::lng(i), Value::lng(i));
    for (int i = 0; i < 5000; i += 3) dict.remove(Value::lng(i));
    for (int i = 0; i < 1000; ++i) {  // tombstones pile up and get compacted
        dict.add(Value(u"temp"), Value());
        dict.remove(Value(u"temp"));
    }
    EXPECT_EQ(dict.count(), 5000u - 1667u);
    for (int i = 0; i < 5000; ++i) EXPECT_EQ(dict.find(Value::lng(i)) != nullptr, i % 3 != 0) << i;
    Value k = dict.keys();
    for (size_t j = 1; j < k.arr->data.size(); ++j) ASSERT_LT(toLong(k.arr->data[j - 1]), toLong(k.arr->data[j]));
}

// Each rename leaves a deleted slot behind, so renames alone force the index to be rebuilt.
TEST_F(DictionaryTest, RenamesKeepTheirPlaceThroughRebuilds) {
    Dictionary& dict = static_cast<Dictionary&>(*d.obj);
    for (int i = 0; i < 4; ++i) dict.add(Value::lng(i), Value::lng(i));
    for (int round = 1; round <= 50; ++round)
        dict.rename(Value::lng((round - 1) * 10 + 2), Value::lng(round * 10 + 2));
    EXPECT_EQ(each(d), (std::vector<std::string>{"0", "1", "502", "3"}));
    EXPECT_EQ(toLong(*dict.find(Value::lng(502))), 2);
    EXPECT_EQ(dict.find(Value::lng(2)), nullptr);
}

TEST_F(DictionaryTest, ForEachSeesSnapshotOfKeys) {
    call(d, u"Add", {u"x", Value()});
    call(d, u"Add", {u"y", Value()});
    auto e = d.obj->enumerate();
    call(d, u"RemoveAll");
    Value v;
    ASSERT_TRUE(e->next(v));
    EXPECT_EQ(text(v), "x");
}

}  // namespace
}  // namespace vbs::test

#include "script/objects/net_random.h"

#include <limits>
#include <random>

#include "script/values/convert.h"
#include "script/objects/members.h"
#include "script/objects/net_values.h"

namespace vbs {

namespace {

enum Id { Next, NextRange, NextBelow, NextDouble };
constexpr Member kMembers[] = {{u"Next", 0, 0}, {u"Next_2", 2, 2}, {u"Next_3", 1, 1}, {u"NextDouble", 0, 0}};
constexpr MemberTable kTable(kMembers);

// Seeded from the system as .NET seeds from the clock: no two objects share a sequence.
class NetRandom final : public TableObject {
public:
    NetRandom() : TableObject(kTable), engine_(std::random_device{}()) {}
    std::u16string_view typeName() const override { return u"Random"; }

private:
    // A value in [low, high), or low when the range is empty.
    int32_t below(int64_t low, int64_t high) {
        if (high <= low) return static_cast<int32_t>(low);
        return static_cast<int32_t>(std::uniform_int_distribution<int64_t>(low, high - 1)(engine_));
    }

    void call(int id, Invoke, Value* args, int, Value& result) override {
        switch (static_cast<Id>(id)) {
            case Next: result = Value::lng(below(0, std::numeric_limits<int32_t>::max())); return;
            case NextRange: {
                int32_t low = toLong(args[0]), high = toLong(args[1]);
                if (low > high)
                    netError(kNetOutOfRange, u"'minValue' cannot be greater than maxValue.\r\nParameter name: minValue");
                result = Value::lng(below(low, high));
                return;
            }
            case NextBelow: {
                int32_t high = toLong(args[0]);
                if (high < 0) netError(kNetOutOfRange, u"'maxValue' must be greater than zero.\r\nParameter name: maxValue");
                result = Value::lng(below(0, high));
                return;
            }
            case NextDouble: result = Value::dbl(std::uniform_real_distribution<double>(0.0, 1.0)(engine_)); return;
        }
    }

    std::mt19937 engine_;
};

}  // namespace

Value newNetRandom() { return Value::object(new NetRandom); }

}  // namespace vbs

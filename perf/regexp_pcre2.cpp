// The regexp benchmark's work done with PCRE2 directly: the floor for what our RegExp object can
// cost. Same sentences, same patterns, same checksum as regexp.vbs in the benchmark suite.
#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using u16 = std::u16string;

double gSeed = 2024;

int nextRand(int n) {
    gSeed = gSeed * 69069 + 1;
    gSeed = gSeed - std::floor(gSeed / 4294967296.0) * 4294967296.0;
    return static_cast<int>(std::floor(gSeed * n / 4294967296.0));
}

long hashStr(long h, const u16& s) {
    for (char16_t c : s) h = (h * 31 + c) % 1000003;
    return h;
}

u16 num(long v) {
    std::string s = std::to_string(v);
    return u16(s.begin(), s.end());
}
u16 w(const char* s) {
    std::string t(s);
    return u16(t.begin(), t.end());
}

const char* kNames[] = {"alice", "Bob", "CAROL", "dave", "Eve", "mallory"};
const char* kTopics[] = {"music", "movies", "the weather", "football", "robots", "poetry"};
const char* kUsers[] = {"bob", "a.smith", "eve_99", "x"};
const char* kDoms[] = {"example", "test", "invalid"};

u16 makeSentence() {
    int k = nextRand(8);
    switch (k) {
        case 0: {
            u16 a = w(kNames[nextRand(6)]);
            long b = 18 + nextRand(60);
            return w("My name is ") + a + w(" and I am ") + num(b) + w(" years old.");
        }
        case 1: {
            long a = nextRand(20), b = nextRand(200);
            return w("I have ") + num(a) + w(" apples and  ") + num(b) + w(" pears.");
        }
        case 2: {
            long a = 100 + nextRand(900), b = 1000 + nextRand(9000);
            return w("Call me at ") + num(a) + w("-") + num(b) + w(" please, my NAME IS ") + w(kNames[nextRand(6)]);
        }
        case 3: {
            u16 a = w(kUsers[nextRand(4)]), b = w(kDoms[nextRand(3)]);
            return w("my email is ") + a + w("@") + b + w(".com or ") + a + w("2@") + b + w(".org");
        }
        case 4: return w("Why   do you    ask about ") + w(kTopics[nextRand(6)]) + w(" ?  ");
        case 5: {
            u16 a = w(kTopics[nextRand(6)]), b = w(kTopics[nextRand(6)]);
            return w("I think i like ") + a + w(" more than ") + b + w(", and I said so.");
        }
        case 6: {
            long a = 1 + nextRand(500), b = 1 + nextRand(30);
            return w("It costs ") + num(a) + w(" dollars for ") + num(b) + w(" DAYS and 3 days more");
        }
        default: return w("HELLO computer, are you there? i am waiting");
    }
}

struct Regex {
    pcre2_code* code;
    pcre2_match_data* data;
    bool global;
    Regex(const char* pattern, bool global, bool ignoreCase) : global(global) {
        u16 p = w(pattern);
        int error;
        PCRE2_SIZE offset;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p.data()), p.size(),
                             PCRE2_DOLLAR_ENDONLY | (ignoreCase ? PCRE2_CASELESS : 0), &error, &offset, nullptr);
        if (!code) std::abort();
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
        data = pcre2_match_data_create_from_pattern(code, nullptr);
    }
    bool match(const u16& s, size_t from) {
        return pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(s.data()), s.size(), from, 0, data, nullptr) >= 0;
    }
    PCRE2_SIZE* ov() { return pcre2_get_ovector_pointer(data); }
    u16 group(const u16& s, int g) {
        PCRE2_SIZE* o = ov();
        if (o[2 * g] == PCRE2_UNSET) return u16();
        return s.substr(o[2 * g], o[2 * g + 1] - o[2 * g]);
    }
    // Every match (or the first), as (start, end, groups).
    struct Match {
        size_t start, end;
        std::vector<u16> groups;
    };
    std::vector<Match> execute(const u16& s) {
        std::vector<Match> out;
        size_t from = 0;
        while (from <= s.size() && match(s, from)) {
            Match m{ov()[0], ov()[1], {}};
            int n = static_cast<int>(pcre2_get_ovector_count(data));
            for (int g = 1; g < n; ++g) m.groups.push_back(group(s, g));
            out.push_back(m);
            if (!global) break;
            from = m.end > m.start ? m.end : m.end + 1;
        }
        return out;
    }
    // Replace with $1, $2 references only (all the benchmark uses).
    u16 replace(const u16& s, const u16& with) {
        u16 out;
        size_t last = 0;
        for (const Match& m : execute(s)) {
            out += s.substr(last, m.start - last);
            for (size_t i = 0; i < with.size(); ++i) {
                if (with[i] == u'$' && i + 1 < with.size() && with[i + 1] >= u'1' && with[i + 1] <= u'9') {
                    out += m.groups[with[i + 1] - u'1'];
                    ++i;
                } else {
                    out += with[i];
                }
            }
            last = m.end;
        }
        return out + s.substr(last);
    }
};

std::string runBench() {
    Regex reName("\\bmy name is (\\w+)", false, true);
    Regex reQty("(\\d+)\\s+(apples|pears|dollars|days|years)", true, true);
    Regex rePhone("\\b(\\d{3})-(\\d{4})\\b", true, false);
    Regex reWs("\\s+", true, false);
    Regex reQ("\\?\\s*$", false, false);
    Regex reI("\\bi\\b", true, true);
    Regex reMail("([a-z0-9._]+)@([a-z]+)\\.(com|org)", true, true);
    Regex reLong("\\b[a-z]{6,}\\b", true, true);
    long h = 0, names = 0, qty = 0, idx = 0, phones = 0, qs = 0, mails = 0, longs = 0, lens = 0;
    for (int r = 1; r <= 6000; ++r) {
        u16 s = makeSentence();
        auto ms = reName.execute(s);
        if (!ms.empty()) {
            names += static_cast<long>(ms[0].groups[0].size() + ms[0].start);
            if (r % 7 == 0) h = hashStr(h, ms[0].groups[0]);
        }
        for (const auto& m : reQty.execute(s)) {
            qty += std::stol(std::string(m.groups[0].begin(), m.groups[0].end())) + static_cast<long>(m.groups[1].size());
            idx += static_cast<long>(m.start + (m.end - m.start));
        }
        if (rePhone.match(s, 0)) {
            ++phones;
            u16 t = rePhone.replace(s, w("$2/$1"));
            lens += static_cast<long>(t.size() + t.find(u'/') + 1);
        }
        u16 t = reWs.replace(s, w(" "));
        lens += static_cast<long>(t.size());
        if (reQ.match(s, 0)) ++qs;
        t = reI.replace(t, w("you"));
        lens += static_cast<long>(t.size());
        if (r % 11 == 0) h = hashStr(h, t);
        for (const auto& m : reMail.execute(s)) {
            ++mails;
            lens += static_cast<long>((m.end - m.start) + m.groups[1].size() * 10 + m.groups[2].size());
        }
        longs += static_cast<long>(reLong.execute(s).size());
    }
    return std::to_string(names) + "/" + std::to_string(qty) + "/" + std::to_string(idx) + "/" + std::to_string(phones) +
           "/" + std::to_string(qs) + "/" + std::to_string(mails) + "/" + std::to_string(longs) + "/" +
           std::to_string(lens) + "/" + std::to_string(h);
}

}  // namespace

int main(int argc, char** argv) {
    int reps = argc > 1 ? std::atoi(argv[argc - 1]) : 1;
    if (reps < 1) reps = 1;
    auto start = std::chrono::steady_clock::now();
    std::string checksum;
    for (int i = 0; i < reps; ++i) {
        gSeed = 2024;
        checksum = runBench();
    }
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("checksum: %s\nelapsed: %.3f\n", checksum.c_str(), elapsed);
}

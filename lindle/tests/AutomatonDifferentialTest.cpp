#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "ScannerBuilding.h"

// Random scanners against a plain backtracking matcher written for the
// test: the same expressions, the same inputs, the same longest match,
// rule and token length, in byte mode, UTF-8 character mode and Unicode.
namespace lindle::testing {
namespace {

enum class Alphabet { Bytes, Utf8Characters, Units };

// An expression as the test knows it: over symbols, which are bytes, code
// points or UTF-16 code units as the alphabet says.
struct Regex {
    enum class Kind { Symbol, String, Class, Dot, Concat, Alt, Star, Plus, Option, Repeat };
    Kind kind = Kind::Symbol;
    std::vector<std::uint32_t> symbols; // Symbol (one), String, Class members
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges; // Class
    bool negated = false;
    std::vector<Regex> children;
    int least = 0;
    int most = 0; // -1 unbounded
};

struct AlphabetTraits {
    std::vector<std::uint32_t> pool;   // what expressions use
    std::vector<std::uint32_t> others; // what only inputs use
    CharacterSet universe;
    const char* directive; // written before the rules
    bool unicode;
};

AlphabetTraits traitsOf(Alphabet alphabet)
{
    switch (alphabet) {
    case Alphabet::Bytes:
        return {{'a', 'b', 'c', '\n', 0xC3, 0xA9}, {'z', 0x7F, 0xFF, 0}, CharacterSet::range(0, 0xFF), "", false};
    case Alphabet::Utf8Characters:
        return {{'a', 'b', 0xE9, 0x20AC, 0x1F600, '\n'},
                {'z', 0xE8, 0x10FFFF, 0x800},
                CharacterSet{{0, 0xD7FF}, {0xE000, 0x10FFFF}},
                "%char\n",
                false};
    case Alphabet::Units:
        return {{'a', 'b', 0xE9, 0x4E2D, '\n'}, {'z', 0xFFFF, 0xD800, 0x100}, CharacterSet::range(0, 0xFFFF), "", true};
    }
    return {};
}

std::string utf8(std::uint32_t point)
{
    std::string out;
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | point >> 6);
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | point >> 12);
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | point >> 18);
        out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
    return out;
}

class Generator {
public:
    Generator(Alphabet alphabet, unsigned seed) : alphabet_(alphabet), traits_(traitsOf(alphabet)), random_(seed) {}

    Regex expression(int depth)
    {
        const int choice = pick(depth <= 0 ? 4 : 10);
        Regex regex;
        switch (choice) {
        case 0: case 1: regex.kind = Regex::Kind::Symbol; regex.symbols = {symbol()}; return regex;
        case 2: {
            regex.kind = Regex::Kind::String;
            const int length = pick(3);
            for (int i = 0; i < length; ++i)
                regex.symbols.push_back(symbol());
            // A character beyond U+FFFF is two code units in a Unicode scanner.
            if (alphabet_ == Alphabet::Units && pick(4) == 0)
                regex.symbols.insert(regex.symbols.end(), {0xD83D, 0xDE00});
            return regex;
        }
        case 3: return characterClass();
        case 4: regex.kind = Regex::Kind::Concat; break;
        case 5: regex.kind = Regex::Kind::Alt; break;
        case 6: regex.kind = Regex::Kind::Star; break;
        case 7: regex.kind = Regex::Kind::Plus; break;
        case 8: regex.kind = pick(3) == 0 ? Regex::Kind::Dot : Regex::Kind::Option; break;
        default:
            regex.kind = Regex::Kind::Repeat;
            regex.least = pick(3);
            regex.most = pick(4) == 0 ? -1 : regex.least + pick(3);
            break;
        }
        if (regex.kind == Regex::Kind::Dot)
            return regex;
        const int arity = regex.kind == Regex::Kind::Concat || regex.kind == Regex::Kind::Alt ? 2 + pick(2) : 1;
        for (int i = 0; i < arity; ++i)
            regex.children.push_back(expression(depth - 1));
        return regex;
    }

    std::vector<std::uint32_t> input()
    {
        std::vector<std::uint32_t> symbols;
        const int length = pick(9);
        for (int i = 0; i < length; ++i)
            symbols.push_back(pick(8) == 0 ? traits_.others[static_cast<std::size_t>(pick(static_cast<int>(traits_.others.size())))]
                                           : symbol());
        return symbols;
    }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

private:
    std::uint32_t symbol() { return traits_.pool[static_cast<std::size_t>(pick(static_cast<int>(traits_.pool.size())))]; }

    Regex characterClass()
    {
        Regex regex;
        regex.kind = Regex::Kind::Class;
        const int members = 1 + pick(3);
        for (int i = 0; i < members; ++i)
            regex.symbols.push_back(symbol());
        if (pick(3) == 0) {
            std::uint32_t from = symbol();
            std::uint32_t to = symbol();
            if (from > to)
                std::swap(from, to);
            regex.ranges.emplace_back(from, to);
        }
        regex.negated = pick(5) == 0;
        return regex;
    }

    Alphabet alphabet_;
    AlphabetTraits traits_;
    std::mt19937 random_;
};

// Writes an expression in lex notation.
class Printer {
public:
    explicit Printer(Alphabet alphabet) : alphabet_(alphabet) {}

    std::string print(const Regex& regex) const
    {
        switch (regex.kind) {
        case Regex::Kind::Symbol: return symbol(regex.symbols[0]);
        case Regex::Kind::String: {
            std::string out = "\"";
            for (std::size_t i = 0; i < regex.symbols.size(); ++i) {
                if (regex.symbols[i] == 0xD83D && i + 1 < regex.symbols.size()) {
                    out += utf8(0x1F600);
                    ++i;
                } else {
                    out += symbol(regex.symbols[i]);
                }
            }
            return out + "\"";
        }
        case Regex::Kind::Class: {
            std::string out = regex.negated ? "[^" : "[";
            for (std::uint32_t member : regex.symbols)
                out += symbol(member);
            for (const auto& [from, to] : regex.ranges)
                out += symbol(from) + "-" + symbol(to);
            return out + "]";
        }
        case Regex::Kind::Dot: return ".";
        case Regex::Kind::Concat: {
            std::string out;
            for (const Regex& child : regex.children)
                out += child.kind == Regex::Kind::Alt ? "(" + print(child) + ")" : print(child);
            return out;
        }
        case Regex::Kind::Alt: {
            std::string out;
            for (const Regex& child : regex.children)
                out += (out.empty() ? "" : "|") + print(child);
            return out;
        }
        case Regex::Kind::Star: return grouped(regex.children[0]) + "*";
        case Regex::Kind::Plus: return grouped(regex.children[0]) + "+";
        case Regex::Kind::Option: return grouped(regex.children[0]) + "?";
        case Regex::Kind::Repeat:
            return grouped(regex.children[0]) + "{" + std::to_string(regex.least) +
                   (regex.most < 0 ? "," : regex.most == regex.least ? "" : "," + std::to_string(regex.most)) + "}";
        }
        return "";
    }

private:
    std::string grouped(const Regex& regex) const
    {
        const bool atomic = regex.kind == Regex::Kind::Symbol || regex.kind == Regex::Kind::String ||
                            regex.kind == Regex::Kind::Class || regex.kind == Regex::Kind::Dot;
        return atomic ? print(regex) : "(" + print(regex) + ")";
    }

    std::string symbol(std::uint32_t value) const
    {
        if (value == '\n')
            return "\\n";
        if (value < 0x80)
            return std::string(1, static_cast<char>(value));
        if (alphabet_ == Alphabet::Bytes) {
            // Octal: a hexadecimal escape would swallow a following 'a' or 'b'.
            const char digits[] = {'\\', static_cast<char>('0' + (value >> 6)), static_cast<char>('0' + (value >> 3 & 7)),
                                   static_cast<char>('0' + (value & 7)), 0};
            return digits;
        }
        return utf8(value);
    }

    Alphabet alphabet_;
};

// The positions where the expression can end, starting from any of `from`.
class BacktrackingMatcher {
public:
    BacktrackingMatcher(const std::vector<std::uint32_t>& input, const CharacterSet& universe)
        : input_(input), universe_(universe)
    {
    }

    using Reach = std::vector<char>;

    Reach start() const
    {
        Reach reach(input_.size() + 1, 0);
        reach[0] = 1;
        return reach;
    }

    Reach step(const Regex& regex, const Reach& from) const
    {
        Reach to(from.size(), 0);
        switch (regex.kind) {
        case Regex::Kind::Symbol:
        case Regex::Kind::Class:
        case Regex::Kind::Dot:
            for (std::size_t p = 0; p < input_.size(); ++p)
                if (from[p] && takes(regex, input_[p]))
                    to[p + 1] = 1;
            return to;
        case Regex::Kind::String: {
            Reach reach = from;
            for (std::uint32_t symbol : regex.symbols) {
                Regex one;
                one.symbols = {symbol};
                reach = step(one, reach);
            }
            return reach;
        }
        case Regex::Kind::Concat: {
            Reach reach = from;
            for (const Regex& child : regex.children)
                reach = step(child, reach);
            return reach;
        }
        case Regex::Kind::Alt:
            for (const Regex& child : regex.children)
                unite(to, step(child, from));
            return to;
        case Regex::Kind::Star: return closure(regex.children[0], from);
        case Regex::Kind::Plus: return closure(regex.children[0], step(regex.children[0], from));
        case Regex::Kind::Option: to = from; unite(to, step(regex.children[0], from)); return to;
        case Regex::Kind::Repeat: {
            Reach reach = from;
            for (int i = 0; i < regex.least; ++i)
                reach = step(regex.children[0], reach);
            if (regex.most < 0)
                return closure(regex.children[0], reach);
            for (int i = regex.least; i < regex.most; ++i) {
                Reach more = reach;
                unite(more, step(regex.children[0], reach));
                reach = more;
            }
            return reach;
        }
        }
        return to;
    }

private:
    static void unite(Reach& into, const Reach& other)
    {
        for (std::size_t p = 0; p < into.size(); ++p)
            into[p] = into[p] || other[p];
    }

    Reach closure(const Regex& regex, const Reach& from) const
    {
        Reach reach = from;
        for (;;) {
            Reach more = reach;
            unite(more, step(regex, reach));
            if (more == reach)
                return reach;
            reach = more;
        }
    }

    bool takes(const Regex& regex, std::uint32_t symbol) const
    {
        if (regex.kind == Regex::Kind::Dot)
            return symbol != '\n' && universe_.contains(symbol);
        bool member = std::find(regex.symbols.begin(), regex.symbols.end(), symbol) != regex.symbols.end();
        for (const auto& [from, to] : regex.ranges)
            member = member || (symbol >= from && symbol <= to);
        if (regex.kind == Regex::Kind::Symbol)
            return member;
        return regex.negated ? !member && universe_.contains(symbol) : member;
    }

    const std::vector<std::uint32_t>& input_;
    const CharacterSet& universe_;
};

struct TestRule {
    Regex head;
    bool headEmpty = false;
    std::optional<Regex> context;
};

// What the scanner should do: every (rule, length, token length) it can
// take, longest first, in rule order within one length.
std::vector<DfaMatch> expectedCandidates(const std::vector<TestRule>& rules, const std::vector<std::uint32_t>& input,
                                         const CharacterSet& universe)
{
    BacktrackingMatcher matcher(input, universe);
    std::vector<DfaMatch> found;
    for (std::size_t length = input.size(); length >= 1; --length) {
        for (std::size_t r = 0; r < rules.size(); ++r) {
            const TestRule& rule = rules[r];
            const BacktrackingMatcher::Reach head = rule.headEmpty ? matcher.start() : matcher.step(rule.head, matcher.start());
            const BacktrackingMatcher::Reach ends = rule.context ? matcher.step(*rule.context, head) : head;
            if (!ends[length])
                continue;
            std::size_t token = length;
            if (rule.context) {
                token = 0;
                for (std::size_t i = 0; i <= length; ++i)
                    if (head[i])
                        token = i;
            }
            found.push_back({static_cast<int>(r + 1), length, token});
        }
    }
    return found;
}

// The automaton's input for a string of symbols: UTF-8 character mode
// reads bytes; positions are given back in symbols.
struct Encoded {
    std::vector<std::uint32_t> values;
    std::vector<std::size_t> symbolAt; // by value offset, the symbol count before it; -1 inside a symbol
};

Encoded encode(Alphabet alphabet, const std::vector<std::uint32_t>& symbols)
{
    Encoded encoded;
    for (std::uint32_t symbol : symbols) {
        if (alphabet == Alphabet::Utf8Characters)
            for (char byte : utf8(symbol))
                encoded.values.push_back(static_cast<unsigned char>(byte));
        else
            encoded.values.push_back(symbol);
    }
    // The symbol count at each symbol boundary.
    encoded.symbolAt.assign(encoded.values.size() + 1, static_cast<std::size_t>(-1));
    std::size_t offset = 0;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        encoded.symbolAt[offset] = i;
        offset += alphabet == Alphabet::Utf8Characters ? utf8(symbols[i]).size() : 1;
    }
    encoded.symbolAt[offset] = symbols.size();
    return encoded;
}

DfaMatch inSymbols(const Encoded& encoded, DfaMatch match)
{
    match.length = encoded.symbolAt[match.length];
    match.tokenLength = encoded.symbolAt[match.tokenLength];
    return match;
}


// The groups of the repeated passes that minimisation stands for: states
// with equal accepts, marks and boundaries, split until each group's
// members move into the same groups on every range.
std::size_t groupsOfRepeatedPasses(const Dfa& dfa)
{
    std::vector<int> group(dfa.states.size());
    using Key = std::tuple<std::vector<int>, std::vector<int>, std::vector<std::pair<std::uint32_t, std::uint32_t>>,
                           std::vector<int>>;
    std::size_t groups = 0;
    for (bool first = true;; first = false) {
        std::map<Key, int> numbering;
        std::vector<int> next(dfa.states.size());
        for (std::size_t s = 0; s < dfa.states.size(); ++s) {
            const DfaState& state = dfa.states[s];
            Key key{state.accepts, state.marks, {}, {}};
            for (const DfaTransition& t : state.transitions) {
                std::get<2>(key).emplace_back(t.first, t.last);
                std::get<3>(key).push_back(first ? 0 : group[static_cast<std::size_t>(t.target)]);
            }
            if (!first)
                std::get<3>(key).push_back(group[s]);
            next[s] = numbering.emplace(key, static_cast<int>(numbering.size())).first->second;
        }
        group = next;
        if (numbering.size() == groups)
            return groups;
        groups = numbering.size();
    }
}

// Whether two automata take the same paths from each pair of start
// entries: equal accepts and marks, equal boundaries, paired targets.
bool sameLanguage(const Dfa& a, const Dfa& b)
{
    if (a.startEntries.size() != b.startEntries.size())
        return false;
    std::set<std::pair<int, int>> seen;
    std::vector<std::pair<int, int>> pending;
    for (std::size_t e = 0; e < a.startEntries.size(); ++e) {
        if ((a.startEntries[e] < 0) != (b.startEntries[e] < 0))
            return false;
        if (a.startEntries[e] >= 0)
            pending.emplace_back(a.startEntries[e], b.startEntries[e]);
    }
    while (!pending.empty()) {
        const auto pair = pending.back();
        pending.pop_back();
        if (!seen.insert(pair).second)
            continue;
        const DfaState& x = a.states[static_cast<std::size_t>(pair.first)];
        const DfaState& y = b.states[static_cast<std::size_t>(pair.second)];
        if (x.accepts != y.accepts || x.marks != y.marks || x.transitions.size() != y.transitions.size())
            return false;
        for (std::size_t t = 0; t < x.transitions.size(); ++t) {
            if (x.transitions[t].first != y.transitions[t].first || x.transitions[t].last != y.transitions[t].last)
                return false;
            pending.emplace_back(x.transitions[t].target, y.transitions[t].target);
        }
    }
    return true;
}

void checkRandomScanners(Alphabet alphabet, unsigned seed, int scanners)
{
    const AlphabetTraits traits = traitsOf(alphabet);
    Generator generator(alphabet, seed);
    const Printer printer(alphabet);
    for (int scanner = 0; scanner < scanners; ++scanner) {
        std::vector<TestRule> rules(static_cast<std::size_t>(1 + generator.pick(4)));
        std::string source = "%%\n" + std::string(traits.directive);
        for (TestRule& rule : rules) {
            rule.head = generator.expression(3);
            if (generator.pick(5) == 0) {
                rule.context = generator.expression(2);
                rule.headEmpty = generator.pick(4) == 0;
            }
            const std::string head = rule.headEmpty ? "" : printer.print(rule.head);
            source += head + (rule.context ? "/" + printer.print(*rule.context) : "") + "\t;\n";
        }
        ToolOptions options;
        options.unicode = traits.unicode;
        options.fullReject = generator.pick(3) == 0;
        const BuiltScanner built = buildScanner(source, options);
        ASSERT_EQ(built.errors, 0) << source << built.diagnostics;
        // Minimisation both ways: nothing that the construction told
        // apart is lost, and nothing equivalent is left.
        ASSERT_TRUE(sameLanguage(built.dfa, built.unminimised)) << source;
        ASSERT_EQ(built.dfa.states.size(), groupsOfRepeatedPasses(built.unminimised)) << source;
        ASSERT_EQ(groupsOfRepeatedPasses(built.dfa), built.dfa.states.size()) << source;
        const DfaMatcher matcher = built.matcher();
        const DfaMatcher unminimised = built.unminimisedMatcher();
        for (int attempt = 0; attempt < 25; ++attempt) {
            const std::vector<std::uint32_t> input = generator.input();
            const Encoded encoded = encode(alphabet, input);
            const std::vector<DfaMatch> expected = expectedCandidates(rules, input, traits.universe);
            std::vector<DfaMatch> actual;
            if (options.fullReject) {
                for (const DfaMatch& match : matcher.candidates(encoded.values, 0, false))
                    actual.push_back(inSymbols(encoded, match));
                ASSERT_EQ(actual, expected) << source << "input of " << input.size() << " symbols, -r";
            } else {
                const DfaMatch match = matcher.match(encoded.values, 0, false);
                const DfaMatch best = expected.empty() ? DfaMatch{} : expected.front();
                ASSERT_EQ(match.rule == 0 ? match : inSymbols(encoded, match), best)
                    << source << "input of " << input.size() << " symbols";
            }
            ASSERT_EQ(matcher.candidates(encoded.values, 0, false), unminimised.candidates(encoded.values, 0, false))
                << source;
        }
    }
}

// Larger automata than the random ones: real scanners and a keyword list.
TEST(AutomatonDifferential, MinimisationOfRealScannersMatchesTheRepeatedPasses)
{
    std::vector<std::string> sources;
    for (const char* name : {"clexer.l", "pascal.l", "wordcount.l"}) {
        std::FILE* file = std::fopen((std::string(SCANNERS_DIR) + "/" + name).c_str(), "r");
        ASSERT_NE(file, nullptr) << name;
        std::string text;
        for (int c; (c = std::fgetc(file)) != EOF;)
            text += static_cast<char>(c);
        std::fclose(file);
        sources.push_back(text);
    }
    std::string keywords = "%%\n";
    std::mt19937 random(5);
    for (int i = 0; i < 400; ++i) {
        std::string word;
        for (int length = 2 + static_cast<int>(random() % 6); length > 0; --length)
            word += static_cast<char>('a' + random() % 6);
        keywords += "\"" + word + "\"\t;\n";
    }
    sources.push_back(keywords + "[a-f]+\t;\n[a-f]+x\t;\n");
    for (const std::string& source : sources) {
        const BuiltScanner built = buildScanner(source);
        ASSERT_EQ(built.errors, 0) << built.diagnostics;
        EXPECT_GT(built.dfa.states.size(), 3u);
        EXPECT_TRUE(sameLanguage(built.dfa, built.unminimised));
        EXPECT_EQ(built.dfa.states.size(), groupsOfRepeatedPasses(built.unminimised));
        EXPECT_EQ(groupsOfRepeatedPasses(built.dfa), built.dfa.states.size());
    }
}

TEST(AutomatonDifferential, ByteMode) { checkRandomScanners(Alphabet::Bytes, 1, 700); }
TEST(AutomatonDifferential, Utf8CharacterMode) { checkRandomScanners(Alphabet::Utf8Characters, 2, 700); }
TEST(AutomatonDifferential, Unicode) { checkRandomScanners(Alphabet::Units, 3, 700); }

} // namespace
} // namespace lindle::testing

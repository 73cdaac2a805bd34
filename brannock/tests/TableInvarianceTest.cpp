#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <deque>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "brannock/tests/ProgramRunning.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::testing::ProcessResult;
using toolframe::testing::ProcessSetup;
using toolframe::testing::runProcess;
using toolframe::testing::TemporaryDirectory;
using brannock::testing::quoted;
using brannock::testing::shell;

// The table switches only choose how the same automaton is packed, so a
// parser built with any of them must accept exactly the same strings and,
// for the strings it accepts without an error, reduce by the same rules in
// the same order. Default reductions may move the point where an error is
// noticed, which is why reductions of erroneous strings are not compared.
// bison serves as an independent oracle for the same grammars.
namespace {

struct TestGrammar {
    const char* name;
    const char* declarations;
    // One alternative a line, "lhs : symbols [%prec X]"; every line becomes
    // a rule of its own whose action prints its position.
    const char* rules;
    // Whether bison's reductions must equal ours: true when the grammar's
    // conflicts (if any) are settled the same way by every yacc.
    bool compareReductionsWithBison;
};

const std::vector<TestGrammar> kGrammars = {
    {"expr",
     "%token NUMBER VARIABLE EQ NE LE GE OR AND NL\n"
     "%right '='\n%left OR\n%left AND\n%nonassoc EQ NE '<' '>' LE GE\n"
     "%left '+' '-'\n%left '*' '/' '%'\n%right UMINUS '!'\n%right '^'\n%start session\n",
     "session :\n"
     "session : session line\n"
     "line : NL\n"
     "line : expr NL\n"
     "line : error NL\n"
     "expr : NUMBER\n"
     "expr : VARIABLE\n"
     "expr : VARIABLE '=' expr\n"
     "expr : expr OR expr\n"
     "expr : expr AND expr\n"
     "expr : expr EQ expr\n"
     "expr : expr NE expr\n"
     "expr : expr '<' expr\n"
     "expr : expr '>' expr\n"
     "expr : expr LE expr\n"
     "expr : expr GE expr\n"
     "expr : expr '+' expr\n"
     "expr : expr '-' expr\n"
     "expr : expr '*' expr\n"
     "expr : expr '/' expr\n"
     "expr : expr '%' expr\n"
     "expr : expr '^' expr\n"
     "expr : '-' expr %prec UMINUS\n"
     "expr : '!' expr\n"
     "expr : '(' expr ')'\n",
     true},
    {"calc_errors",
     "%token NUMBER VARIABLE PRINT NL\n%start input\n",
     "input :\n"
     "input : input line\n"
     "line : NL\n"
     "line : statement NL\n"
     "line : '{' statements '}' NL\n"
     "line : error NL\n"
     "statements :\n"
     "statements : statements statement ';'\n"
     "statements : statements error ';'\n"
     "statement : VARIABLE '=' expression\n"
     "statement : PRINT expression\n"
     "expression : term\n"
     "expression : expression '+' term\n"
     "expression : expression '-' term\n"
     "term : factor\n"
     "term : term '*' factor\n"
     "term : term '/' factor\n"
     "factor : NUMBER\n"
     "factor : VARIABLE\n"
     "factor : '(' expression ')'\n"
     "factor : '(' error ')'\n"
     "factor : '-' factor\n",
     true},
    {"json",
     "%token STRING NUMBER TRUE FALSE NULL_\n%start text\n",
     "text : value\n"
     "value : object\n"
     "value : array\n"
     "value : STRING\n"
     "value : NUMBER\n"
     "value : TRUE\n"
     "value : FALSE\n"
     "value : NULL_\n"
     "object : '{' '}'\n"
     "object : '{' members '}'\n"
     "members : pair\n"
     "members : members ',' pair\n"
     "pair : STRING ':' value\n"
     "array : '[' ']'\n"
     "array : '[' elements ']'\n"
     "elements : value\n"
     "elements : elements ',' value\n",
     true},
    {"lisp",
     "%token SYMBOL STRING NUMBER\n%start program\n",
     "program :\n"
     "program : program datum\n"
     "datum : atom\n"
     "datum : list\n"
     "datum : vector\n"
     "datum : '\\'' datum\n"
     "datum : '`' datum\n"
     "datum : ',' datum\n"
     "datum : ',' '@' datum\n"
     "list : '(' ')'\n"
     "list : '(' sequence ')'\n"
     "list : '(' sequence '.' datum ')'\n"
     "vector : '#' '(' ')'\n"
     "vector : '#' '(' sequence ')'\n"
     "sequence : datum\n"
     "sequence : sequence datum\n"
     "atom : SYMBOL\n"
     "atom : STRING\n"
     "atom : NUMBER\n",
     true},
    {"dangling_else",
     "%token IF THEN ELSE ID OTHER\n%start statement\n",
     "statement : IF expression THEN statement\n"
     "statement : IF expression THEN statement ELSE statement\n"
     "statement : OTHER\n"
     "expression : ID\n",
     true},
    // Error tokens in the middle of rules, empty rules reached through
    // chains of single-symbol rules, and a nonassociative level: the
    // places where the default action and goto states pay off most.
    {"statements",
     "%token ID NUM IF ELSE WHILE RETURN\n%nonassoc LOWER\n%nonassoc ELSE\n"
     "%left '+' '-'\n%left '*'\n%nonassoc '<'\n%start block\n",
     "block : '{' list '}'\n"
     "list :\n"
     "list : list stmt\n"
     "list : list error ';'\n"
     "stmt : ';'\n"
     "stmt : e ';'\n"
     "stmt : RETURN opt ';'\n"
     "stmt : IF '(' e ')' stmt %prec LOWER\n"
     "stmt : IF '(' e ')' stmt ELSE stmt\n"
     "stmt : WHILE '(' e ')' stmt\n"
     "stmt : block\n"
     "stmt : '(' error ')' ';'\n"
     "opt :\n"
     "opt : e\n"
     "e : e '+' e\n"
     "e : e '-' e\n"
     "e : e '*' e\n"
     "e : e '<' e\n"
     "e : p\n"
     "p : ID\n"
     "p : NUM\n"
     "p : ID '(' args ')'\n"
     "p : '(' e ')'\n"
     "args :\n"
     "args : e\n"
     "args : args ',' e\n",
     true},
};

struct SwitchSet {
    std::vector<std::string> switches;
    // Switches that take default reductions away, or change the automaton,
    // may find an error while the stack still holds states that the
    // default tables would have reduced away; recovery then resumes from
    // another stack and may end differently. Only strings parsed without
    // an error must then agree.
    bool movesErrorDetection;
};

// Every combination must behave as the default tables do.
const std::vector<SwitchSet> kSwitchSets = {
    {{"-Rn"}, true}, {{"-Ro"}, true}, {{"-Re"}, true}, {{"-Rf"}, true}, {{"-Rd"}, false},
    {{"-N"}, true}, {{"-S"}, false}, {{"-E"}, false}, {{"-G"}, false}, {{"-I"}, false},
    {{"-L:1"}, false}, {{"-M:1"}, false}, {{"-S", "-G", "-Rn"}, true}, {{"-L:1", "-G", "-N"}, true},
    {{"-S", "-E", "-I", "-G", "-L:1", "-M:1"}, false}, {{"-pc"}, true},
};

// The compact form, alone and with the switches that change most.
const std::vector<SwitchSet> kCompactSwitchSets = {
    {{"-s"}, false}, {{"-s", "-Rn"}, true}, {{"-s", "-S", "-E", "-I"}, false},
    {{"-s", "-Ro", "-N"}, true}, {{"-pc", "-s", "-Rn"}, true},
};

struct Rule {
    std::string lhs;
    std::vector<std::string> rhs;
    std::string text;
};

struct Model {
    std::vector<Rule> rules;
    std::set<std::string> nonterminals;
    std::vector<std::string> terminals;  // every terminal but error
    std::vector<std::string> namedTerminals;
    std::string start;
};

bool isLiteral(const std::string& symbol)
{
    return !symbol.empty() && symbol.front() == '\'';
}

// The character a literal stands for; only the escapes the grammars use.
char literalChar(const std::string& symbol)
{
    return symbol[1] == '\\' ? symbol[2] : symbol[1];
}

Model modelOf(const TestGrammar& grammar)
{
    Model model;
    std::istringstream lines(grammar.rules);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        Rule rule;
        std::string colon;
        words >> rule.lhs >> colon;
        rule.text = line.substr(line.find(':') + 1);
        std::string word;
        while (words >> word) {
            if (word == "%prec") {
                words >> word;
                continue;
            }
            rule.rhs.push_back(word);
        }
        model.nonterminals.insert(rule.lhs);
        model.rules.push_back(rule);
    }
    std::istringstream declarations(grammar.declarations);
    while (std::getline(declarations, line)) {
        if (line.rfind("%start ", 0) == 0)
            model.start = line.substr(7);
    }
    std::set<std::string> seen;
    for (const Rule& rule : model.rules) {
        for (const std::string& symbol : rule.rhs) {
            if (model.nonterminals.count(symbol) || symbol == "error" || !seen.insert(symbol).second)
                continue;
            model.terminals.push_back(symbol);
            if (!isLiteral(symbol))
                model.namedTerminals.push_back(symbol);
        }
    }
    return model;
}

// The grammar with a printing action on every rule and the driver appended
// in its last section, valid input for brannock and bison alike.
std::string grammarText(const TestGrammar& grammar, const Model& model)
{
    std::string text = "%{\n#include <stdio.h>\nint yylex(void);\nvoid yyerror(const char *message);\n"
                       "static void reduced(int rule);\n%}\n";
    text += grammar.declarations;
    text += "%%\n";
    for (size_t i = 0; i < model.rules.size(); ++i)
        text += model.rules[i].lhs + " :" + model.rules[i].text + " { reduced(" + std::to_string(i) + "); } ;\n";
    text += "%%\nstatic const struct { const char *name; int token; } names[] = {\n";
    for (const std::string& name : model.namedTerminals)
        text += "\t{ \"" + name + "\", " + name + " },\n";
    text += "\t{ 0, 0 }\n};\n#include \"driver.h\"\n";
    return text;
}

// The same grammar for the C++ and Java targets: the class is named first
// (Java requires it before the token declarations) and its members reach
// the driver's token source and error count.
std::string rulesText(const Model& model)
{
    std::string text;
    for (size_t i = 0; i < model.rules.size(); ++i)
        text += model.rules[i].lhs + " :" + model.rules[i].text + " { reduced(" + std::to_string(i) + "); } ;\n";
    return text;
}

std::string cppGrammarText(const TestGrammar& grammar, const Model& model)
{
    std::string text = "%{\n#include <stdio.h>\nint yylex(void);\nvoid yyerror(const char *message);\n"
                       "static void reduced(int rule);\n%}\n"
                       "%name P\n{\n\tvirtual int yygettoken() { return yylex(); }\n"
                       "\tvirtual void yyerror(const char *message) { ::yyerror(message); }\n}\n";
    text += grammar.declarations;
    text += "%%\n" + rulesText(model);
    text += "%%\nstatic const struct { const char *name; int token; } names[] = {\n";
    for (const std::string& name : model.namedTerminals)
        text += "\t{ \"" + name + "\", " + name + " },\n";
    text += "\t{ 0, 0 }\n};\nstatic int yyparse()\n{\n\tstatic P parser;\n\treturn parser.yyparse();\n}\n"
            "#include \"driver.h\"\n";
    return text;
}

// The Java driver does what the C one does, line by line. The class builds
// its debugging tables and arrays too, so that they compile wherever the
// rest does.
std::string javaGrammarText(const TestGrammar& grammar, const Model& model)
{
    std::string text = "%name P\n{\n\tstatic final boolean YYDEBUG = true;\n}\n%union {\n}\n";
    text += grammar.declarations;
    text += "%%\n" + rulesText(model);
    text += "%%\n\tprivate static final String NAMES[] = {";
    for (const std::string& name : model.namedTerminals)
        text += " \"" + name + "\",";
    text += " };\n\tprivate static final int TOKENS[] = {";
    for (const std::string& name : model.namedTerminals)
        text += " " + name + ",";
    text += R"( };
	private static StringBuilder reductions;
	private static int errors;
	private String words[];
	private int next;

	private static void reduced(int rule) {
		reductions.append(' ').append(rule);
	}

	public int yygettoken() {
		if (next >= words.length)
			return 0;
		String word = words[next++];
		for (int i = 0; i < NAMES.length; i++)
			if (NAMES[i].equals(word))
				return TOKENS[i];
		return word.length() == 1 ? word.charAt(0) : '?';
	}

	public void yyerror(String message) {
		errors++;
	}

	public static void main(String args[]) throws java.io.IOException {
		java.io.BufferedReader in = new java.io.BufferedReader(new java.io.InputStreamReader(System.in));
		P parser = new P();
		StringBuilder out = new StringBuilder();
		for (String line; (line = in.readLine()) != null;) {
			String trimmed = line.trim();
			parser.words = trimmed.isEmpty() ? new String[0] : trimmed.split(" +");
			parser.next = 0;
			reductions = new StringBuilder();
			errors = 0;
			int result = parser.yyparse();
			out.append(result).append(' ').append(errors).append('|').append(reductions).append('\n');
		}
		System.out.print(out);
	}
}
)";
    return text;
}

// One parse per input line; prints "result errors|reductions" for each.
const char* const kDriver = R"(#include <stdlib.h>
#include <string.h>

static char line[1 << 16];
static const char *position;
static char reductions[1 << 16];
static size_t used;
static int errors;

static void reduced(int rule)
{
	if (used + 16 < sizeof reductions)
		used += (size_t) sprintf(reductions + used, " %d", rule);
}

int yylex(void)
{
	const char *start;
	size_t length;
	int i;
	while (*position == ' ')
		position++;
	if (*position == '\0')
		return 0;
	start = position;
	while (*position != ' ' && *position != '\0')
		position++;
	length = (size_t) (position - start);
	for (i = 0; names[i].name != 0; i++)
		if (strlen(names[i].name) == length && strncmp(names[i].name, start, length) == 0)
			return names[i].token;
	return length == 1 ? (unsigned char) *start : '?';
}

void yyerror(const char *message)
{
	(void) message;
	errors++;
}

int main(void)
{
	while (fgets(line, sizeof line, stdin) != NULL) {
		int result;
		line[strcspn(line, "\n")] = '\0';
		position = line;
		used = 0;
		reductions[0] = '\0';
		errors = 0;
		result = yyparse();
		printf("%d %d|%s\n", result, errors, reductions);
	}
	return 0;
}
)";

class SentenceMaker {
public:
    explicit SentenceMaker(const Model& model) : model_(model)
    {
        // A grammar of thousands of rules makes sentences too slowly when
        // each step looks through all of them.
        for (const Rule& rule : model.rules)
            rulesOf_[rule.lhs].push_back(&rule);
        for (const std::string& n : model.nonterminals)
            height_[n] = INT_MAX / 2;
        // The least derivation depth of each nonterminal, so that deep
        // derivations can be closed off by the shortest way out.
        for (bool changed = true; changed;) {
            changed = false;
            for (const Rule& rule : model.rules) {
                int h = 1;
                for (const std::string& s : rule.rhs)
                    if (model.nonterminals.count(s))
                        h = std::max(h, height_[s] + 1);
                if (h < height_[rule.lhs]) {
                    height_[rule.lhs] = h;
                    changed = true;
                }
            }
        }
    }

    std::vector<std::string> sentence(std::mt19937& random, int depthLimit)
    {
        std::vector<std::string> out;
        expand(model_.start, 0, depthLimit, random, out);
        return out;
    }

private:
    int ruleHeight(const Rule& rule) const
    {
        int h = 1;
        for (const std::string& s : rule.rhs)
            if (model_.nonterminals.count(s))
                h = std::max(h, height_.at(s) + 1);
        return h;
    }

    void expand(const std::string& symbol, int depth, int depthLimit, std::mt19937& random,
                std::vector<std::string>& out)
    {
        if (!model_.nonterminals.count(symbol)) {
            if (symbol != "error")
                out.push_back(symbol);
            return;
        }
        std::vector<const Rule*> choices;
        for (const Rule* rule : rulesOf_.at(symbol)) {
            // error stands for tokens nobody can predict; sentences keep to
            // the language proper.
            if (std::find(rule->rhs.begin(), rule->rhs.end(), "error") != rule->rhs.end())
                continue;
            choices.push_back(rule);
        }
        if (depth >= depthLimit || out.size() > 60) {
            int best = INT_MAX;
            for (const Rule* rule : choices)
                best = std::min(best, ruleHeight(*rule));
            choices.erase(std::remove_if(choices.begin(), choices.end(),
                                         [&](const Rule* rule) { return ruleHeight(*rule) != best; }),
                          choices.end());
        }
        const Rule& rule = *choices[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(random)];
        for (const std::string& s : rule.rhs)
            expand(s, depth + 1, depthLimit, random, out);
    }

    const Model& model_;
    std::map<std::string, std::vector<const Rule*>> rulesOf_;
    std::map<std::string, int> height_;
};

std::string inputWord(const std::string& terminal)
{
    return isLiteral(terminal) ? std::string(1, literalChar(terminal)) : terminal;
}

// Sentences, sentences with one token deleted, inserted or replaced, and
// random token strings: the first must be accepted, the others exercise
// every way of detecting and recovering from an error.
std::string inputFor(const Model& model)
{
    std::mt19937 random(20261208);
    SentenceMaker maker(model);
    std::vector<std::vector<std::string>> strings;
    auto anyTerminal = [&]() {
        return model.terminals[std::uniform_int_distribution<size_t>(0, model.terminals.size() - 1)(random)];
    };
    for (int i = 0; i < 1500; ++i)
        strings.push_back(maker.sentence(random, 2 + i % 9));
    for (int i = 0; i < 1500; ++i) {
        std::vector<std::string> s = maker.sentence(random, 2 + i % 7);
        const size_t at = std::uniform_int_distribution<size_t>(0, s.size())(random);
        switch (i % 3) {
        case 0:
            if (at < s.size())
                s.erase(s.begin() + static_cast<long>(at));
            break;
        case 1:
            s.insert(s.begin() + static_cast<long>(at), anyTerminal());
            break;
        default:
            if (at < s.size())
                s[at] = anyTerminal();
            break;
        }
        strings.push_back(s);
    }
    for (int i = 0; i < 1000; ++i) {
        std::vector<std::string> s(std::uniform_int_distribution<size_t>(0, 12)(random));
        for (std::string& t : s)
            t = anyTerminal();
        strings.push_back(s);
    }
    std::string text;
    for (const auto& s : strings) {
        std::string line;
        for (const std::string& t : s)
            line += (line.empty() ? "" : " ") + inputWord(t);
        text += line + "\n";
    }
    return text;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}


// Compares a variant's results with the reference's; returns how many
// strings differ and reports the first few. A parse without a syntax error
// is membership of the language and has one right sequence of reductions;
// how many errors recovery reports, and what it reduces on the way, may
// differ.
int compare(const std::string& what, const std::vector<std::string>& reference,
            const std::vector<std::string>& variant, const std::vector<std::string>& input, bool reductionsToo,
            bool recoveredAcceptanceToo)
{
    if (reference.size() != variant.size()) {
        ADD_FAILURE() << what << ": " << variant.size() << " results for " << reference.size() << " strings";
        return 1;
    }
    int mismatches = 0;
    for (size_t i = 0; i < reference.size(); ++i) {
        const std::string& a = reference[i];
        const std::string& b = variant[i];
        const bool cleanA = a.rfind("0 0|", 0) == 0;
        const bool cleanB = b.rfind("0 0|", 0) == 0;
        bool differ = cleanA != cleanB;
        if (!differ && recoveredAcceptanceToo)
            differ = (a.rfind("0 ", 0) == 0) != (b.rfind("0 ", 0) == 0);
        if (!differ && reductionsToo && cleanA)
            differ = a != b;
        if (differ && ++mismatches <= 5)
            ADD_FAILURE() << what << " on \"" << input[i] << "\": got \"" << b << "\", expected \"" << a << "\"";
    }
    return mismatches;
}

// One grammar's parsers in a directory of their own, all fed the same
// strings.
class Workbench {
public:
    explicit Workbench(const TestGrammar& grammar) : model_(modelOf(grammar))
    {
        dir_.write("grammar.y", grammarText(grammar, model_));
        dir_.write("cppgrammar.y", cppGrammarText(grammar, model_));
        dir_.write("P.y", javaGrammarText(grammar, model_));
        dir_.write("driver.h", kDriver);
        const std::string input = inputFor(model_);
        dir_.write("input.txt", input);
        inputs_ = linesOf(input);
    }

    const std::vector<std::string>& inputs() const { return inputs_; }
    std::string file(const std::string& name) const { return dir_.read(name); }

    // The results of the brannock parser built with switches.
    std::vector<std::string> ours(const std::vector<std::string>& switches)
    {
        const std::string tag = "parser" + std::to_string(built_++);
        std::vector<std::string> arguments = {"grammar.y", "-$", "-o", tag + ".c"};
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        ProcessSetup setup;
        setup.workingDirectory = dir_.path();
        const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments, setup);
        EXPECT_EQ(generated.exitStatus, 0) << tag << "\n" << generated.out << generated.err;
        return run("gcc -Wall -O1 -I" + quoted(YL_INCLUDE_DIR) + " -I" + quoted(YL_COMMON_INCLUDE_DIR) + " " + tag + ".c " + quoted(YL_LIBRARY) + " -o " + tag +
                   " && ./" + tag + " < input.txt");
    }

    // The results of the C++ and the Java parser of the grammar.
    std::vector<std::string> cpp(const std::vector<std::string>& switches)
    {
        std::vector<std::string> arguments = {"cppgrammar.y", "-$", "-Tcpp", "-o", "cpp.cpp"};
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        ProcessSetup setup;
        setup.workingDirectory = dir_.path();
        const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments, setup);
        EXPECT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
        return run("g++ -Wall -O1 -I" + quoted(YL_INCLUDE_DIR) + " -I" + quoted(YL_COMMON_INCLUDE_DIR) + " cpp.cpp " + quoted(YL_LIBRARY) +
                   " -o cpp && ./cpp < input.txt");
    }

    std::vector<std::string> java(const std::vector<std::string>& switches)
    {
        std::vector<std::string> arguments = {"P.y", "-$", "-Tj"};
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        ProcessSetup setup;
        setup.workingDirectory = dir_.path();
        const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments, setup);
        EXPECT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
        return run("rm -rf classes && javac -Xlint:all -Werror -cp " + quoted(YL_JAR) +
                   " -d classes P.java && java -cp " + quoted(YL_JAR) + ":classes P < input.txt");
    }

    std::vector<std::string> bison()
    {
        return run("bison -y -Wnone -o bison.c grammar.y && gcc -O1 bison.c -o bison && ./bison < input.txt");
    }

private:
    std::vector<std::string> run(const std::string& command)
    {
        const ProcessResult ran = shell(command, dir_.path());
        EXPECT_EQ(ran.exitStatus, 0) << command << "\n" << ran.out << ran.err;
        return linesOf(ran.out);
    }

    Model model_;
    TemporaryDirectory dir_;
    std::vector<std::string> inputs_;
    int built_ = 0;
};

std::string nameOf(const std::vector<std::string>& switches)
{
    std::string name;
    for (const std::string& s : switches)
        name += (name.empty() ? "" : " ") + s;
    return name;
}

// Every switch set must parse the language of the reference switches.
// The sentences are derived from the rules alone; where a nonassociative
// operator (with the reference switches) rules out its chains, only some of
// them are in the language.
void checkSwitches(const TestGrammar& grammar, const std::vector<SwitchSet>& switchSets,
                   const std::vector<std::string>& referenceSwitches = {}, bool precedenceExcludesSentences = false)
{
    if (shell("command -v gcc", "/").exitStatus != 0)
        GTEST_SKIP() << "gcc is not installed";
    Workbench bench(grammar);
    const std::vector<std::string>& inputs = bench.inputs();
    ASSERT_GE(inputs.size(), 4000u);
    const std::vector<std::string> reference = bench.ours(referenceSwitches);
    ASSERT_EQ(reference.size(), inputs.size());
    // The sentences come first.
    size_t accepted = 0;
    for (size_t i = 0; i < 1500; ++i) {
        const bool clean = reference[i].rfind("0 0|", 0) == 0;
        accepted += clean;
        if (!precedenceExcludesSentences) {
            EXPECT_TRUE(clean) << "sentence \"" << inputs[i] << "\" gave " << reference[i];
        }
    }
    EXPECT_GE(accepted, 300u);
    for (const SwitchSet& set : switchSets) {
        const std::string name = nameOf(set.switches);
        EXPECT_EQ(compare(grammar.name + std::string(" with ") + name, reference, bench.ours(set.switches), inputs,
                          true, !set.movesErrorDetection),
                  0)
            << "strings that differ with " << name;
    }
}

void checkBison(const TestGrammar& grammar)
{
    if (shell("command -v gcc && command -v bison", "/").exitStatus != 0)
        GTEST_SKIP() << "gcc or bison is not installed";
    Workbench bench(grammar);
    const std::vector<std::string> expected = bench.bison();
    EXPECT_EQ(compare(grammar.name + std::string(" against bison"), expected, bench.ours({}), bench.inputs(),
                      grammar.compareReductionsWithBison, true),
              0);
}

bool hasNonassoc(const TestGrammar& grammar)
{
    return std::string(grammar.declarations).find("%nonassoc") != std::string::npos;
}

// A yacc grammar with its actions, types and code left out, in the form
// the test grammars are written in; the language stays the same.
TestGrammar grammarOfText(const char* name, const std::string& text)
{
    static std::deque<std::string> storage;
    const size_t rulesStart = text.find("\n%%\n");
    const size_t rulesEnd = text.find("\n%%\n", rulesStart + 1);
    std::string declarations;
    std::istringstream head(text.substr(0, rulesStart));
    for (std::string line; std::getline(head, line);) {
        static const std::regex kept("^%(token|left|right|nonassoc|start)\\b.*");
        if (std::regex_match(line, kept))
            declarations += std::regex_replace(line, std::regex("<[^>]*>"), "") + "\n";
    }
    const std::string body = text.substr(rulesStart + 4, rulesEnd - rulesStart - 4);
    std::string rules;
    std::string lhs;
    std::string alternative;
    std::string previous;
    bool open = false;
    for (size_t i = 0; i < body.size();) {
        const char c = body[i];
        if (isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (body.compare(i, 2, "/*") == 0) {
            i = body.find("*/", i) + 2;
        } else if (c == '{') {
            // Actions are C: braces inside strings and characters do not
            // count.
            int depth = 0;
            do {
                if (body.compare(i, 2, "/*") == 0) {
                    i = body.find("*/", i) + 1;
                } else if (body[i] == '"' || body[i] == '\'') {
                    const char quote = body[i++];
                    while (body[i] != quote)
                        i += body[i] == '\\' ? 2 : 1;
                } else if (body[i] == '{') {
                    ++depth;
                } else if (body[i] == '}') {
                    --depth;
                }
                ++i;
            } while (depth > 0);
        } else if (c == ':' || c == '|' || c == ';') {
            if (open)
                rules += lhs + " :" + alternative + "\n";
            if (c == ':')
                lhs = previous;
            open = c != ';';
            alternative.clear();
            previous.clear();
            ++i;
        } else {
            size_t end = i + 1;
            if (c == '\'') {
                end = body.find('\'', i + (body[i + 1] == '\\' ? 3 : 2)) + 1;
            } else {
                while (end < body.size() && (isalnum(static_cast<unsigned char>(body[end])) || body[end] == '_' ||
                                             body[end] == '.'))
                    ++end;
            }
            const std::string word = body.substr(i, end - i);
            // A name followed by a colon starts the next rule.
            size_t after = end;
            while (after < body.size() && isspace(static_cast<unsigned char>(body[after])))
                ++after;
            if (after < body.size() && body[after] == ':') {
                if (open)
                    rules += lhs + " :" + alternative + "\n";
                open = false;
                alternative.clear();
            } else {
                alternative += " " + word;
            }
            previous = word;
            i = end;
        }
    }
    storage.push_back(declarations);
    const char* kept = storage.back().c_str();
    storage.push_back(rules);
    return {name, kept, storage.back().c_str(), true};
}

TestGrammar corpusGrammar(const char* name)
{
    std::ifstream file(std::string(GRAMMARS_DIR) + "/" + name + ".y");
    std::stringstream buffer;
    buffer << file.rdbuf();
    return grammarOfText(name, buffer.str());
}

std::vector<TestGrammar> grammarsWith(bool nonassoc)
{
    std::vector<TestGrammar> chosen;
    for (const TestGrammar& grammar : kGrammars)
        if (hasNonassoc(grammar) == nonassoc)
            chosen.push_back(grammar);
    if (!nonassoc)
        chosen.push_back(corpusGrammar("ansic"));
    return chosen;
}

// The C++ and Java parsers run the same tables through their own
// runtimes: every string gets the same result, error count and reductions
// as in C, recovery included.
void checkLanguages(const TestGrammar& grammar)
{
    if (shell("command -v gcc && command -v g++ && command -v javac && test -f " + quoted(YL_JAR), "/").exitStatus != 0)
        GTEST_SKIP() << "gcc, g++, a JDK and yl.jar are needed";
    Workbench bench(grammar);
    for (const std::vector<std::string>& switches : {std::vector<std::string>{}, std::vector<std::string>{"-s"}}) {
        SCOPED_TRACE(nameOf(switches));
        const std::vector<std::string> c = bench.ours(switches);
        const std::vector<std::string> cpp = bench.cpp(switches);
        const std::vector<std::string> java = bench.java(switches);
        ASSERT_EQ(c.size(), bench.inputs().size());
        int differences = 0;
        for (size_t i = 0; i < c.size(); ++i) {
            const bool same = i < cpp.size() && i < java.size() && c[i] == cpp[i] && c[i] == java[i];
            if (!same && ++differences <= 5)
                ADD_FAILURE() << "on \"" << bench.inputs()[i] << "\": C " << c[i] << ", C++ "
                              << (i < cpp.size() ? cpp[i] : "-") << ", Java " << (i < java.size() ? java[i] : "-");
        }
        EXPECT_EQ(differences, 0);
    }
}

std::string parameterName(const ::testing::TestParamInfo<TestGrammar>& parameter)
{
    return parameter.param.name;
}

class TableInvarianceTest : public ::testing::TestWithParam<TestGrammar> {};

TEST_P(TableInvarianceTest, EverySwitchParsesTheSameLanguage)
{
    checkSwitches(GetParam(), kSwitchSets);
}

// Compact tables leave literal tokens unnumbered; their runs must still
// tell them apart (lisp's "` , @" once shared rows they must not).
TEST_P(TableInvarianceTest, CompactTablesParseTheSameLanguage)
{
    checkSwitches(GetParam(), kCompactSwitchSets);
}

TEST_P(TableInvarianceTest, BisonAgrees)
{
    checkBison(GetParam());
}

TEST_P(TableInvarianceTest, ThreeLanguagesAgree)
{
    checkLanguages(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Grammars, TableInvarianceTest, ::testing::ValuesIn(grammarsWith(false)), parameterName);

// A nonassociative operator met again is an error that the tables spell
// out, so no default reduction takes it: "a < b < c" is rejected under
// every table switch, as bison rejects it. The sentences may chain
// comparisons, so not all of them are in the language.
class NonassocTableInvarianceTest : public ::testing::TestWithParam<TestGrammar> {};

TEST_P(NonassocTableInvarianceTest, EverySwitchParsesTheSameLanguage)
{
    checkSwitches(GetParam(), kSwitchSets, {}, true);
}

TEST_P(NonassocTableInvarianceTest, CompactTablesParseTheSameLanguage)
{
    checkSwitches(GetParam(), kCompactSwitchSets, {}, true);
}

TEST_P(NonassocTableInvarianceTest, ThreeLanguagesAgree)
{
    checkLanguages(GetParam());
}

TEST_P(NonassocTableInvarianceTest, BisonAgreesWithEverySwitch)
{
    if (shell("command -v gcc && command -v bison", "/").exitStatus != 0)
        GTEST_SKIP() << "gcc or bison is not installed";
    Workbench bench(GetParam());
    const std::vector<std::string> bison = bench.bison();
    std::vector<SwitchSet> sets = {{{}, false}};
    sets.insert(sets.end(), kSwitchSets.begin(), kSwitchSets.end());
    sets.insert(sets.end(), kCompactSwitchSets.begin(), kCompactSwitchSets.end());
    int rejected = 0;
    for (const SwitchSet& set : sets) {
        const std::vector<std::string> ours = bench.ours(set.switches);
        EXPECT_EQ(compare(GetParam().name + std::string(" against bison with ") + nameOf(set.switches), bison, ours,
                          bench.inputs(), GetParam().compareReductionsWithBison, false),
                  0);
        for (const std::string& result : ours)
            rejected += result.rfind("0 0|", 0) != 0;
    }
    // The strings chain comparisons, so some are rejected under every set.
    EXPECT_GT(rejected, 0);
}

INSTANTIATE_TEST_SUITE_P(Grammars, NonassocTableInvarianceTest, ::testing::ValuesIn(grammarsWith(true)),
                         parameterName);

// A grammar of thousands of rules and states, whose tables have more rows
// than the JVM lets one method build: 4,001 rules and 10,399 LALR(1) states.
const std::string& largeGrammarText()
{
    static const std::string text = [] {
        const ProcessResult generated = shell(quoted(GRAMMAR_GENERATOR_PROGRAM) + " 4000", "/");
        EXPECT_EQ(generated.exitStatus, 0) << generated.err;
        return generated.out;
    }();
    return text;
}

class LargeGrammarTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (shell("command -v gcc && command -v javac && test -f " + quoted(YL_JAR), "/").exitStatus != 0)
            GTEST_SKIP() << "gcc, a JDK and yl.jar are needed";
    }

    std::vector<std::string> switches() const
    {
        return std::string(GetParam()).empty() ? std::vector<std::string>{} : std::vector<std::string>{GetParam()};
    }
};

// The Java parser, with its debugging tables and its action on every rule,
// compiles and parses every string as the C parser does.
TEST_P(LargeGrammarTest, JavaParsesAsTheCParserDoes)
{
    Workbench bench(grammarOfText("ring", largeGrammarText()));
    const std::vector<std::string> c = bench.ours(switches());
    const std::vector<std::string> java = bench.java(switches());
    const std::string source = bench.file("P.java");
    EXPECT_NE(source.find("yycreatetables1();"), std::string::npos)
        << "the tables fit one method: the grammar is too small to test their split";
    EXPECT_NE(source.find("yyaction1(action);"), std::string::npos)
        << "the actions fit one method: the grammar is too small to test their split";
    ASSERT_EQ(c.size(), bench.inputs().size());
    ASSERT_EQ(java.size(), c.size());
    int accepted = 0;
    int rejected = 0;
    int differences = 0;
    for (size_t i = 0; i < c.size(); ++i) {
        (c[i].rfind("0 0|", 0) == 0 ? accepted : rejected)++;
        if (java[i] != c[i] && ++differences <= 5)
            ADD_FAILURE() << "on \"" << bench.inputs()[i] << "\": C " << c[i] << ", Java " << java[i];
    }
    EXPECT_EQ(differences, 0);
    // The sentences come first; most strings after them are not in the
    // language.
    EXPECT_GE(accepted, 1500);
    EXPECT_GE(rejected, 1500);
}

// The debugging tables come first and are split as the others are, inside
// their conditional: a class that builds them holds every rule and token.
TEST(LargeGrammarDebugTables, HoldEveryRuleAndToken)
{
    if (shell("command -v javac && test -f " + quoted(YL_JAR), "/").exitStatus != 0)
        GTEST_SKIP() << "a JDK and yl.jar are needed";
    const TestGrammar grammar = grammarOfText("ring", largeGrammarText());
    const Model model = modelOf(grammar);
    std::string text = "%name P\n{\n\tstatic final boolean YYDEBUG = true;\n}\n%union {\n}\n";
    text += grammar.declarations;
    text += "%%\n";
    std::string expected = "$accept: " + model.start + "\n";
    for (const Rule& rule : model.rules) {
        text += rule.lhs + " :" + rule.text + " ;\n";
        expected += rule.lhs + ":";
        for (const std::string& symbol : rule.rhs)
            expected += " " + symbol;
        expected += "\n";
    }
    text += R"(%%
	public static void main(String args[]) {
		P parser = new P();
		for (String rule : parser.yyrule)
			System.out.println(rule);
		for (yysymbol symbol : parser.yysymbol)
			System.out.println("symbol " + symbol.name);
	}
}
)";
    TemporaryDirectory dir;
    dir.write("P.y", text);
    ProcessSetup setup;
    setup.workingDirectory = dir.path();
    const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, {"P.y", "-$", "-Tj"}, setup);
    ASSERT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
    ASSERT_NE(dir.read("P.java").find("\t\tif (YYDEBUG) {\n\t\t\tfinal String rule[] = {"), std::string::npos)
        << "the rule table does not go on in a second method";
    const ProcessResult ran = shell("javac -Xlint:all -Werror -cp " + quoted(YL_JAR) + " -d classes P.java && java -cp " +
                                        quoted(YL_JAR) + ":classes P",
                                    dir.path());
    ASSERT_EQ(ran.exitStatus, 0) << ran.out << ran.err;
    const size_t symbols = ran.out.find("symbol ");
    ASSERT_NE(symbols, std::string::npos) << ran.out;
    EXPECT_EQ(ran.out.substr(0, symbols), expected);
    // The symbol table closes with a row of no name; every token is in it.
    EXPECT_EQ(ran.out.substr(ran.out.size() - 12), "symbol null\n");
    for (const std::string& terminal : model.terminals)
        EXPECT_NE(ran.out.find("symbol " + terminal + "\n", symbols), std::string::npos) << terminal;
}

INSTANTIATE_TEST_SUITE_P(Forms, LargeGrammarTest, ::testing::Values("", "-s"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param).empty() ? std::string("fast") : std::string("compact");
                         });

} // namespace

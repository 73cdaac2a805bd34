#include "brannock/JavaEmitter.h"

#include "toolframe/RuntimeNames.h"

namespace brannock {

namespace {

// The attribute methods the library calls, and the one the debugging code
// of each action case fills its array with.
constexpr std::string_view kAttributeMethods =
    "\tprotected final YYSTYPE yyattribute(int index) {\n"
    "\t\tYYSTYPE attribute = (YYSTYPE)yyattributestackref[yytop + index];\n"
    "\t\treturn attribute;\n"
    "\t}\n"
    "\n"
    "\tprotected final yyattribute yynewattribute() {\n"
    "\t\treturn new YYSTYPE();\n"
    "\t}\n"
    "\n"
    "\tprotected final YYSTYPE[] yyinitdebug(int count) {\n"
    "\t\tYYSTYPE a[] = new YYSTYPE[count];\n"
    "\t\tfor (int i = 0; i < count; i++) {\n"
    "\t\t\ta[i] = (YYSTYPE)yyattributestackref[yytop + i - (count - 1)];\n"
    "\t\t}\n"
    "\t\treturn a;\n"
    "\t}\n"
    "\n";

} // namespace

JavaEmitter::JavaEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::Java)
{
}

void JavaEmitter::beginSourceFile(bool repeated)
{
    toolframe::OutputStream& source = sourceStream();
    if (!repeated) {
        writeBanner(source, "Java source file");
        return;
    }
    source.writeNarrow(toolframe::runtime::kJavaImport);
    source.writeNarrow("\n\n");
}

void JavaEmitter::unionBlock(bool begin)
{
    toolframe::OutputStream& source = sourceStream();
    if (!begin) {
        source.writeNarrow("\t}\n\n");
        return;
    }
    source.writeNarrow("\tpublic class YYSTYPE extends ");
    source.writeNarrow(toolframe::runtime::kJavaAttributeClass);
    source.writeNarrow(" {\n");
}

void JavaEmitter::tokenConstant(std::string_view name, unsigned number)
{
    sourceStream().writeFormatted("\tpublic static final int %s = %u;\n", constantName(name).c_str(), number);
}

void JavaEmitter::beginActionFunction()
{
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow(kAttributeMethods);
    source.writeNarrow("\tprotected static ");
    source.writeNarrow(ofTableForm(toolframe::runtime::kJavaTablesClasses));
    source.writeNarrow(" yytables = null;\n\n\tpublic final void yyaction(int action) {\n");
}

void JavaEmitter::beginActionSwitch() { sourceStream().writeNarrow("\t\tswitch (action) {\n"); }

void JavaEmitter::beginActionCase(int number, std::optional<int> attributeCount)
{
    toolframe::OutputStream& source = sourceStream();
    source.writeFormatted("\t\tcase %d:\n\t\t\t{\n", number);
    if (attributeCount) {
        source.writeFormatted("\t\t\t\tYYSTYPE yya[];\n\t\t\t\tif (YYDEBUG) {\n\t\t\t\t\tyya = yyinitdebug(%d);\n"
                              "\t\t\t\t}\n",
                              *attributeCount);
    }
}

void JavaEmitter::resultAttribute() { sourceStream().writeNarrow("((YYSTYPE)yyvalref)"); }

void JavaEmitter::endActionCase(bool) { sourceStream().writeNarrow("\t\t\t}\n\t\t\tbreak;\n"); }

void JavaEmitter::endActionSwitch() { sourceStream().writeNarrow("\t\tdefault:\n\t\t\tbreak;\n\t\t}\n"); }

void JavaEmitter::endActionFunction() { sourceStream().writeNarrow("\t}\n"); }

void JavaEmitter::endSourceFile(bool programSectionPresent)
{
    // The program section is expected to close the class.
    if (!programSectionPresent)
        sourceStream().writeNarrow("}\n");
}

void JavaEmitter::parserName(bool begin, std::string_view name)
{
    if (!begin)
        return;
    toolframe::OutputStream& source = sourceStream();
    writeSeparatorHeading(source, name);
    source.writeNarrow("public class ");
    source.writeNarrow(name);
    source.writeNarrow(" extends ");
    source.writeNarrow(ofTableForm(toolframe::runtime::kJavaParserBaseClasses));
    source.writeNarrow(" {\n");
}

void JavaEmitter::constructorBlock(bool begin, std::string_view name)
{
    toolframe::OutputStream& source = sourceStream();
    if (!begin) {
        source.writeNarrow("\t}\n\n");
        return;
    }
    source.writeNarrow("\tpublic ");
    source.writeNarrow(name);
    source.writeNarrow("() {\n\t\tyytables();\n");
}

std::string_view JavaEmitter::ofTableForm(const std::array<std::string_view, 2>& classes) const
{
    return classes[options().compactTables ? 1 : 0];
}

} // namespace brannock

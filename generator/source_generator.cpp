#include "generator/source_generator.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace quillmoor {

namespace {

constexpr std::string_view kSeparator = ";=======================================================";
constexpr std::string_view kProcedureDivider =
    ";_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _";

// Enough for the usual text in one allocation: the lines every text has, each name as often as
// it is written and each method's four lines, with room to spare. A longer text grows as any
// string does.
constexpr std::size_t kFixedBytes = 1024;
constexpr std::size_t kBytesPerMethod = 128;

std::size_t UsualSize(const ClassDescription& description) {
    std::size_t size = kFixedBytes + 2 * description.constructorHead.size() +
                       3 * description.className.size() + 4 * description.structureName.size() +
                       4 * description.methodTableLabel.size();
    for (const std::string& method : description.methods) {
        size += kBytesPerMethod + 3 * method.size() + description.structureName.size();
    }
    for (const std::string& attribute : description.attributes) {
        size += 4 + attribute.size();
    }
    return size;
}

// One line: the pieces and the carriage return that ends it. An empty line is that carriage
// return alone.
void Line(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        out += piece;
    }
    out += '\r';
}

void WriteHeaderAndInterface(const ClassDescription& description, std::string& out) {
    Line(out, {kSeparator});
    Line(out, {"; Class ", description.className, "       build with Quillmoor"});
    Line(out, {kSeparator});
    out.append(3, '\r');
    Line(out, {"Interface ", description.className});
    for (const std::string& method : description.methods) {
        Line(out, {"   ", method});
    }
    Line(out, {"EndInterface"});
    out.append(4, '\r');
}

void WriteStructure(const ClassDescription& description, std::string& out) {
    Line(out, {kSeparator});
    out.append(1, '\r');
    Line(out, {"Structure ", description.structureName});
    Line(out, {"   *", description.methodTableLabel});
    for (const std::string& attribute : description.attributes) {
        Line(out, {"   ", attribute});
    }
    Line(out, {"EndStructure"});
    out.append(4, '\r');
    Line(out, {kSeparator});
    out.append(2, '\r');
}

void WriteMethodProcedures(const ClassDescription& description, std::string& out) {
    for (const std::string& method : description.methods) {
        const MethodParts parts = SplitMethodEntry(method);
        Line(out, {"Procedure.", parts.typeLetter, " ", parts.procedureName, "(*This.",
                   description.structureName, parts.parameterTail});
        Line(out, {" "});
        Line(out, {"EndProcedure"});
        out.append(2, '\r');
        Line(out, {kProcedureDivider});
        out.append(2, '\r');
    }
}

void WriteConstructor(const ClassDescription& description, std::string& out) {
    const std::string_view structure = description.structureName;
    const std::string_view label = description.methodTableLabel;
    Line(out, {"Procedure ", description.constructorHead});
    out.append(1, '\r');
    Line(out, {"   Size = AllocateMemory (SizeOf (", structure, "))"});
    Line(out, {"   Protected *This.", structure, " = Size"});
    out.append(1, '\r');
    Line(out, {"   If Not *This"});
    Line(out, {"     ProcedureReturn #Null"});
    Line(out, {"   EndIf"});
    Line(out, {"   "});
    Line(out, {"   *This\\", label, " = ?", label});
    Line(out, {"   InitializeStructure(*This,", structure, ")"});
    out.append(1, '\r');
    Line(out, {"   ProcedureReturn *This"});
    out.append(1, '\r');
    Line(out, {"EndProcedure"});
    out.append(4, '\r');
    Line(out, {kSeparator});
    out.append(1, '\r');
}

void WriteTestObject(const ClassDescription& description, std::string& out) {
    Line(out, {"*TestObject.", description.className, " = ", description.constructorHead});
    out.append(1, '\r');
    Line(out, {kSeparator});
    out.append(1, '\r');
}

void WriteMethodTableAndTrailer(const ClassDescription& description, std::string& out) {
    out.append(1, '\r');
    Line(out, {"DataSection"});
    Line(out, {"   ", description.methodTableLabel, ":"});
    for (const std::string& method : description.methods) {
        // Pointer-sized entries: a 64-bit Interface call reads 8 bytes per method, and a
        // 4-byte Data.l would cut the address.
        Line(out, {"      Data.i @", SplitMethodEntry(method).procedureName, "()"});
    }
    Line(out, {"EndDataSection"});
    out.append(2, '\r');
    Line(out, {kSeparator});
    Line(out, {";End of class [Quillmoor by Tovik]"});
    Line(out, {kSeparator});
}

}  // namespace

std::string GenerateSource(const ClassDescription& description) {
    std::string out;
    out.reserve(UsualSize(description));
    WriteHeaderAndInterface(description, out);
    WriteStructure(description, out);
    WriteMethodProcedures(description, out);
    WriteConstructor(description, out);
    if (description.createTestObject) {
        WriteTestObject(description, out);
    }
    WriteMethodTableAndTrailer(description, out);
    return out;
}

}  // namespace quillmoor

#include "generator/source_generator.h"

#include <cstddef>
#include <string_view>

#include "generator/line_writer.h"
#include "generator/method_entry_view.h"

namespace quillmoor {

namespace {

constexpr std::string_view kSeparator = ";=======================================================";
static_assert(kSeparator.size() == 56);

// The end of every method's procedure line and the seven lines that follow it: its empty body,
// its end and the divider in front of the next block. One piece because it repeats per method.
constexpr std::string_view kProcedureClosing =
    "\r"
    " \r"
    "EndProcedure\r"
    "\r"
    "\r"
    ";_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _\r"
    "\r"
    "\r";
static_assert(kProcedureClosing.size() == 1 + 2 + 13 + 1 + 1 + 57 + 1 + 1);

// Bytes of the fixed text around the names; generous, so that one allocation is the norm.
constexpr std::size_t kFixedTextEstimate = 2048;
// Fixed bytes of one method's Interface line and procedure block.
constexpr std::size_t kFixedProcedureBytes = 32 + kProcedureClosing.size();
// Fixed bytes of one method-table line.
constexpr std::size_t kFixedTableLineBytes = 20;

// Upper bound for the whole text. A procedure name and parameter tail together are never more
// than one byte longer than their entry.
std::size_t ExpectedTextSize(const ClassDescription& description) {
    std::size_t size = kFixedTextEstimate + 2 * description.constructorHead.size() +
                       3 * description.className.size() + 4 * description.structureName.size() +
                       4 * description.methodTableLabel.size();
    for (const std::string& method : description.methods) {
        size += kFixedProcedureBytes + kFixedTableLineBytes + 3 * method.size() +
                description.structureName.size();
    }
    for (const std::string& attribute : description.attributes) {
        size += 4 + attribute.size();
    }
    return size;
}

// Leaves the line open.
void WriteProcedureName(const ProcedureNameView& name, LineWriter& out) {
    name.ForEachPiece([&out](std::string_view piece) { out.Append(piece); });
}

void WriteHeaderAndInterface(const ClassDescription& description, LineWriter& out) {
    out.Line(kSeparator);
    out.Line("; Class ", description.className, "       build with Quillmoor");
    out.Line(kSeparator);
    out.EmptyLines(3);
    out.Line("Interface ", description.className);
    for (const std::string& method : description.methods) {
        out.Line("   ", method);
    }
    out.Line("EndInterface");
    out.EmptyLines(4);
}

void WriteStructure(const ClassDescription& description, LineWriter& out) {
    out.Line(kSeparator);
    out.EmptyLines(1);
    out.Line("Structure ", description.structureName);
    out.Line("   *", description.methodTableLabel);
    for (const std::string& attribute : description.attributes) {
        out.Line("   ", attribute);
    }
    out.Line("EndStructure");
    out.EmptyLines(4);
    out.Line(kSeparator);
    out.EmptyLines(2);
}

void WriteMethodProcedures(const ClassDescription& description, LineWriter& out) {
    // The same for every method, so joined once.
    const std::string thisParameter = "(*This." + description.structureName;
    for (const std::string& method : description.methods) {
        const MethodEntryView entry = ViewMethodEntry(method);
        out.Append("Procedure.", entry.TypeLetter(), " ");
        WriteProcedureName(entry.procedureName, out);
        out.Append(thisParameter, entry.tailLead, entry.parameters, kProcedureClosing);
    }
}

void WriteConstructor(const ClassDescription& description, LineWriter& out) {
    const std::string_view structure = description.structureName;
    const std::string_view label = description.methodTableLabel;
    out.Line("Procedure ", description.constructorHead);
    out.EmptyLines(1);
    out.Line("   Size = AllocateMemory (SizeOf (", structure, "))");
    out.Line("   Protected *This.", structure, " = Size");
    out.EmptyLines(1);
    out.Line("   If Not *This");
    out.Line("     ProcedureReturn #Null");
    out.Line("   EndIf");
    out.Line("   ");
    out.Line("   *This\\", label, " = ?", label);
    out.Line("   InitializeStructure(*This,", structure, ")");
    out.EmptyLines(1);
    out.Line("   ProcedureReturn *This");
    out.EmptyLines(1);
    out.Line("EndProcedure");
    out.EmptyLines(4);
    out.Line(kSeparator);
    out.EmptyLines(1);
}

void WriteTestObject(const ClassDescription& description, LineWriter& out) {
    out.Line("*TestObject.", description.className, " = ", description.constructorHead);
    out.EmptyLines(1);
    out.Line(kSeparator);
    out.EmptyLines(1);
}

void WriteMethodTableAndTrailer(const ClassDescription& description, LineWriter& out) {
    out.EmptyLines(1);
    out.Line("DataSection");
    out.Line("   ", description.methodTableLabel, ":");
    for (const std::string& method : description.methods) {
        // Pointer-sized entries: a 64-bit Interface call reads 8 bytes per method, and a
        // 4-byte Data.l would cut the address.
        out.Append("      Data.i @");
        WriteProcedureName(ViewProcedureName(method), out);
        out.Line("()");
    }
    out.Line("EndDataSection");
    out.EmptyLines(2);
    out.Line(kSeparator);
    out.Line(";End of class [Quillmoor by Tovik]");
    out.Line(kSeparator);
}

}  // namespace

std::string GenerateSource(const ClassDescription& description) {
    LineWriter out(ExpectedTextSize(description));
    WriteHeaderAndInterface(description, out);
    WriteStructure(description, out);
    WriteMethodProcedures(description, out);
    WriteConstructor(description, out);
    if (description.createTestObject) {
        WriteTestObject(description, out);
    }
    WriteMethodTableAndTrailer(description, out);
    return std::move(out).Finish();
}

}  // namespace quillmoor

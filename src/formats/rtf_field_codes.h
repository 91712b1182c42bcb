// rtf_field_codes.h — our field codes as the field instructions word
// processors know (PAGE, NUMPAGES, DATE \@ "…" and the like) and back, so
// that a field written to RTF is read back as the same field cell.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vendaro {

// Form fields are "FormField" and their name.
inline constexpr std::string_view kFormFieldCodePrefix = "FormField";

// The instruction for a field code; none for codes no instruction stands
// for (form fields have their own form, database fields none).
std::optional<std::string> rtfFieldInstruction(std::string_view code);
// The field code an instruction stands for; none for instructions we do
// not know, whose result is then read as text.
std::optional<std::string> fieldCodeOfInstruction(std::string_view instruction);

}  // namespace vendaro

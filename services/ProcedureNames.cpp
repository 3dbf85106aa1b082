#include "ProcedureNames.h"

namespace {

#define QUENDO_PROC_ENTRY(module_, procedure_) Proc::module_::procedure_,
constexpr ProcName kAll[] = {QUENDO_PROCEDURES(QUENDO_PROC_ENTRY)};
#undef QUENDO_PROC_ENTRY

} // namespace

std::span<const ProcName> allProcedureNames()
{
    return kAll;
}

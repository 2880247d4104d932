// The ULS and DOMAIN lines of lirvo-calc --uls SPEC [--domain K]: the resistance at the
// ultimate limit state of the section a successful run describes (sections/case_analysis.h),
// one quantity a line, TAB-separated, numbers with 17 significant digits:
//   ULS fcd|fyd <kg/cm²>     ULS N <N_Ed, kg>
//   ULS x|eps_top|eps_bottom <the plane of M_Rd on M_Ed's side: cm from the compressed edge,
//                             strains at the top and bottom edges>
//   ULS steel <depth> <area> <strain> <stress, kg/cm²>   (top first)
//   ULS M_Rd <kg cm: M_Rd+ for M_Ed >= 0 or none, M_Rd- for M_Ed < 0>   or   ULS M_Rd outside
//   ULS M_Ed <kg cm>   ULS utilisation <M_Ed/M_Rd>   ULS verdict verificata|non verificata
//                                                    (where M_Ed is given)
//   DOMAIN <N> <M_Rd+> <M_Rd->   (K lines, N evenly from N_Rd,t to N_Rd,c)
// Compression and a moment compressing the top are positive; a strain past yield at the
// tension end is -inf.
#pragma once

#include <string>
#include <string_view>

#include "cli/uls_option.h"
#include "sections/event_log.h"

namespace lirvo::cli {

// Appends the lines for the run the log holds, each after `prefix`; nothing where the run
// stopped on a message or its fields describe no section.
void appendUls(const CalcCase& calc, const EventLog& log, const UlsRequest& request,
               std::string_view prefix, std::string& buffer);

}  // namespace lirvo::cli

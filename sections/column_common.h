// What the two column calculations share.
#pragma once

namespace lirvo {

// Depths are measured from the side of Af', which the method takes as the compressed side:
// a negative moment would compress the other side, so the section must be turned over.
inline const char* const kNegativeMomentMessage =
    "MOMENTO FLETTENTE NEGATIVO: CAPOVOLGERE LA SEZIONE";

}  // namespace lirvo

// The catalogue's example valve as a row of the price book: --decode's fields, then its rating
// (".23 Cv, 3000 psig" under the J310 on the MX2) and no price note.
#pragma once

#include <string>
#include <vector>

namespace tarvek::testing {

inline const std::vector<std::string> kExampleBookRow = {"J310-MX2-2A-MXFX-VS-BK-LS",
                                                         "ok",
                                                         "367.5",
                                                         "Diaphragm Valves",
                                                         "MX2 - Standard Series",
                                                         "J310 --- Manual, Tee Knob, LOTO",
                                                         "2A",
                                                         "M - Male Face Seal, 1/4 inch",
                                                         "",
                                                         "F - Female Face Seal, 1/4 inch",
                                                         "",
                                                         "VS - Vespel Seat",
                                                         "BK - Black",
                                                         "LS - Lever Handle",
                                                         "no",
                                                         "",
                                                         "J310-MX2-2A-MXFX-VS-BK-LS",
                                                         "0.23",
                                                         "3000",
                                                         ""};

}  // namespace tarvek::testing

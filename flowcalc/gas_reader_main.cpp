// The gas reader: prints the rows of "Gas Data" of the Access database named on its
// command line as a gas listing (gas_listing.h). Exit status 0 when the table was read,
// 1 when not, 2 when called wrongly. The window runs it, so that libmdb never runs
// inside the window (gas_data_source.h).
#include <cstdio>

#include "flowcalc/gas_database.h"
#include "flowcalc/gas_listing.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const auto records = tarvek::readGasDatabase(argv[1]);
    if (!records) return 1;
    // Printed only once the whole table is read: a reader that dies on the way prints
    // nothing, or at most a listing without its end line.
    const std::string listing = tarvek::writeGasListing(*records);
    const bool written = std::fwrite(listing.data(), 1, listing.size(), stdout) == listing.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

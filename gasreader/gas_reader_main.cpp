// The gas reader: prints the rows of "Gas Data" of the Access database named on its
// command line as a gas listing (gas_listing.h, which also gives the exit statuses). The
// window runs it, so that libmdb never runs inside the window (gas_data_source.h).
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "gasreader/gas_database.h"
#include "rules/calculator/gas_listing.h"

namespace {
// libmdb loops forever on some damaged files. The window stops the reader after its own
// time limit; these keep a reader from outliving a window that died or was killed first.
constexpr unsigned kLifetimeSeconds = 10;
}  // namespace

int main(int argc, char** argv) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    alarm(kLifetimeSeconds);
    if (argc != 2) return tarvek::kReaderMisused;
    // libmdb prints to the standard output on some damaged files: it gets the error
    // output instead, and the listing goes out alone through a copy of the original.
    const int listingOutput = dup(STDOUT_FILENO);
    if (listingOutput < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return EXIT_FAILURE;

    const auto records = tarvek::readGasDatabase(argv[1]);
    if (!records) return tarvek::kReaderFoundNoTable;
    // Written only once the whole table is read: a reader that dies on the way writes
    // nothing, or at most a listing without its end line.
    const std::string listing = tarvek::writeGasListing(*records);
    for (std::size_t written = 0; written < listing.size();) {
        const ssize_t n = write(listingOutput, listing.data() + written, listing.size() - written);
        if (n <= 0) return EXIT_FAILURE;
        written += std::size_t(n);
    }
    return 0;
}
